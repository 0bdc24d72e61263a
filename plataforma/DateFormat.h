#pragma once

#include "Date.h"

#include <QString>

namespace plataforma {

// A date display format such as "dd/mm/yyyy": "d"/"dd" the day, "ddd"/"dddd"
// the weekday name, "m"/"mm" the month, "mmm"/"mmmm" the month name, "yy"/
// "yyyy" the year, "/" the date separator; quoted text and other characters
// as they stand. Names are Brazilian Portuguese. An empty format is the short
// date "dd/mm/yyyy".
class DateFormat {
public:
    DateFormat() = default;
    explicit DateFormat(QString pattern);

    const QString& pattern() const { return m_pattern; }
    QString format(Date date) const;

private:
    QString m_pattern;
};

} // namespace plataforma
