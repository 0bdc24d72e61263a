#include "modelos/ModelosHex.h"

#include "modelos/ModelosEmbutidos.h"
#include "modelos/fluxo/Escritor.h"
#include "modelos/fluxo/TextoHex.h"

namespace modelos {

namespace {

void textoDoModelo(quint8 id, QString& texto) {
    texto = fluxo::fluxoParaTexto(fluxo::escreverFluxo(fluxo::montar(*modeloEmbutido(id))));
}

} // namespace

void ModeloHexTermico(quint8 id, QString& texto) {
    if (id >= 1 && id <= 6) {
        textoDoModelo(id, texto);
    }
}

void ModeloHexA4(quint8 id, QString& texto) {
    if ((id >= 7 && id <= 17) || id == 22 || id == 23) {
        textoDoModelo(id, texto);
    }
}

void ModeloHexA4Extra(quint8 id, QString& texto) {
    if (id >= 18 && id <= 21) {
        textoDoModelo(id, texto);
    }
}

QString ModeloHex(int id) {
    QString texto;
    // The stores are keyed by a byte: a wider id must not wrap onto another.
    if (id < 0 || id > 255) {
        return texto;
    }
    const auto byte = static_cast<quint8>(id);
    ModeloHexTermico(byte, texto);
    if (texto.isEmpty()) {
        ModeloHexA4(byte, texto);
    }
    if (texto.isEmpty()) {
        ModeloHexA4Extra(byte, texto);
    }
    return texto;
}

} // namespace modelos
