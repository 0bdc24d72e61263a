#include "CamposIlegiveis.h"

namespace lista {

void CamposIlegiveis::Anotar(int linha, int campo, int linhaDoArquivo, QStringView texto) {
    m_campos.insert({linha, campo}, CampoIlegivel{linhaDoArquivo, texto.toString()});
}

const CampoIlegivel* CamposIlegiveis::Procurar(int linha, int campo) const {
    const auto achado = m_campos.constFind({linha, campo});
    return achado == m_campos.cend() ? nullptr : &*achado;
}

} // namespace lista
