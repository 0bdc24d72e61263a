#pragma once

#include "plataforma/MemTable.h"

#include <QString>
#include <optional>

namespace lista {

// What a search text looks for: a bar code equal to its digits when it is a
// number, otherwise a description that begins with it in any case.
struct ChaveBusca {
    const char* campo;
    QString valor;
    plataforma::MemTable::LocateOptions opcoes;
};

// Empty when the text, trimmed, has nothing to look for.
std::optional<ChaveBusca> ChaveDeBusca(const QString& texto);

enum class ResultadoBusca { NadaABuscar, Encontrado, NaoEncontrado };

// Moves the open product table to its first row and then to the first product
// that the text finds, if any.
ResultadoBusca BuscarProduto(plataforma::MemTable& MemTable2, const QString& texto);

} // namespace lista
