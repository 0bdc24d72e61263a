#include "LeitorLinhas.h"

#include "plataforma/Exception.h"
#include "plataforma/Windows1252Decoder.h"

#include <algorithm>
#include <numeric>

namespace lista {

namespace {

constexpr qsizetype TamanhoBloco = 1 << 20;
constexpr char16_t CtrlZ = 26;

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

LeitorLinhas::LeitorLinhas(QIODevice& origem) : m_origem(origem), m_tabela(tabelaAnsi()) {
    // A small file needs no large buffer; one byte more than it holds lets
    // the first read take it whole.
    const qint64 restante = origem.isSequential() ? TamanhoBloco : origem.size() - origem.pos();
    m_bloco.resize(std::clamp<qint64>(restante + 1, 1, TamanhoBloco));
}

std::optional<QStringView> LeitorLinhas::LerLinha() {
    for (;;) {
        const qsizetype fimLinha = m_texto.indexOf(u'\n', m_inicio);
        if (fimLinha >= 0) {
            const QStringView linha = QStringView(m_texto).sliced(m_inicio, fimLinha - m_inicio);
            m_inicio = fimLinha + 1;
            return semCR(linha);
        }
        if (!lerBloco()) {
            if (m_inicio >= m_texto.size())
                return std::nullopt;
            const QStringView linha = QStringView(m_texto).sliced(m_inicio);
            m_inicio = m_texto.size();
            return semCR(linha);
        }
    }
}

bool LeitorLinhas::lerBloco() {
    if (m_fim)
        return false;
    const qsizetype lidos = m_origem.read(m_bloco.data(), m_bloco.size());
    if (lidos < 0)
        throw plataforma::Exception(m_origem.errorString());
    if (lidos == 0) {
        m_fim = true;
        return false;
    }
    // Only the unfinished line is kept from the previous block.
    m_texto.remove(0, m_inicio);
    m_inicio = 0;
    const qsizetype inicioNovo = m_texto.size();
    m_texto.resize(inicioNovo + lidos);
    const char* origem = m_bloco.constData();
    char16_t* destino = reinterpret_cast<char16_t*>(m_texto.data()) + inicioNovo;
    for (qsizetype i = 0; i < lidos; ++i)
        destino[i] = m_tabela[static_cast<unsigned char>(origem[i])];
    const qsizetype ctrlZ = m_texto.indexOf(QChar(CtrlZ), inicioNovo);
    if (ctrlZ >= 0) {
        m_texto.truncate(ctrlZ);
        m_fim = true;
    }
    return true;
}

QStringView LeitorLinhas::semCR(QStringView linha) {
    // Nearly every line of a Windows file ends in CR LF: that CR is dropped
    // without a copy.
    if (linha.endsWith(u'\r'))
        linha.chop(1);
    if (!linha.contains(u'\r'))
        return linha;
    m_linhaSemCR.resize(linha.size());
    const auto fim =
        std::remove_copy(linha.begin(), linha.end(), m_linhaSemCR.begin(), QChar(u'\r'));
    m_linhaSemCR.truncate(fim - m_linhaSemCR.begin());
    return m_linhaSemCR;
}

} // namespace lista
