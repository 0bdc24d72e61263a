#pragma once

#include "plataforma/Date.h"
#include "plataforma/Money.h"

#include <QString>
#include <variant>

namespace util {

// A free-form value: nothing, an integer, a floating-point number, a money
// amount, a text or a date.
using Variante =
    std::variant<std::monostate, qint64, double, plataforma::Money, QString, plataforma::Date>;

// A copy of seVerdadeiro when the condition holds, of seFalso otherwise; the
// two need not be of the same kind.
Variante Iif(bool condicao, const Variante& seVerdadeiro, const Variante& seFalso);

} // namespace util
