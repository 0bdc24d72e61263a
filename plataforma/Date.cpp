#include "Date.h"

namespace plataforma {

namespace {

// Julian day of 30/12/1899.
constexpr qint64 JulianDayOfZero = 2415019;

} // namespace

std::optional<Date> Date::fromQDate(QDate date) {
    if (!date.isValid() || date.year() < FirstYear || date.year() > LastYear)
        return std::nullopt;
    return fromDayNumber(static_cast<qint32>(date.toJulianDay() - JulianDayOfZero));
}

Date Date::today() {
    return *fromQDate(QDate::currentDate());
}

QDate Date::toQDate() const {
    return QDate::fromJulianDay(JulianDayOfZero + m_days);
}

} // namespace plataforma
