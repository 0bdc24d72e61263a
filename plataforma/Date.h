#pragma once

#include <QDate>
#include <QtGlobal>
#include <compare>
#include <optional>

namespace plataforma {

// A calendar day as a day number; day 0 is 30/12/1899, the date zero that an
// empty or unreadable date reads as.
class Date {
public:
    static constexpr int FirstYear = 1;
    static constexpr int LastYear = 9999;

    constexpr Date() = default;

    static constexpr Date fromDayNumber(qint32 days) {
        Date date;
        date.m_days = days;
        return date;
    }

    // Empty for an invalid QDate and for years outside FirstYear..LastYear.
    static std::optional<Date> fromQDate(QDate date);
    static Date today();

    constexpr qint32 dayNumber() const { return m_days; }
    constexpr bool isZero() const { return m_days == 0; }
    QDate toQDate() const;

    friend constexpr auto operator<=>(Date, Date) = default;

private:
    qint32 m_days = 0;
};

} // namespace plataforma
