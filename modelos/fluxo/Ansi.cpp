#include "modelos/fluxo/Ansi.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace fluxo {

namespace {

constexpr const char* PaginaDeCodigo = "windows-1252";

} // namespace

QString deAnsi(QByteArrayView bytes) {
    QStringDecoder decodificador(PaginaDeCodigo);
    return decodificador.decode(bytes);
}

std::optional<QByteArray> paraAnsi(QStringView texto) {
    QStringEncoder codificador(PaginaDeCodigo);
    QByteArray bytes = codificador.encode(texto);
    if (codificador.hasError()) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace fluxo
