#include "modelos/fluxo/Descricao.h"

#include <QLocale>

namespace fluxo {

namespace {

QString nomeDoMarcador(Marcador marcador) {
    switch (marcador) {
    case Marcador::Lista:
        return QStringLiteral("lista");
    case Marcador::Inteiro8:
        return QStringLiteral("inteiro de 8 bits");
    case Marcador::Inteiro16:
        return QStringLiteral("inteiro de 16 bits");
    case Marcador::Inteiro32:
        return QStringLiteral("inteiro de 32 bits");
    case Marcador::Inteiro64:
        return QStringLiteral("inteiro de 64 bits");
    case Marcador::Estendido:
        return QStringLiteral("real estendido");
    case Marcador::Simples:
        return QStringLiteral("real simples");
    case Marcador::Moeda:
        return QStringLiteral("moeda");
    case Marcador::Data:
        return QStringLiteral("data");
    case Marcador::TextoCurto:
        return QStringLiteral("texto curto");
    case Marcador::TextoLongo:
        return QStringLiteral("texto longo");
    case Marcador::TextoUtf16:
        return QStringLiteral("texto UTF-16");
    case Marcador::TextoUtf8:
        return QStringLiteral("texto UTF-8");
    case Marcador::Identificador:
        return QStringLiteral("identificador");
    case Marcador::Falso:
    case Marcador::Verdadeiro:
        return QStringLiteral("booleano");
    case Marcador::Bloco:
        return QStringLiteral("bloco de bytes");
    case Marcador::Conjunto:
        return QStringLiteral("conjunto");
    case Marcador::Nulo:
        return QStringLiteral("nulo");
    case Marcador::Colecao:
        return QStringLiteral("coleção");
    }
    Q_UNREACHABLE();
}

// Quoted, with control characters, quotes and backslashes escaped so that
// every property stays on its line.
QString entreAspas(const QString& texto) {
    QString saida = QStringLiteral("\"");
    for (QChar c : texto) {
        if (c == u'"' || c == u'\\') {
            saida += u'\\';
            saida += c;
        } else if (c.unicode() < 0x20 || c.unicode() == 0x7F) {
            saida += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        } else {
            saida += c;
        }
    }
    return saida + u'"';
}

class Descricao {
public:
    QString texto() const { return m_texto; }
    void objeto(const Objeto& objeto, int nivel);

private:
    void linha(int nivel, const QString& conteudo) {
        m_texto += QString(2 * nivel, u' ') + conteudo + u'\n';
    }
    void propriedades(const std::vector<Propriedade>& propriedades, int nivel);
    void valor(const QString& rotulo, const Valor& valor, int nivel);
    static QString conteudo(const Valor& valor);

    QString m_texto;
};

void Descricao::objeto(const Objeto& objeto, int nivel) {
    QString cabecalho = objeto.classe + u' ' + objeto.nome;
    if (objeto.prefixo) {
        cabecalho += QStringLiteral(" [prefixo %1")
                         .arg(QString::number(0xF0 | objeto.prefixo->bandeiras, 16).toUpper());
        if (objeto.prefixo->posicao) {
            cabecalho += QStringLiteral(", posição %1 (%2)")
                             .arg(objeto.prefixo->posicao->comoInteiro())
                             .arg(nomeDoMarcador(objeto.prefixo->posicao->marcador()));
        }
        cabecalho += u']';
    }
    linha(nivel, cabecalho);
    propriedades(objeto.propriedades, nivel + 1);
    for (const Objeto& filho : objeto.filhos) {
        this->objeto(filho, nivel + 1);
    }
}

void Descricao::propriedades(const std::vector<Propriedade>& propriedades, int nivel) {
    for (const Propriedade& propriedade : propriedades) {
        valor(propriedade.nome + QStringLiteral(" = "), propriedade.valor, nivel);
    }
}

void Descricao::valor(const QString& rotulo, const Valor& valor, int nivel) {
    linha(nivel, rotulo + conteudo(valor) + QStringLiteral(" (") +
                     nomeDoMarcador(valor.marcador()) + u')');
    for (const Valor& item : valor.itens()) {
        this->valor(QString(), item, nivel + 1);
    }
    for (const ItemColecao& item : valor.itensColecao()) {
        QString cabecalho = QStringLiteral("item");
        if (item.ordem) {
            cabecalho += QStringLiteral(" %1 (%2)")
                             .arg(item.ordem->comoInteiro())
                             .arg(nomeDoMarcador(item.ordem->marcador()));
        }
        linha(nivel + 1, cabecalho);
        propriedades(item.propriedades, nivel + 2);
    }
}

QString Descricao::conteudo(const Valor& valor) {
    switch (valor.tipo()) {
    case Tipo::Inteiro:
        return QString::number(valor.comoInteiro());
    case Tipo::Texto:
        return entreAspas(valor.comoTexto());
    case Tipo::Identificador:
        return valor.comoTexto();
    case Tipo::Booleano:
        return valor.comoBooleano() ? QStringLiteral("True") : QStringLiteral("False");
    case Tipo::Bloco:
        return QStringLiteral("%1 bytes").arg(valor.bytes().size());
    case Tipo::Estendido:
    case Tipo::Simples:
    case Tipo::Moeda:
    case Tipo::Data:
        return QString::number(valor.comoReal(), 'g', QLocale::FloatingPointShortest);
    case Tipo::Lista:
        return QStringLiteral("%1 itens").arg(valor.itens().size());
    case Tipo::Conjunto:
        return u'[' + valor.membros().join(QStringLiteral(", ")) + u']';
    case Tipo::Colecao:
        return QStringLiteral("%1 itens").arg(valor.itensColecao().size());
    case Tipo::Nulo:
        return QStringLiteral("nil");
    }
    Q_UNREACHABLE();
}

} // namespace

QString descrever(const Objeto& raiz) {
    Descricao descricao;
    descricao.objeto(raiz, 0);
    return descricao.texto();
}

} // namespace fluxo
