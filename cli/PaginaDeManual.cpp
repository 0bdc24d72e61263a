// Writes the manual page of etiquetas-cli from the same tables as its help screens, so that
// the two never disagree. Run by the build; the page goes to the file named on the command line.
#include "cli/Ajuda.h"

#include <QFile>
#include <QStringList>

namespace {

using namespace Qt::StringLiterals;

// Text as roff prints it: a backslash or a leading dot would be a request, and "-" would be a
// hyphen that cannot be pasted back into a shell.
QString roff(const char* utf8) {
    QString texto = QString::fromUtf8(utf8);
    texto.replace(u'\\', u"\\e"_s).replace(u'-', u"\\-"_s);
    QStringList linhas = texto.split(u'\n');
    for (QString& linha : linhas) {
        if (linha.startsWith(u'.') || linha.startsWith(u'\''))
            linha.prepend(u"\\&"_s);
    }
    return linhas.join(u'\n');
}

QString paragrafos(const char* utf8) {
    return u".PP\n"_s + roff(utf8).replace(u"\n\n"_s, u"\n.PP\n"_s) + u'\n';
}

QString exemplos(const char* utf8) {
    return u".PP\nExemplos:\n.RS\n.nf\n"_s + roff(utf8) + u"\n.fi\n.RE\n"_s;
}

QString opcoes(std::span<const Opcao> lista) {
    QString texto;
    for (const Opcao& opcao : lista) {
        texto += opcao.valor
                     ? u".TP\n.BI \"%1 \" \"%2\"\n"_s.arg(roff(opcao.nome), roff(opcao.valor))
                     : u".TP\n.B %1\n"_s.arg(roff(opcao.nome));
        texto += roff(opcao.descricao) + u'\n';
    }
    return texto;
}

QString comando(const AjudaComando& ajuda) {
    return u".SS \"%1\"\n"_s.arg(roff(ajuda.uso).replace(u'\n', u"; "_s)) +
           paragrafos(ajuda.descricao) + opcoes(ajuda.opcoes) + exemplos(ajuda.exemplos);
}

QString pagina() {
    QString texto = u".TH ETIQUETAS\\-CLI 1 \"\" \"etiquetas\\-cli " ETIQUETAS_VERSAO
                    "\" \"Etiquetas de Gôndola\"\n"
                    // The text is Portuguese: English hyphenation rules would break its words.
                    ".nh\n"
                    ".SH NOME\netiquetas\\-cli \\- "_s +
                    roff(DescricaoDoPrograma) + u"\n.SH SINOPSE\n.nf\n"_s;
    for (const AjudaComando& ajuda : comandosDocumentados()) {
        for (const QString& forma : roff(ajuda.uso).split(u'\n'))
            texto += u"\\fBetiquetas\\-cli\\fR "_s + forma + u'\n';
    }
    texto += u"\\fBetiquetas\\-cli\\fR COMANDO \\-\\-help\n"
             "\\fBetiquetas\\-cli\\fR \\-\\-help | \\-\\-version\n.fi\n.SH COMANDOS\n"_s;
    for (const AjudaComando& ajuda : comandosDocumentados())
        texto += comando(ajuda);
    texto += u".SH \"CÓDIGOS DE SAÍDA\"\n"_s;
    for (const CodigoDeSaida& codigo : codigosDeSaida())
        texto += u".TP\n.B %1\n"_s.arg(codigo.codigo) + roff(codigo.significado) + u'\n';
    return texto;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2)
        return 2;
    QFile arquivo(QString::fromLocal8Bit(argv[1]));
    if (!arquivo.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 1;
    return arquivo.write(pagina().toUtf8()) < 0 ? 1 : 0;
}
