#pragma once

#include "CamposIlegiveis.h"
#include "plataforma/MemTable.h"

#include <QDate>
#include <QIODevice>
#include <QString>

namespace lista {

// Loads a product list file into the product table: one header line, then one
// product per line with ten ";"-separated fields, up to the first empty line.
// Values that do not read take their field's default (0, empty text, quantity
// 1, the date zero); nothing in a line stops the load.
//
// A file that cannot be opened throws plataforma::IoError 104, with the
// system's reason, and leaves the
// table exactly as it was, loaded list and append lock included. Once the file
// is open the table is emptied and refilled; a read error keeps the rows read
// so far. Either way the append lock is set when the load ends, and the last
// row read is current. hoje places dates without a year or with a two-digit
// year. When ilegiveis is given, it ends up holding the values of this load that
// did not read (those of the list kept when the file does not open).
void CarregarLista(plataforma::MemTable& MemTable2, const QString& arquivo,
                   QDate hoje = QDate::currentDate(), CamposIlegiveis* ilegiveis = nullptr);
void CarregarLista(plataforma::MemTable& MemTable2, QIODevice& origem, QDate hoje,
                   CamposIlegiveis* ilegiveis = nullptr);

} // namespace lista
