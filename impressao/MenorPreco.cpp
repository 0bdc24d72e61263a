#include "impressao/MenorPreco.h"

#include <algorithm>
#include <limits>

namespace impressao {

using plataforma::Money;

namespace {

// Compared as a double, as the other prices are, and not as an exact amount: the result is
// rounded back to ten-thousandths, which gives 9.999.999,99 exactly.
constexpr double NaoOfertado = 9999999.99;

double lugar(Money preco) {
    return preco.units() == 0 ? NaoOfertado : preco.toDouble();
}

} // namespace

Money MenorPreco(Money comDesconto, Money promocional, Money normal) {
    const double menor = std::min({lugar(comDesconto), lugar(promocional), lugar(normal)});
    // Only the very largest counts come back as 2^63, one past the largest there is.
    return Money::fromDouble(menor).value_or(Money::fromUnits(std::numeric_limits<qint64>::max()));
}

} // namespace impressao
