#include "cli/TextoDeAjuda.h"

#include <QStringList>

namespace {

using namespace Qt::StringLiterals;

// Where explanations start in a list of terms.
constexpr qsizetype ColunaDoTexto = 28;
constexpr qsizetype ColunaDoCodigo = 5;

QString texto(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// Every line indented, and one line break at the end.
QString recuar(const QString& linhas, qsizetype espacos) {
    const QString margem(espacos, u' ');
    QStringList partes = linhas.split(u'\n');
    if (partes.last().isEmpty())
        partes.removeLast();
    for (QString& parte : partes) {
        if (!parte.isEmpty())
            parte.prepend(margem);
    }
    return partes.join(u'\n') + u'\n';
}

// A term and its explanation side by side; a term too wide for its column puts the
// explanation on the lines below it.
QString itemDeLista(const QString& termo, const QString& explicacao, qsizetype coluna) {
    const QString item = u"  "_s + termo;
    const QString recuada = recuar(explicacao, coluna);
    if (item.size() < coluna)
        return item.leftJustified(coluna) + recuada.mid(coluna);
    return item + u'\n' + recuada;
}

QString formaDaOpcao(const Opcao& opcao) {
    return opcao.valor ? u"%1 %2"_s.arg(texto(opcao.nome), texto(opcao.valor)) : texto(opcao.nome);
}

QString listaDeComandos() {
    QString lista;
    for (const AjudaComando& comando : comandosDocumentados()) {
        QStringList formas = texto(comando.uso).split(u'\n');
        const QString ultima = formas.takeLast();
        for (const QString& forma : formas)
            lista += u"  "_s + forma + u'\n';
        lista += itemDeLista(ultima, texto(comando.resumo), ColunaDoTexto);
    }
    return lista;
}

QString opcoes(const AjudaComando& comando) {
    QString lista;
    for (const Opcao& opcao : comando.opcoes)
        lista += itemDeLista(formaDaOpcao(opcao), texto(opcao.descricao), ColunaDoTexto);
    return lista;
}

QString codigos() {
    QString lista;
    for (const CodigoDeSaida& codigo : codigosDeSaida())
        lista +=
            itemDeLista(QString::number(codigo.codigo), texto(codigo.significado), ColunaDoCodigo);
    return lista;
}

QString exemplos(const AjudaComando& comando) {
    return recuar(texto(comando.exemplos), 2);
}

QString formasDeUso(const AjudaComando& comando) {
    QString formas;
    for (const QString& forma : texto(comando.uso).split(u'\n'))
        formas +=
            (formas.isEmpty() ? u"Uso: "_s : u"  ou "_s) + u"etiquetas-cli "_s + forma + u'\n';
    return formas;
}

// A command in the general help: its forms, what it does, its options, its examples.
QString secaoDoComando(const AjudaComando& comando) {
    QString secao = recuar(texto(comando.uso), 2) + u'\n' + recuar(texto(comando.descricao), 4);
    if (!comando.opcoes.empty())
        secao += u"\n    Opções:\n"_s + recuar(opcoes(comando), 4);
    return secao + u"\n    Exemplos:\n"_s + recuar(exemplos(comando), 4) + u'\n';
}

} // namespace

QString textoDeUso() {
    return u"Uso: etiquetas-cli COMANDO [ARGUMENTOS]\nComandos:\n"_s + listaDeComandos() +
           u"Veja etiquetas-cli --help ou etiquetas-cli COMANDO --help.\n"_s;
}

QString ajudaGeral() {
    QString ajuda = u"Uso: etiquetas-cli COMANDO [ARGUMENTOS]\n"
                    "  ou etiquetas-cli COMANDO --help\n"
                    "  ou etiquetas-cli --help | --version\n\n"_s +
                    u"etiquetas-cli %1.\n\nComandos:\n"_s.arg(texto(DescricaoDoPrograma)) +
                    listaDeComandos() + u'\n';
    for (const AjudaComando& comando : comandosDocumentados())
        ajuda += secaoDoComando(comando);
    return ajuda + u"Códigos de saída:\n"_s + codigos();
}

QString ajudaDoComando(const AjudaComando& comando) {
    QString ajuda = formasDeUso(comando) + u'\n' + texto(comando.descricao) + u"\n\nOpções:\n"_s +
                    opcoes(comando) +
                    itemDeLista(u"--help"_s, u"mostra esta ajuda"_s, ColunaDoTexto);
    return ajuda + u"\nExemplos:\n"_s + exemplos(comando) + u"\nCódigos de saída:\n"_s + codigos();
}

QString textoDeVersao() {
    return u"etiquetas-cli " ETIQUETAS_VERSAO "\n"_s;
}
