#include "Money.h"

#include <cmath>

namespace plataforma {

namespace {

// 999,999,999.99: 11 digits, 2 of them after the point.
constexpr qint64 LargestFieldUnits = 99'999'999'999 * 100;

} // namespace

std::optional<Money> Money::fromDouble(double value) {
    // nearbyint rounds halves to even in the default rounding mode.
    const double scaled = std::nearbyint(value * UnitsPerWhole);
    // 2^63 is exact as a double; anything at or beyond it does not fit.
    constexpr double limit = 9223372036854775808.0;
    if (!std::isfinite(scaled) || scaled >= limit || scaled < -limit)
        return std::nullopt;
    return fromUnits(static_cast<qint64>(scaled));
}

Money Money::roundedToCents() const {
    qint64 cents = m_units / 100;
    const qint64 rest = m_units % 100;
    const bool odd = cents % 2 != 0;
    if (rest > 50 || (rest == 50 && odd))
        ++cents;
    else if (rest < -50 || (rest == -50 && odd))
        --cents;
    return fromUnits(cents * 100);
}

std::optional<Money> Money::toFieldValue() const {
    const Money rounded = roundedToCents();
    if (rounded.m_units > LargestFieldUnits || rounded.m_units < -LargestFieldUnits)
        return std::nullopt;
    return rounded;
}

} // namespace plataforma
