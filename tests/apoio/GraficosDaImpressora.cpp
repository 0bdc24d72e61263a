#include "GraficosDaImpressora.h"

#include <QByteArrayView>
#include <algorithm>
#include <cctype>

namespace {

QImage imagemEmBranco(int largura, int altura) {
    QImage imagem(largura, altura, QImage::Format_Mono);
    imagem.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    imagem.fill(0);
    return imagem;
}

// Unpacks one ~DG graphic's data, hex digits of a row at a time, into rows bytes wide.
class LeitorZpl {
public:
    LeitorZpl(int bytesPorLinha, int linhas)
        : m_imagem(imagemEmBranco(bytesPorLinha * 8, linhas)), m_digitos(bytesPorLinha * 2) {}

    bool ler(QByteArrayView dados);
    QImage imagem() const { return m_imagem; }

private:
    bool digito(char c, int vezes);
    bool fecharLinha(char enchimento);
    bool copiarLinhaAnterior();

    QImage m_imagem;
    int m_digitos;
    QByteArray m_linha;
    int m_y = 0;
};

bool LeitorZpl::ler(QByteArrayView dados) {
    int vezes = 0;
    for (const char c : dados) {
        if (c >= 'G' && c <= 'Y') {
            vezes += c - 'F';
        } else if (c >= 'g' && c <= 'z') {
            vezes += (c - 'f') * 20;
        } else if (std::isxdigit(static_cast<unsigned char>(c))) {
            if (!digito(c, std::max(vezes, 1)))
                return false;
            vezes = 0;
        } else if (c == ',' || c == '!') {
            if (!fecharLinha(c == ',' ? '0' : 'F'))
                return false;
        } else if (c == ':') {
            if (!copiarLinhaAnterior())
                return false;
        } else if (!std::isspace(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return m_y == m_imagem.height() && m_linha.isEmpty();
}

bool LeitorZpl::digito(char c, int vezes) {
    if (m_linha.size() + vezes > m_digitos)
        return false;
    m_linha.append(vezes, c);
    return m_linha.size() < m_digitos || fecharLinha('0');
}

bool LeitorZpl::fecharLinha(char enchimento) {
    if (m_y >= m_imagem.height())
        return false;
    m_linha.append(m_digitos - m_linha.size(), enchimento);
    const QByteArray bytes = QByteArray::fromHex(m_linha);
    std::copy(bytes.begin(), bytes.end(), m_imagem.scanLine(m_y));
    m_linha.clear();
    ++m_y;
    return true;
}

bool LeitorZpl::copiarLinhaAnterior() {
    if (m_y == 0 || !m_linha.isEmpty() || m_y >= m_imagem.height())
        return false;
    std::copy_n(m_imagem.constScanLine(m_y - 1), m_imagem.bytesPerLine(), m_imagem.scanLine(m_y));
    ++m_y;
    return true;
}

// The numbers after a command, separated by commas.
QList<int> numeros(QByteArrayView texto) {
    QList<int> lidos;
    for (const QByteArray& parte : texto.toByteArray().split(','))
        lidos.append(parte.trimmed().toInt());
    return lidos;
}

struct GraficoEpl2 {
    int x, y, bytes, linhas;
    QByteArray dados;
};

// One EPL2 page: its label width (q) and its graphics, drawn once the page is complete.
struct PaginaEpl2 {
    int largura = 0;
    QList<GraficoEpl2> graficos;

    QImage imagem() const {
        int altura = 0;
        int direita = largura;
        for (const GraficoEpl2& g : graficos) {
            altura = std::max(altura, g.y + g.linhas);
            direita = std::max(direita, g.x + g.bytes * 8);
        }
        QImage pagina = imagemEmBranco(direita, altura);
        for (const GraficoEpl2& g : graficos) {
            for (int i = 0; i < g.bytes * 8 * g.linhas; ++i) {
                const int linha = i / (g.bytes * 8);
                const int coluna = i % (g.bytes * 8);
                const auto byte = static_cast<unsigned char>(g.dados[linha * g.bytes + coluna / 8]);
                if (!(byte & (0x80 >> (coluna % 8))))
                    pagina.setPixel(g.x + coluna, g.y + linha, 1);
            }
        }
        return pagina;
    }
};

} // namespace

QList<QImage> paginasZpl(const QByteArray& trabalho) {
    QList<QImage> paginas;
    for (qsizetype inicio = trabalho.indexOf("~DG"); inicio >= 0;
         inicio = trabalho.indexOf("~DG", inicio + 1)) {
        // ~DGname,total bytes,bytes per row,data
        const qsizetype nome = trabalho.indexOf(',', inicio);
        const qsizetype total = trabalho.indexOf(',', nome + 1);
        const qsizetype porLinha = trabalho.indexOf(',', total + 1);
        if (nome < 0 || total < 0 || porLinha < 0)
            return {};
        const int bytes = trabalho.mid(nome + 1, total - nome - 1).toInt();
        const int largura = trabalho.mid(total + 1, porLinha - total - 1).toInt();
        if (largura <= 0 || bytes % largura != 0)
            return {};
        qsizetype fim = porLinha + 1;
        while (fim < trabalho.size() && trabalho[fim] != '^' && trabalho[fim] != '~')
            ++fim;
        LeitorZpl leitor(largura, bytes / largura);
        if (!leitor.ler(QByteArrayView(trabalho).sliced(porLinha + 1, fim - porLinha - 1)))
            return {};
        paginas.append(leitor.imagem());
    }
    return paginas;
}

QList<QImage> paginasEpl2(const QByteArray& trabalho) {
    QList<PaginaEpl2> paginas;
    qsizetype pos = 0;
    while (pos < trabalho.size()) {
        qsizetype fimDaLinha = trabalho.indexOf('\n', pos);
        if (fimDaLinha < 0)
            fimDaLinha = trabalho.size();
        const QByteArrayView linha = QByteArrayView(trabalho).sliced(pos, fimDaLinha - pos);
        pos = fimDaLinha + 1;
        if (linha == "N") {
            paginas.append(PaginaEpl2{});
        } else if (linha.startsWith("q") && !paginas.isEmpty()) {
            paginas.back().largura = linha.sliced(1).toInt();
        } else if (linha.startsWith("GW") && !paginas.isEmpty()) {
            const QList<int> p = numeros(linha.sliced(2));
            const qsizetype tamanho = p.size() == 4 ? qsizetype(p[2]) * p[3] : -1;
            if (tamanho < 0 || pos + tamanho > trabalho.size())
                return {};
            paginas.back().graficos.append({p[0], p[1], p[2], p[3], trabalho.mid(pos, tamanho)});
            pos += tamanho;
        }
    }
    QList<QImage> imagens;
    for (const PaginaEpl2& pagina : std::as_const(paginas))
        imagens.append(pagina.imagem());
    return imagens;
}
