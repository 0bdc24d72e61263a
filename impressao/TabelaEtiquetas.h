#pragma once

#include "lista/TabelaProdutos.h"
#include "plataforma/MemTable.h"
#include "plataforma/relatorio/LabelRules.h"

namespace impressao {

// The label row carries the product fields under the product table's names, plus the lowest
// price.
inline constexpr char CPRECOPRAT[] = "CPRECOPRAT";

// Gives a closed table the ten fields of the label row, with their display labels and formats.
void DefinirCamposEtiquetas(plataforma::MemTable& MemTable3);

// What the report checks on each label row: its product (code and description), and its
// prices, none of which should be zero or the amount MenorPreco gives for no price at all.
plataforma::relatorio::LabelRules RegrasDasEtiquetas();

} // namespace impressao
