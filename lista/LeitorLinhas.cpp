#include "LeitorLinhas.h"

#include "plataforma/Exception.h"
#include "plataforma/Windows1252Decoder.h"

#include <algorithm>
#include <cstring>
#include <numeric>

namespace lista {

namespace {

constexpr qsizetype TamanhoBloco = 1 << 20;
constexpr char CtrlZ = 26;

using TabelaAnsi = std::array<char16_t, 256>;

// Every byte of the code page is one UTF-16 unit, so a table taken once from
// the platform's decoder decodes a block without any per-call setup.
TabelaAnsi criarTabelaAnsi() {
    QByteArray bytes(256, '\0');
    std::iota(bytes.begin(), bytes.end(), '\0');
    const QString texto = plataforma::Windows1252Decoder().decode(bytes);
    if (texto.size() != 256)
        throw plataforma::Exception(QStringLiteral("The ANSI decoder is not one unit per byte"));
    TabelaAnsi tabela;
    std::copy(texto.utf16(), texto.utf16() + 256, tabela.begin());
    return tabela;
}

const TabelaAnsi& tabelaAnsi() {
    static const TabelaAnsi tabela = criarTabelaAnsi();
    return tabela;
}

} // namespace

LeitorLinhas::LeitorLinhas(QIODevice& origem, std::vector<qsizetype> limites)
    : m_origem(origem), m_tabela(tabelaAnsi()), m_limites(std::move(limites)) {
    m_linha.resize(std::accumulate(m_limites.begin(), m_limites.end(), qsizetype(0)) +
                   static_cast<qsizetype>(m_limites.size()));
    m_dados = reinterpret_cast<char16_t*>(m_linha.data());
    // A small file needs no large buffer; one byte more than it holds lets
    // the first read take it whole.
    const qint64 restante = origem.isSequential() ? TamanhoBloco : origem.size() - origem.pos();
    m_bloco.resize(std::clamp<qint64>(restante + 1, 1, TamanhoBloco));
}

std::optional<QStringView> LeitorLinhas::LerLinha() {
    m_tamanho = 0;
    m_campo = 0;
    m_noCampo = 0;
    if (!lerAteFimDaLinha(true))
        return std::nullopt;
    return QStringView(m_linha).first(m_tamanho);
}

bool LeitorLinhas::PularLinha() {
    return lerAteFimDaLinha(false);
}

bool LeitorLinhas::lerAteFimDaLinha(bool guardarLinha) {
    bool lida = false;
    for (;;) {
        if (m_posicao == m_lidos && !lerBloco())
            return lida;
        lida = true;
        const char* bytes = m_bloco.constData();
        if (!guardarLinha) {
            const void* fim = std::memchr(bytes + m_posicao, '\n', m_lidos - m_posicao);
            m_posicao = fim ? static_cast<const char*>(fim) - bytes : m_lidos;
        }
        for (; m_posicao < m_lidos; ++m_posicao) {
            const char16_t c = m_tabela[static_cast<unsigned char>(bytes[m_posicao])];
            if (c == u'\n') {
                ++m_posicao;
                return true;
            }
            guardar(c);
        }
    }
}

void LeitorLinhas::guardar(char16_t c) {
    if (c == u'\r')
        return;
    if (c == u';' || c < 32) {
        // Past the last field kept, a separator separates nothing kept.
        if (++m_campo < m_limites.size())
            m_dados[m_tamanho++] = c;
        m_noCampo = 0;
    } else if (m_campo < m_limites.size() && m_noCampo++ < m_limites[m_campo]) {
        m_dados[m_tamanho++] = c;
    }
}

bool LeitorLinhas::lerBloco() {
    if (m_fim)
        return false;
    const qsizetype lidos = m_origem.read(m_bloco.data(), m_bloco.size());
    if (lidos < 0)
        throw plataforma::Exception(m_origem.errorString());
    m_posicao = 0;
    m_lidos = lidos;
    const void* ctrlZ = std::memchr(m_bloco.constData(), CtrlZ, lidos);
    if (ctrlZ) {
        m_lidos = static_cast<const char*>(ctrlZ) - m_bloco.constData();
        m_fim = true;
    }
    if (lidos == 0)
        m_fim = true;
    return m_lidos > 0;
}

} // namespace lista
