#pragma once

#include "modelos/fluxo/Objeto.h"

#include <QString>

namespace fluxo {

// The tree as indented text for a person to read: an object per line with its
// class and name, then one property a line with its value and the kind of
// entry that carries it ("inteiro de 16 bits", "texto UTF-8"); list and
// collection items go one a line beneath their property. Ends with a newline.
QString descrever(const Objeto& raiz);

} // namespace fluxo
