// etiquetas-cli: the program's core without windows, one subcommand a call.
#include "cli/Comandos.h"
#include "cli/Saida.h"
#include "cli/TextoDeAjuda.h"
#include "plataforma/FatalError.h"

#include <QGuiApplication>

namespace {

using namespace Qt::StringLiterals;

struct Subcomando {
    const char* nome;
    int (*executar)(const QStringList&);
};

const Subcomando Subcomandos[] = {
    {"lista", ComandoLista},
    {"lote", ComandoLote},
    {"imprimir", ComandoImprimir},
    {"modelo", ComandoModelo},
};

int executarSubcomando(const QString& nome, const QStringList& argumentos) {
    for (const Subcomando& subcomando : Subcomandos) {
        if (nome != QLatin1StringView(subcomando.nome))
            continue;
        if (argumentos.contains(u"--help"_s)) {
            imprimir(ajudaDoComando(*ajudaDe(nome)));
            return SaidaOk;
        }
        return subcomando.executar(argumentos);
    }
    imprimirErro(nome.startsWith(u"--"_s) ? u"Opção desconhecida: %1\n"_s.arg(nome)
                                          : u"Comando desconhecido: \"%1\"\n"_s.arg(nome));
    return SaidaUsoIncorreto;
}

int executar(const QStringList& argumentos) {
    if (argumentos.isEmpty())
        return SaidaUsoIncorreto;
    if (argumentos.first() == u"--help"_s) {
        imprimir(ajudaGeral());
        return SaidaOk;
    }
    if (argumentos.first() == u"--version"_s) {
        imprimir(textoDeVersao());
        return SaidaOk;
    }
    return executarSubcomando(argumentos.first(), argumentos.mid(1));
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
    try {
        const QGuiApplication aplicacao(argc, argv);
        const int saida = executar(QCoreApplication::arguments().mid(1));
        if (saida == SaidaUsoIncorreto) {
            imprimirNoErro(textoDeUso());
        }
        return saida;
    } catch (...) {
        // An endless input or a fault of ours: a message and a failure, never an abort.
        imprimirErro(plataforma::fatalErrorMessage(std::current_exception()) + u'\n');
        return SaidaFalha;
    }
}
