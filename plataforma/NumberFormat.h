#pragma once

#include "Money.h"

#include <QString>
#include <QStringList>

namespace plataforma {

// A numeric display format such as "###,###,##0.00" or "$#,0.00;($#,0.00)",
// written with Brazilian conventions: "." groups thousands, "," is the
// decimal point.
//
// Up to three sections, positive;negative;zero. A negative value shown by its
// own section loses its minus sign; an empty section falls back to the first.
// In a section "0" is a digit that always shows, "#" a digit that shows when
// significant, the first "." places the decimal point, a "," anywhere turns
// thousands grouping on, text in single or double quotes and every other
// character is copied as it stands. Rounding is to nearest, halves away from
// zero, on the decimal value. An empty format shows the plain number.
class NumberFormat {
public:
    NumberFormat() = default;
    explicit NumberFormat(const QString& pattern);

    const QString& pattern() const { return m_pattern; }
    bool isEmpty() const { return m_pattern.isEmpty(); }

    QString format(Money value) const;
    QString format(qint64 value) const;
    // Taken at 15 significant digits, so 1.005 shows as 1,01 with "0.00".
    QString format(double value) const;

private:
    QString m_pattern;
    QStringList m_sections;
};

} // namespace plataforma
