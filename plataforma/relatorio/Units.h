#pragma once

#include <QString>
#include <QStringView>

namespace plataforma::relatorio {

// The unit in which a report shows its lengths to code and to the operator. Templates store
// every length in thousandths of a millimetre whatever the unit; the unit only changes how
// PaperHeight, PaperWidth and a band's Height read and write.
enum class Units { ScreenPixels, Inches, Millimeters, PrinterPixels, MMThousandths };

// A screen pixel is a 96th of an inch, and a printer pixel a 600th: the report has no device
// of its own when code reads a length, so it uses the usual resolution of each.
inline constexpr double ScreenPixelsPerInch = 96;
inline constexpr double PrinterPixelsPerInch = 600;

// A length stored in thousandths of a millimetre, in the given unit, single precision.
float fromThousandths(int thousandths, Units units);
// A length in the given unit, as stored: thousandths of a millimetre rounded to nearest.
int toThousandths(float length, Units units);

// The template's identifier ("utMillimeters"); Inches for an identifier it does not know,
// which is what an absent Units entry means.
Units unitsFromName(QStringView name);
QString unitsName(Units units);

} // namespace plataforma::relatorio
