#include "modelos/fluxo/Objeto.h"

#include <algorithm>

namespace fluxo {

const Valor* Objeto::valor(QStringView propriedade) const {
    const auto achada = std::find_if(propriedades.cbegin(), propriedades.cend(),
                                     [&](const Propriedade& p) { return p.nome == propriedade; });
    return achada == propriedades.cend() ? nullptr : &achada->valor;
}

const Objeto* Objeto::filho(QStringView nomeFilho) const {
    const auto achado = std::find_if(filhos.cbegin(), filhos.cend(),
                                     [&](const Objeto& o) { return o.nome == nomeFilho; });
    return achado == filhos.cend() ? nullptr : &*achado;
}

} // namespace fluxo
