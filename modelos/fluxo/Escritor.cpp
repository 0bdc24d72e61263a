#include "modelos/fluxo/Escritor.h"

#include "modelos/fluxo/Ansi.h"

#include <QtEndian>
#include <limits>

namespace fluxo {

namespace {

class Escritor {
public:
    QByteArray escrever(const Objeto& raiz);

private:
    [[noreturn]] void falhar(const QString& motivo) const;
    void byte(quint8 b) { m_saida.append(static_cast<char>(b)); }
    void marcador(Marcador m) { byte(static_cast<quint8>(m)); }
    template <typename T> void numero(T n);
    void comprimento(qsizetype n);
    QByteArray bytesDeNome(const QString& nome, const QString& oQue) const;
    void nomeCurto(const QString& nome, const QString& oQue);
    void verificarProfundidade(int profundidade) const;
    void ansi(const QString& texto, bool longo);

    void objeto(const Objeto& objeto, int profundidade);
    void prefixo(const Prefixo& prefixo);
    void propriedades(const std::vector<Propriedade>& propriedades, int profundidade);
    void valor(const Valor& valor, int profundidade);
    void inteiroCurto(const Valor& valor, const QString& oQue);
    void colecao(const Valor& valor, int profundidade);

    QByteArray m_saida;
};

void Escritor::falhar(const QString& motivo) const {
    throw ErroFluxo(QStringLiteral("Cannot write the template stream at offset %1: %2")
                        .arg(m_saida.size())
                        .arg(motivo),
                    m_saida.size());
}

template <typename T> void Escritor::numero(T n) {
    char bytes[sizeof(T)];
    qToLittleEndian(n, bytes);
    m_saida.append(bytes, sizeof(T));
}

void Escritor::comprimento(qsizetype n) {
    if (n > std::numeric_limits<quint32>::max()) {
        falhar(QStringLiteral("a value of %1 bytes is longer than a length field holds").arg(n));
    }
    numero(static_cast<quint32>(n));
}

QByteArray Escritor::bytesDeNome(const QString& nome, const QString& oQue) const {
    const std::optional<QByteArray> bytes = paraAnsi(nome);
    if (!bytes) {
        falhar(QStringLiteral("%1 \"%2\" has a character that a short name cannot hold")
                   .arg(oQue, nome));
    }
    if (bytes->size() > 255) {
        falhar(QStringLiteral("%1 \"%2\" is longer than 255 bytes").arg(oQue, nome));
    }
    return *bytes;
}

void Escritor::nomeCurto(const QString& nome, const QString& oQue) {
    const QByteArray bytes = bytesDeNome(nome, oQue);
    byte(static_cast<quint8>(bytes.size()));
    m_saida.append(bytes);
}

void Escritor::verificarProfundidade(int profundidade) const {
    if (profundidade > ProfundidadeMaxima) {
        falhar(QStringLiteral("objects and values nest deeper than %1 levels")
                   .arg(ProfundidadeMaxima));
    }
}

void Escritor::ansi(const QString& texto, bool longo) {
    // A value keeps its 8-bit marker only when every character has a byte,
    // which Valor guarantees.
    const QByteArray bytes = paraAnsi(texto).value();
    if (longo) {
        comprimento(bytes.size());
    } else {
        byte(static_cast<quint8>(bytes.size()));
    }
    m_saida.append(bytes);
}

QByteArray Escritor::escrever(const Objeto& raiz) {
    m_saida.append(Assinatura.data(), Assinatura.size());
    objeto(raiz, 1);
    byte(0);
    return m_saida;
}

void Escritor::objeto(const Objeto& objeto, int profundidade) {
    verificarProfundidade(profundidade);
    if (objeto.prefixo) {
        prefixo(*objeto.prefixo);
    }
    const QByteArray classe = bytesDeNome(objeto.classe, QStringLiteral("the class name"));
    if (classe.isEmpty()) {
        falhar(QStringLiteral("an object has an empty class name"));
    }
    // Without a prefix, a length byte of F0 or more would be read as one.
    if (!objeto.prefixo && classe.size() >= 0xF0) {
        falhar(QStringLiteral("the class name \"%1\" is longer than 239 bytes").arg(objeto.classe));
    }
    byte(static_cast<quint8>(classe.size()));
    m_saida.append(classe);
    nomeCurto(objeto.nome, QStringLiteral("the object name"));
    propriedades(objeto.propriedades, profundidade);
    for (const Objeto& filho : objeto.filhos) {
        this->objeto(filho, profundidade + 1);
    }
    byte(0);
}

void Escritor::prefixo(const Prefixo& prefixo) {
    if (prefixo.bandeiras > 0x0F) {
        falhar(QStringLiteral("prefix flags %1 do not fit in four bits").arg(prefixo.bandeiras));
    }
    const bool comPosicao = prefixo.bandeiras & BandeiraPosicao;
    if (comPosicao != prefixo.posicao.has_value()) {
        falhar(QStringLiteral("a prefix carries a position exactly when its flags say so"));
    }
    byte(0xF0 | prefixo.bandeiras);
    if (prefixo.posicao) {
        inteiroCurto(*prefixo.posicao, QStringLiteral("an object's position among its siblings"));
    }
}

void Escritor::propriedades(const std::vector<Propriedade>& propriedades, int profundidade) {
    for (const Propriedade& propriedade : propriedades) {
        if (propriedade.nome.isEmpty()) {
            falhar(QStringLiteral("a property has an empty name"));
        }
        nomeCurto(propriedade.nome, QStringLiteral("the property name"));
        valor(propriedade.valor, profundidade);
    }
    byte(0);
}

void Escritor::inteiroCurto(const Valor& valor, const QString& oQue) {
    const Marcador m = valor.marcador();
    if (m != Marcador::Inteiro8 && m != Marcador::Inteiro16 && m != Marcador::Inteiro32) {
        falhar(QStringLiteral("%1 must be an 8-, 16- or 32-bit integer").arg(oQue));
    }
    this->valor(valor, 0);
}

void Escritor::valor(const Valor& valor, int profundidade) {
    if (valor.tipo() == Tipo::Lista || valor.tipo() == Tipo::Colecao) {
        verificarProfundidade(profundidade + 1);
    }
    marcador(valor.marcador());
    switch (valor.marcador()) {
    case Marcador::Lista:
        for (const Valor& item : valor.itens()) {
            this->valor(item, profundidade + 1);
        }
        byte(0);
        break;
    case Marcador::Inteiro8:
        numero(static_cast<qint8>(valor.comoInteiro()));
        break;
    case Marcador::Inteiro16:
        numero(static_cast<qint16>(valor.comoInteiro()));
        break;
    case Marcador::Inteiro32:
        numero(static_cast<qint32>(valor.comoInteiro()));
        break;
    case Marcador::Inteiro64:
        numero(valor.comoInteiro());
        break;
    case Marcador::Estendido:
    case Marcador::Simples:
    case Marcador::Moeda:
    case Marcador::Data:
        m_saida.append(valor.bytes());
        break;
    case Marcador::TextoCurto:
        ansi(valor.comoTexto(), false);
        break;
    case Marcador::TextoLongo:
        ansi(valor.comoTexto(), true);
        break;
    case Marcador::Identificador:
        nomeCurto(valor.comoTexto(), QStringLiteral("the identifier"));
        break;
    case Marcador::Falso:
    case Marcador::Verdadeiro:
    case Marcador::Nulo:
        break;
    case Marcador::Bloco:
        comprimento(valor.bytes().size());
        m_saida.append(valor.bytes());
        break;
    case Marcador::Conjunto:
        for (const QString& membro : valor.membros()) {
            if (membro.isEmpty()) {
                falhar(QStringLiteral("a set has an empty member"));
            }
            nomeCurto(membro, QStringLiteral("the set member"));
        }
        byte(0);
        break;
    case Marcador::Colecao:
        colecao(valor, profundidade);
        break;
    case Marcador::TextoUtf16:
        comprimento(valor.comoTexto().size());
        for (QChar c : valor.comoTexto()) {
            numero(c.unicode());
        }
        break;
    case Marcador::TextoUtf8: {
        const QByteArray utf8 = valor.comoTexto().toUtf8();
        comprimento(utf8.size());
        m_saida.append(utf8);
        break;
    }
    }
}

void Escritor::colecao(const Valor& valor, int profundidade) {
    for (const ItemColecao& item : valor.itensColecao()) {
        if (item.ordem) {
            inteiroCurto(*item.ordem, QStringLiteral("the number in front of a collection item"));
        }
        marcador(Marcador::Lista);
        propriedades(item.propriedades, profundidade + 1);
    }
    byte(0);
}

} // namespace

QByteArray escreverFluxo(const Objeto& raiz) {
    return Escritor().escrever(raiz);
}

} // namespace fluxo
