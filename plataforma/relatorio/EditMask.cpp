#include "plataforma/relatorio/EditMask.h"

#include <QStringView>
#include <algorithm>

namespace plataforma::relatorio {

namespace {

bool isSlot(QChar c) {
    return QStringView(u"LlAaCc09#").contains(c);
}

} // namespace

EditMask::EditMask(const QString& format) {
    Case textCase = Case::Keep;
    qsizetype i = 0;
    for (; i < format.size() && format[i] != u';'; ++i) {
        const QChar c = format[i];
        if (c == u'\\' && i + 1 < format.size()) {
            m_elements.push_back({format[++i], textCase});
        } else if (c == u'!') {
            m_leadingBlanks = true;
        } else if (c == u'<' && i + 1 < format.size() && format[i + 1] == u'>') {
            textCase = Case::Keep;
            ++i;
        } else if (c == u'>' || c == u'<') {
            textCase = c == u'>' ? Case::Upper : Case::Lower;
        } else if (isSlot(c)) {
            m_elements.push_back({QChar(), textCase});
            ++m_slots;
        } else {
            m_elements.push_back({c == u'_' ? QChar(u' ') : c, textCase});
        }
    }
    // What follows the mask: the save-literals field, then the blank character.
    const qsizetype blankField = format.indexOf(u';', i + 1);
    if (blankField >= 0 && blankField + 1 < format.size())
        m_blank = format[blankField + 1];
}

QString EditMask::format(const QString& value) const {
    const qsizetype padding = std::max<qsizetype>(m_slots - value.size(), 0);
    const auto withCase = [](QChar c, Case textCase) {
        return textCase == Case::Upper ? c.toUpper() : textCase == Case::Lower ? c.toLower() : c;
    };
    QString shown;
    shown.reserve(m_elements.size() + value.size());
    qsizetype slot = 0;
    qsizetype next = 0; // the next character of the value
    for (const Element& element : m_elements) {
        if (!element.literal.isNull()) {
            shown += element.literal;
            continue;
        }
        const bool blank = m_leadingBlanks ? slot < padding : next >= value.size();
        shown += blank ? m_blank : withCase(value[next++], element.textCase);
        if (++slot == m_slots) {
            for (; next < value.size(); ++next)
                shown += withCase(value[next], element.textCase);
        }
    }
    for (; next < value.size(); ++next)
        shown += value[next];
    return shown;
}

} // namespace plataforma::relatorio
