#include "LinhaProduto.h"

#include <algorithm>

namespace lista {

void LinhaProduto::Definir(QStringView linha) {
    // resize keeps the capacity, so a list of similar lines allocates once.
    m_texto.resize(linha.size());
    std::replace_copy(linha.begin(), linha.end(), m_texto.begin(), QChar(u'.'), QChar(u','));
    m_posicao = 0;
}

QStringView LinhaProduto::LerCampo() {
    const QStringView texto = m_texto;
    const qsizetype tamanho = texto.size();
    m_posicao = std::min(m_posicao + 1, tamanho + 1);
    const qsizetype inicio = m_posicao;
    while (m_posicao <= tamanho) {
        const char16_t c = texto[m_posicao - 1].unicode();
        if (c == u';' || c < 32)
            break;
        ++m_posicao;
    }
    return texto.sliced(inicio - 1, m_posicao - inicio);
}

} // namespace lista
