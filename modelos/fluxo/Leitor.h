#pragma once

#include "modelos/fluxo/ErroFluxo.h"
#include "modelos/fluxo/Objeto.h"

#include <QByteArrayView>

namespace fluxo {

// Reads a whole template stream: signature, one root object, the final 00 and
// nothing after it. Throws ErroFluxo, naming the offset, on anything else.
Objeto lerFluxo(QByteArrayView fluxo);

} // namespace fluxo
