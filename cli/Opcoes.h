#pragma once

#include "cli/Ajuda.h"

#include <QHash>
#include <QSet>
#include <QStringList>
#include <optional>

// The arguments of a subcommand: plain arguments in their order, options that take a value
// ("--pdf SAIDA.pdf") and switches ("--autoajuste").
struct Opcoes {
    QStringList posicionais;
    QHash<QString, QString> valores;
    QSet<QString> chaves;
};

// Splits arguments by the options a subcommand knows. On an unknown option, a missing value or
// an option given twice it says why on stderr and gives nothing.
std::optional<Opcoes> lerOpcoes(const QStringList& argumentos, std::span<const Opcao> conhecidas);
