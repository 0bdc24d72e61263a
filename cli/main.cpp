// etiquetas-cli: the program's core without windows.

#include "Comandos.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

struct Comando {
    const char* nome;
    const char* uso;
    int (*executar)(const QStringList&);
};

constexpr Comando Comandos[] = {
    {"lista", "lista ARQUIVO    mostra a lista de produtos como a grade a mostra", ComandoLista},
};

int mostrarUso() {
    std::fputs("uso: etiquetas-cli COMANDO [ARGUMENTOS]\n\ncomandos:\n", stderr);
    for (const Comando& comando : Comandos)
        std::fprintf(stderr, "  %s\n", comando.uso);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList argumentos = QCoreApplication::arguments();
    if (argumentos.size() < 2)
        return mostrarUso();
    for (const Comando& comando : Comandos)
        if (argumentos[1] == QLatin1String(comando.nome))
            return comando.executar(argumentos.mid(2));
    return mostrarUso();
}
