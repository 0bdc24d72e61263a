#include "plataforma/relatorio/Units.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace plataforma::relatorio {

namespace {

using namespace Qt::StringLiterals;

constexpr double ThousandthsPerInch = 25400;

constexpr std::array names{"utScreenPixels"_L1, "utInches"_L1, "utMillimeters"_L1,
                           "utPrinterPixels"_L1, "utMMThousandths"_L1};

// How many thousandths of a millimetre one unit holds.
double thousandthsPerUnit(Units units) {
    switch (units) {
    case Units::ScreenPixels:
        return ThousandthsPerInch / ScreenPixelsPerInch;
    case Units::Inches:
        return ThousandthsPerInch;
    case Units::Millimeters:
        return 1000;
    case Units::PrinterPixels:
        return ThousandthsPerInch / PrinterPixelsPerInch;
    case Units::MMThousandths:
        return 1;
    }
    Q_UNREACHABLE();
}

} // namespace

float fromThousandths(int thousandths, Units units) {
    return static_cast<float>(thousandths / thousandthsPerUnit(units));
}

int toThousandths(float length, Units units) {
    const double stored = std::round(static_cast<double>(length) * thousandthsPerUnit(units));
    constexpr double lowest = std::numeric_limits<int>::min();
    constexpr double highest = std::numeric_limits<int>::max();
    return std::isnan(stored) ? 0 : static_cast<int>(std::clamp(stored, lowest, highest));
}

Units unitsFromName(QStringView name) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (name == names[i])
            return static_cast<Units>(i);
    }
    return Units::Inches;
}

QString unitsName(Units units) {
    return names[static_cast<std::size_t>(units)];
}

} // namespace plataforma::relatorio
