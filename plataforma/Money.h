#pragma once

#include <QtGlobal>
#include <compare>
#include <optional>

namespace plataforma {

// A fixed-point amount: a signed 64-bit count of ten-thousandths. Prices and
// percentages live in this type so that comparisons and copies are exact.
class Money {
public:
    static constexpr qint64 UnitsPerWhole = 10000;

    constexpr Money() = default;

    static constexpr Money fromUnits(qint64 tenThousandths) {
        Money money;
        money.m_units = tenThousandths;
        return money;
    }

    // Multiplies by 10000 and rounds to nearest, halves to even. Empty for a
    // value that is not finite or whose count does not fit 64 bits.
    static std::optional<Money> fromDouble(double value);

    constexpr qint64 units() const { return m_units; }
    double toDouble() const { return static_cast<double>(m_units) / UnitsPerWhole; }

    // Rounded to whole hundredths, halves to even.
    Money roundedToCents() const;

    // What a table's money field keeps: rounded to hundredths, and at most
    // 9 digits before the decimal point. Empty when the value does not fit.
    std::optional<Money> toFieldValue() const;

    friend constexpr auto operator<=>(Money, Money) = default;

private:
    qint64 m_units = 0;
};

} // namespace plataforma
