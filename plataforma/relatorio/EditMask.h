#pragma once

#include <QChar>
#include <QString>
#include <vector>

namespace plataforma::relatorio {

// A text field's edit mask used as a display format, such as "!99999;0; ": the mask, then
// whether literals are saved with the value (which does not change what is shown), then the
// blank character ("_" when absent).
//
// Each of "L l A a C c 0 9 #" is a slot for one character of the value; ">" and "<" turn the
// following characters to upper or lower case and "<>" stops that; "\" makes the next
// character a literal, "_" shows a blank, and every other character is a literal. A value
// shorter than the slots is padded with the blank character: at the front when the mask holds
// "!", at the end otherwise. A value longer than the slots keeps every character, the extra
// ones right after the last slot: a label never loses part of a description.
class EditMask {
public:
    explicit EditMask(const QString& format);

    QString format(const QString& value) const;

private:
    enum class Case { Keep, Upper, Lower };
    struct Element {
        QChar literal; // null for a slot
        Case textCase = Case::Keep;
    };

    std::vector<Element> m_elements;
    int m_slots = 0;
    bool m_leadingBlanks = false;
    QChar m_blank = u'_';
};

} // namespace plataforma::relatorio
