#pragma once

#include "plataforma/relatorio/Units.h"

#include <QString>

namespace plataforma::relatorio {

// How the designer shows lengths in a report's unit.
struct UnitDisplay {
    QString name;   // "Milímetros"
    QString suffix; // " mm"
    int decimals;
    double step; // of a spin box's arrows
};

UnitDisplay unitDisplay(Units units);

// A length in the unit, as the operator reads it ("12,5 mm"), with Brazilian decimals.
QString formatLength(int thousandths, Units units);

} // namespace plataforma::relatorio
