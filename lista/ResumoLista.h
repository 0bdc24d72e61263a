#pragma once

#include "plataforma/MemTable.h"

#include <QString>

namespace lista {

// The labels a print of the list makes: the sum of its positive quantities. Reads the rows by
// position, so the cursor stays where it is.
qint64 TotalDeEtiquetas(const plataforma::MemTable& MemTable2);

// What the operator has loaded, in one line: the file's name, the products, the labels, and
// how many values did not read ("produtos.csv: 3 produtos, 6 etiquetas, 1 valor ilegível
// (em destaque)."). Empty while no list is loaded.
QString ResumoDaLista(const plataforma::MemTable& MemTable2, const QString& arquivo, int ilegiveis);

} // namespace lista
