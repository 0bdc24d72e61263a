#include "LinhaProduto.h"

#include <algorithm>

namespace lista {

void LinhaProduto::Definir(QStringView linha) {
    // resize keeps the capacity, so a list of similar lines allocates once.
    m_texto.resize(linha.size());
    m_original.resize(linha.size());
    std::copy_n(linha.utf16(), linha.size(), reinterpret_cast<char16_t*>(m_original.data()));
    const char16_t* origem = linha.utf16();
    char16_t* destino = reinterpret_cast<char16_t*>(m_texto.data());
    for (qsizetype i = 0; i < linha.size(); ++i)
        destino[i] = origem[i] == u'.' ? u',' : origem[i];
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

QStringView LinhaProduto::ComoNoArquivo(QStringView campo) const {
    return QStringView(m_original).sliced(campo.data() - m_texto.constData(), campo.size());
}

} // namespace lista
