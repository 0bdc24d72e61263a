#pragma once

#include "DateFormat.h"
#include "FieldValue.h"
#include "NumberFormat.h"

#include <QString>

namespace plataforma {

enum class FieldType { Integer, Text, Money, Date, Blob };

// The definition of one column of a MemTable: its name, type and the way
// views show it.
class Field {
public:
    // size is the text length of a Text field and is ignored otherwise.
    Field(QString name, FieldType type, int size = 0);

    const QString& name() const { return m_name; }
    FieldType type() const { return m_type; }
    int size() const { return m_size; }

    // The label defaults to the name; the width (in characters) to the text
    // size, 10 for integers, dates and blobs and 12 for money.
    const QString& displayLabel() const { return m_label; }
    const QString& displayFormat() const { return m_format; }
    int displayWidth() const { return m_width; }

    Field& setDisplayLabel(QString label);
    Field& setDisplayFormat(QString format);
    Field& setDisplayWidth(int characters);

    // The value as a view shows it, through the display format; empty for null.
    QString displayText(const FieldValue& value) const;
    // The value as an editor starts with it: no formatting, empty for null.
    QString editText(const FieldValue& value) const;

private:
    QString m_name;
    FieldType m_type;
    int m_size;
    QString m_label;
    QString m_format;
    int m_width;
    NumberFormat m_numberFormat;
    DateFormat m_dateFormat;
};

} // namespace plataforma
