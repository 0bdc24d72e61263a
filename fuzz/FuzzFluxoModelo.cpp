// Feeds raw bytes to the template stream reader and to the template text
// reader. Whatever reads must write back to the very same bytes or text.
#include "modelos/fluxo/Descricao.h"
#include "modelos/fluxo/Escritor.h"
#include "modelos/fluxo/Leitor.h"
#include "modelos/fluxo/TextoHex.h"

#include <cstdint>
#include <cstdlib>
#include <optional>

namespace {

std::optional<fluxo::Objeto> lerSePuder(QByteArrayView bytes) {
    try {
        return fluxo::lerFluxo(bytes);
    } catch (const fluxo::ErroFluxo&) {
        return std::nullopt;
    }
}

void conferirFluxo(QByteArrayView bytes) {
    const std::optional<fluxo::Objeto> arvore = lerSePuder(bytes);
    if (!arvore) {
        return;
    }
    fluxo::descrever(*arvore);
    // A tree that was read can always be written: no catch here.
    if (fluxo::escreverFluxo(*arvore) != bytes) {
        std::abort();
    }
}

void conferirTexto(const QString& texto) {
    QByteArray bytes;
    try {
        bytes = fluxo::textoParaFluxo(texto);
    } catch (const fluxo::ErroFluxo&) {
        return;
    }
    if (fluxo::fluxoParaTexto(bytes) != texto) {
        std::abort();
    }
    conferirFluxo(bytes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    const QByteArrayView bytes(dados, static_cast<qsizetype>(tamanho));
    conferirFluxo(bytes);
    conferirTexto(QString::fromLatin1(bytes));
    return 0;
}
