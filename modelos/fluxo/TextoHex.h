#pragma once

#include "modelos/fluxo/ErroFluxo.h"

#include <QByteArray>
#include <QString>

namespace fluxo {

// A template text holds each byte of a stream as two upper-case hexadecimal
// digits, high nibble first, with nothing between, before or after them.
QString fluxoParaTexto(QByteArrayView fluxo);

// The inverse. Throws ErroFluxo, with the character offset, for a text of odd
// length or one holding anything but "0" to "9" and "A" to "F".
QByteArray textoParaFluxo(QStringView texto);

} // namespace fluxo
