#include "plataforma/relatorio/DotGrid.h"

#include <algorithm>
#include <cmath>

namespace plataforma::relatorio {

namespace {

constexpr double MillimetresPerInch = 25.4;

} // namespace

double dotWidth(int resolution) {
    return MillimetresPerInch / resolution;
}

double onDotGrid(double millimetres, int resolution) {
    return std::round(millimetres * resolution / MillimetresPerInch) * MillimetresPerInch /
           resolution;
}

double wholeDots(double millimetres, int resolution) {
    return std::max(1.0, std::round(millimetres * resolution / MillimetresPerInch)) *
           MillimetresPerInch / resolution;
}

} // namespace plataforma::relatorio
