#pragma once

#include "plataforma/MemTable.h"

namespace lista {

// Sets the label quantity of every product of the open table to quantidade,
// with the attached grid suspended. Whatever happens, the first row ends up
// current and the grid shows the table again; rows changed before an error
// keep their new quantity, and the error goes on.
void AlterarQuantidades(plataforma::MemTable& MemTable2, qint32 quantidade);

} // namespace lista
