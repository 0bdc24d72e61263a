#pragma once

#include "cli/Opcoes.h"
#include "plataforma/Date.h"
#include "plataforma/MemTable.h"

#include <QDate>
#include <optional>

// The day the batch is built for: the value of --hoje (DD/MM/AAAA), or today by the local
// calendar. Nothing, after saying why on stderr, for a value that is not a date.
std::optional<plataforma::Date> lerHoje(const Opcoes& opcoes);

// Loads a product list file into the product table as the main window does. False, after
// saying why on stderr (with the system's reason when the file does not open), when it cannot.
bool carregarLista(plataforma::MemTable& MemTable2, const QString& arquivo, QDate hoje);

// Loads a product list file as the main window does and builds its label batch into the label
// table. False, after saying why on stderr, when the list cannot be read or the batch cannot be
// built.
bool montarLote(const QString& arquivo, plataforma::Date hoje, plataforma::MemTable& MemTable3);
