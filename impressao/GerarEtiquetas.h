#pragma once

#include "plataforma/Date.h"
#include "plataforma/MemTable.h"

namespace impressao {

// More labels than this in one batch is taken for a mistyped quantity: building them would
// exhaust the memory long before anyone printed them.
inline constexpr qint64 LimiteDeEtiquetas = 1'000'000;

// Rebuilds the label table from the product table: for each product, in list order, as many
// identical label rows as its quantity (none for 0 or less), each with the lowest price in force
// on hoje. The label table is closed and opened first, so no row of an earlier batch remains.
//
// The product grid is not repainted meanwhile, and on every way out its cursor goes back to the
// first product. A quantity still being typed into the grid is posted first and counts.
//
// Throws plataforma::Exception, with the label table open and empty, when the quantities add up
// to more than LimiteDeEtiquetas; an error while the rows are built leaves those built so far.
void GerarEtiquetas(plataforma::MemTable& MemTable2, plataforma::MemTable& MemTable3,
                    plataforma::Date hoje);

} // namespace impressao
