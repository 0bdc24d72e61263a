#pragma once

#include <QString>

namespace util {

// Whether the text is a whole number in the signed 64-bit range. -1 itself
// counts as not numeric: it is the answer for text that is not a number.
bool EhNumerico(const QString& texto);

// The decimal digits "0" to "9" of the text, in order; everything else dropped.
QString SomenteNumeros(const QString& texto);

} // namespace util
