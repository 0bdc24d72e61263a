#pragma once

#include "modelos/fluxo/Valor.h"

#include <QString>
#include <optional>
#include <vector>

namespace fluxo {

// The optional byte in front of an object entry: its low four bits as flags
// and, with BandeiraPosicao among them, the integer that follows it.
struct Prefixo {
    quint8 bandeiras = 0;
    std::optional<Valor> posicao;

    bool operator==(const Prefixo&) const = default;
};

// One object of a template: the report, a band or a control.
struct Objeto {
    QString classe;
    QString nome;
    std::optional<Prefixo> prefixo;
    std::vector<Propriedade> propriedades;
    std::vector<Objeto> filhos;

    // The value of a property, or null when the object does not list it.
    const Valor* valor(QStringView propriedade) const;
    // The child of that object name, or null.
    const Objeto* filho(QStringView nomeFilho) const;

    bool operator==(const Objeto&) const = default;
};

} // namespace fluxo
