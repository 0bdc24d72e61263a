#include "Field.h"

namespace plataforma {

namespace {

int defaultWidth(FieldType type, int size) {
    switch (type) {
    case FieldType::Text:
        return size;
    case FieldType::Money:
        return 12;
    default:
        return 10;
    }
}

} // namespace

Field::Field(QString name, FieldType type, int size)
    : m_name(std::move(name)), m_type(type), m_size(type == FieldType::Text ? size : 0),
      m_label(m_name), m_width(defaultWidth(type, m_size)) {}

Field& Field::setDisplayLabel(QString label) {
    m_label = std::move(label);
    return *this;
}

Field& Field::setDisplayFormat(QString format) {
    m_format = std::move(format);
    m_numberFormat = NumberFormat(m_format);
    m_dateFormat = DateFormat(m_format);
    return *this;
}

Field& Field::setDisplayWidth(int characters) {
    m_width = characters;
    return *this;
}

QString Field::displayText(const FieldValue& value) const {
    if (const auto* number = std::get_if<qint32>(&value))
        return m_numberFormat.format(qint64{*number});
    if (const auto* money = std::get_if<Money>(&value))
        return m_numberFormat.format(*money);
    if (const auto* date = std::get_if<Date>(&value))
        return m_dateFormat.format(*date);
    return editText(value);
}

QString Field::editText(const FieldValue& value) const {
    if (const auto* number = std::get_if<qint32>(&value))
        return QString::number(*number);
    if (const auto* money = std::get_if<Money>(&value))
        return NumberFormat().format(*money);
    if (const auto* date = std::get_if<Date>(&value))
        return DateFormat().format(*date);
    if (const auto* text = std::get_if<QString>(&value))
        return *text;
    return {};
}

} // namespace plataforma
