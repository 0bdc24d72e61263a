#pragma once

#include "modelos/fluxo/ErroFluxo.h"
#include "modelos/fluxo/Objeto.h"

#include <QByteArray>

namespace fluxo {

// Writes a template stream: the signature, the root object and the final 00.
// Each value is written with its own marker. Throws ErroFluxo for a tree that
// the format cannot carry (an empty or over-long name, a character a short
// name cannot hold, nesting beyond the reader's limit); the offset is where
// the offending bytes would have gone.
QByteArray escreverFluxo(const Objeto& raiz);

} // namespace fluxo
