#include "modelos/fluxo/Leitor.h"

#include "modelos/fluxo/Ansi.h"

#include <QtEndian>

namespace fluxo {

class Leitor {
public:
    explicit Leitor(QByteArrayView bytes) : m_bytes(bytes) {}

    Objeto lerTudo();

private:
    // Counts one level of nesting for as long as it lives; the level opens
    // with the byte at that offset.
    class Nivel {
    public:
        Nivel(Leitor& leitor, qsizetype posicao);
        ~Nivel() { --m_leitor.m_profundidade; }
        Nivel(const Nivel&) = delete;
        Nivel& operator=(const Nivel&) = delete;

    private:
        Leitor& m_leitor;
    };

    [[noreturn]] void falhar(const QString& motivo, qsizetype posicao) const;
    quint8 espiar() const;
    quint8 byte();
    QByteArrayView pedaco(qint64 tamanho, qsizetype posicaoDoTamanho);
    template <typename T> T numero();
    quint32 comprimento();
    QString nomeCurto();

    Objeto objeto();
    std::optional<Prefixo> prefixo();
    std::vector<Propriedade> propriedades();
    Valor valor();
    Valor inteiroCurto(const char* oQue);
    Valor lista(Valor valor, qsizetype posicaoDoMarcador);
    Valor conjunto(Valor valor);
    Valor colecao(Valor valor, qsizetype posicaoDoMarcador);
    Valor textoUtf8(Valor valor, qsizetype posicaoDoMarcador);
    Valor textoUtf16(Valor valor);

    QByteArrayView m_bytes;
    qsizetype m_posicao = 0;
    int m_profundidade = 0;
};

Leitor::Nivel::Nivel(Leitor& leitor, qsizetype posicao) : m_leitor(leitor) {
    if (++m_leitor.m_profundidade > ProfundidadeMaxima) {
        m_leitor.falhar(QStringLiteral("objetos e valores aninhados em mais de %1 níveis")
                            .arg(ProfundidadeMaxima),
                        posicao);
    }
}

void Leitor::falhar(const QString& motivo, qsizetype posicao) const {
    throw ErroFluxo(QStringLiteral("Modelo inválido na posição %1: %2").arg(posicao).arg(motivo),
                    posicao);
}

quint8 Leitor::espiar() const {
    if (m_posicao >= m_bytes.size()) {
        falhar(QStringLiteral("o conteúdo termina antes do esperado"), m_posicao);
    }
    return static_cast<quint8>(m_bytes[m_posicao]);
}

quint8 Leitor::byte() {
    const quint8 lido = espiar();
    ++m_posicao;
    return lido;
}

QByteArrayView Leitor::pedaco(qint64 tamanho, qsizetype posicaoDoTamanho) {
    if (tamanho > m_bytes.size() - m_posicao) {
        falhar(QStringLiteral("um comprimento de %1 passa do fim do conteúdo").arg(tamanho),
               posicaoDoTamanho);
    }
    const QByteArrayView lido = m_bytes.sliced(m_posicao, tamanho);
    m_posicao += tamanho;
    return lido;
}

template <typename T> T Leitor::numero() {
    if (static_cast<qsizetype>(sizeof(T)) > m_bytes.size() - m_posicao) {
        falhar(QStringLiteral("o conteúdo termina no meio de um número"), m_posicao);
    }
    const T lido = qFromLittleEndian<T>(m_bytes.data() + m_posicao);
    m_posicao += sizeof(T);
    return lido;
}

quint32 Leitor::comprimento() {
    return numero<quint32>();
}

QString Leitor::nomeCurto() {
    const qsizetype posicao = m_posicao;
    return deAnsi(pedaco(byte(), posicao));
}

Objeto Leitor::lerTudo() {
    const qsizetype comparar = std::min(m_bytes.size(), Assinatura.size());
    if (m_bytes.first(comparar) != Assinatura.first(comparar)) {
        falhar(QStringLiteral("um modelo começa com \"TPF0\""), 0);
    }
    if (m_bytes.size() < Assinatura.size()) {
        falhar(QStringLiteral("o conteúdo termina no meio da assinatura"), m_bytes.size());
    }
    m_posicao = Assinatura.size();
    Objeto raiz = objeto();
    const qsizetype posicaoDoFim = m_posicao;
    if (byte() != 0) {
        falhar(QStringLiteral("o objeto principal não é seguido do byte final 00"), posicaoDoFim);
    }
    if (m_posicao != m_bytes.size()) {
        falhar(QStringLiteral("%1 bytes depois do fim do conteúdo").arg(m_bytes.size() - m_posicao),
               m_posicao);
    }
    return raiz;
}

Objeto Leitor::objeto() {
    const Nivel nivel(*this, m_posicao);
    Objeto lido;
    lido.prefixo = prefixo();
    const qsizetype posicaoDaClasse = m_posicao;
    lido.classe = nomeCurto();
    if (lido.classe.isEmpty()) {
        falhar(QStringLiteral("um objeto tem o nome da classe vazio"), posicaoDaClasse);
    }
    lido.nome = nomeCurto();
    lido.propriedades = propriedades();
    while (espiar() != 0) {
        lido.filhos.push_back(objeto());
    }
    ++m_posicao;
    return lido;
}

std::optional<Prefixo> Leitor::prefixo() {
    if ((espiar() & 0xF0) != 0xF0) {
        return std::nullopt;
    }
    Prefixo lido;
    lido.bandeiras = byte() & 0x0F;
    if (lido.bandeiras & BandeiraPosicao) {
        lido.posicao = inteiroCurto("a posição de um objeto entre seus irmãos");
    }
    return lido;
}

std::vector<Propriedade> Leitor::propriedades() {
    std::vector<Propriedade> lidas;
    while (espiar() != 0) {
        QString nome = nomeCurto();
        lidas.push_back({std::move(nome), valor()});
    }
    ++m_posicao;
    return lidas;
}

Valor Leitor::inteiroCurto(const char* oQue) {
    const qsizetype posicao = m_posicao;
    const auto marcador = static_cast<Marcador>(espiar());
    if (marcador != Marcador::Inteiro8 && marcador != Marcador::Inteiro16 &&
        marcador != Marcador::Inteiro32) {
        falhar(QStringLiteral("%1 deve ser um inteiro de 8, 16 ou 32 bits")
                   .arg(QString::fromUtf8(oQue)),
               posicao);
    }
    return valor();
}

Valor Leitor::valor() {
    const qsizetype posicaoDoMarcador = m_posicao;
    const quint8 marcador = byte();
    Valor lido(static_cast<Marcador>(marcador));
    switch (static_cast<Marcador>(marcador)) {
    case Marcador::Lista:
        return lista(std::move(lido), posicaoDoMarcador);
    case Marcador::Inteiro8:
        lido.m_inteiro = numero<qint8>();
        return lido;
    case Marcador::Inteiro16:
        lido.m_inteiro = numero<qint16>();
        return lido;
    case Marcador::Inteiro32:
        lido.m_inteiro = numero<qint32>();
        return lido;
    case Marcador::Inteiro64:
        lido.m_inteiro = numero<qint64>();
        return lido;
    case Marcador::Estendido:
        lido.m_bytes = pedaco(10, posicaoDoMarcador).toByteArray();
        return lido;
    case Marcador::Simples:
        lido.m_bytes = pedaco(4, posicaoDoMarcador).toByteArray();
        return lido;
    case Marcador::Moeda:
    case Marcador::Data:
        lido.m_bytes = pedaco(8, posicaoDoMarcador).toByteArray();
        return lido;
    case Marcador::TextoCurto:
    case Marcador::Identificador:
        lido.m_texto = nomeCurto();
        return lido;
    case Marcador::TextoLongo: {
        const qsizetype posicao = m_posicao;
        lido.m_texto = deAnsi(pedaco(comprimento(), posicao));
        return lido;
    }
    case Marcador::Bloco: {
        const qsizetype posicao = m_posicao;
        lido.m_bytes = pedaco(comprimento(), posicao).toByteArray();
        return lido;
    }
    case Marcador::Falso:
    case Marcador::Verdadeiro:
    case Marcador::Nulo:
        return lido;
    case Marcador::Conjunto:
        return conjunto(std::move(lido));
    case Marcador::Colecao:
        return colecao(std::move(lido), posicaoDoMarcador);
    case Marcador::TextoUtf16:
        return textoUtf16(std::move(lido));
    case Marcador::TextoUtf8:
        return textoUtf8(std::move(lido), posicaoDoMarcador);
    }
    falhar(QStringLiteral("$%1 não é a marca de um valor")
               .arg(QString::number(marcador, 16).toUpper().rightJustified(2, QLatin1Char('0'))),
           posicaoDoMarcador);
}

Valor Leitor::lista(Valor valor, qsizetype posicaoDoMarcador) {
    const Nivel nivel(*this, posicaoDoMarcador);
    while (espiar() != 0) {
        valor.m_itens.push_back(this->valor());
    }
    ++m_posicao;
    return valor;
}

Valor Leitor::conjunto(Valor valor) {
    for (QString membro = nomeCurto(); !membro.isEmpty(); membro = nomeCurto()) {
        valor.m_membros.append(membro);
    }
    return valor;
}

Valor Leitor::colecao(Valor valor, qsizetype posicaoDoMarcador) {
    const Nivel nivel(*this, posicaoDoMarcador);
    while (espiar() != 0) {
        ItemColecao item;
        const auto marcador = static_cast<Marcador>(espiar());
        if (marcador == Marcador::Inteiro8 || marcador == Marcador::Inteiro16 ||
            marcador == Marcador::Inteiro32) {
            item.ordem = this->valor();
        }
        const qsizetype posicao = m_posicao;
        if (byte() != static_cast<quint8>(Marcador::Lista)) {
            falhar(QStringLiteral("um item de coleção não começa com $01"), posicao);
        }
        item.propriedades = propriedades();
        valor.m_colecao.push_back(std::move(item));
    }
    ++m_posicao;
    return valor;
}

Valor Leitor::textoUtf8(Valor valor, qsizetype posicaoDoMarcador) {
    const qsizetype posicao = m_posicao;
    const QByteArrayView bytes = pedaco(comprimento(), posicao);
    valor.m_texto = QString::fromUtf8(bytes);
    // Malformed UTF-8 would come back as other bytes; refuse it instead.
    if (valor.m_texto.toUtf8() != bytes) {
        falhar(QStringLiteral("um texto UTF-8 não é UTF-8 válido"), posicaoDoMarcador);
    }
    return valor;
}

Valor Leitor::textoUtf16(Valor valor) {
    const qsizetype posicao = m_posicao;
    const qint64 caracteres = comprimento();
    const QByteArrayView bytes = pedaco(caracteres * 2, posicao);
    valor.m_texto.resize(caracteres);
    for (qint64 i = 0; i < caracteres; ++i) {
        valor.m_texto[i] = QChar(qFromLittleEndian<quint16>(bytes.data() + 2 * i));
    }
    return valor;
}

Objeto lerFluxo(QByteArrayView fluxo) {
    return Leitor(fluxo).lerTudo();
}

} // namespace fluxo
