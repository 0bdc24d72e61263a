// etiquetas-cli: the program's core without windows, one subcommand a call.
#include "cli/Comandos.h"
#include "cli/Saida.h"

#include <QGuiApplication>

namespace {

struct Subcomando {
    const char* nome;
    int (*executar)(const QStringList&);
    const char* uso;
};

const Subcomando Subcomandos[] = {
    {"lista", ComandoLista,
     "  lista ARQUIVO              mostra a lista de produtos do ARQUIVO como a grade a mostra\n"},
    {"lote", ComandoLote,
     "  lote ARQUIVO [--hoje DD/MM/AAAA]\n"
     "                             mostra as etiquetas que a lista de produtos do ARQUIVO gera\n"},
    {"imprimir", ComandoImprimir,
     "  imprimir ARQUIVO --modelo ID|MODELO.rtm (--pdf SAIDA.pdf | --impressora NOME)\n"
     "           [--resolucao DPI] [--hoje DD/MM/AAAA] [--autoajuste]\n"
     "                             imprime as etiquetas da lista do ARQUIVO com o modelo ID\n"
     "                             (1 a 23) ou o arquivo MODELO.rtm, num PDF ou numa impressora;\n"
     "                             --resolucao faz o PDF com as barras nos pontos de uma\n"
     "                             impressora de DPI pontos por polegada;\n"
     "                             --autoajuste responde Sim ao ajuste da altura da página\n"},
    {"modelo", ComandoModelo,
     "  modelo ID ARQUIVO          grava o modelo de etiqueta ID (1 a 23) no ARQUIVO\n"
     "  modelo --texto ARQUIVO     mostra os objetos de um arquivo de modelo (.rtm)\n"},
};

void mostrarUso() {
    QString uso = QStringLiteral("Uso: etiquetas-cli COMANDO [ARGUMENTOS]\nComandos:\n");
    for (const Subcomando& subcomando : Subcomandos) {
        uso += QString::fromUtf8(subcomando.uso);
    }
    imprimirErro(uso);
}

int executar(const QStringList& argumentos) {
    for (const Subcomando& subcomando : Subcomandos) {
        if (!argumentos.isEmpty() && argumentos.first() == QLatin1StringView(subcomando.nome)) {
            return subcomando.executar(argumentos.mid(1));
        }
    }
    return SaidaUsoIncorreto;
}

QtMessageHandler avisosDoQt = nullptr;

// Run from cron or a service, XDG_RUNTIME_DIR is often unset; Qt then falls back to a
// private folder of its own, which is all a program without windows needs. Its warning
// would only clutter the error output that scripts read.
void filtrarAvisos(QtMsgType tipo, const QMessageLogContext& contexto, const QString& texto) {
    if (tipo == QtWarningMsg && texto.startsWith(u"QStandardPaths: XDG_RUNTIME_DIR not set"))
        return;
    avisosDoQt(tipo, contexto, texto);
}

} // namespace

int main(int argc, char* argv[]) {
    // Labels are drawn with the system's fonts, which only a GUI application reaches; the
    // command line never shows a window, so it needs no display either.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    avisosDoQt = qInstallMessageHandler(filtrarAvisos);
    const QGuiApplication aplicacao(argc, argv);
    const int saida = executar(QCoreApplication::arguments().mid(1));
    if (saida == SaidaUsoIncorreto) {
        mostrarUso();
    }
    return saida;
}
