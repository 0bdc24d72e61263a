// etiquetas-cli: the program's core without windows, one subcommand a call.
#include "cli/Comandos.h"
#include "cli/Saida.h"

#include <QCoreApplication>

namespace {

struct Subcomando {
    const char* nome;
    int (*executar)(const QStringList&);
    const char* uso;
};

const Subcomando Subcomandos[] = {
    {"lista", ComandoLista,
     "  lista ARQUIVO              mostra a lista de produtos do ARQUIVO como a grade a mostra\n"},
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

} // namespace

int main(int argc, char* argv[]) {
    const QCoreApplication aplicacao(argc, argv);
    const int saida = executar(QCoreApplication::arguments().mid(1));
    if (saida == SaidaUsoIncorreto) {
        mostrarUso();
    }
    return saida;
}
