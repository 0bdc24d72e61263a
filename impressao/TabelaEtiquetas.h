#pragma once

#include "lista/TabelaProdutos.h"
#include "plataforma/MemTable.h"

namespace impressao {

// The label row carries the product fields under the product table's names, plus the lowest
// price.
inline constexpr char CPRECOPRAT[] = "CPRECOPRAT";

// Gives a closed table the ten fields of the label row, with their display labels and formats.
void DefinirCamposEtiquetas(plataforma::MemTable& MemTable3);

} // namespace impressao
