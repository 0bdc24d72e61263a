#include "cli/Saida.h"

#include <cstdio>

namespace {

void escrever(std::FILE* destino, const QString& texto) {
    const QByteArray utf8 = texto.toUtf8();
    std::fwrite(utf8.constData(), 1, static_cast<std::size_t>(utf8.size()), destino);
    std::fflush(destino);
}

} // namespace

void imprimir(const QString& texto) {
    escrever(stdout, texto);
}

void imprimirErro(const QString& texto) {
    escrever(stderr, QStringLiteral("etiquetas-cli: ") + texto);
}

void imprimirNoErro(const QString& texto) {
    escrever(stderr, texto);
}
