#pragma once

#include "plataforma/Money.h"

namespace impressao {

// The smallest price at which a product is offered: a price of exactly zero is not offered and
// counts as 9.999.999,99, so that with no price at all the label shows that amount. Negative
// prices are offered like any other.
plataforma::Money MenorPreco(plataforma::Money comDesconto, plataforma::Money promocional,
                             plataforma::Money normal);

} // namespace impressao
