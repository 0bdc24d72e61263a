#include "modelos/SalvarModelo.h"

#include "modelos/ModelosHex.h"
#include "modelos/fluxo/TextoHex.h"
#include "plataforma/ReplaceFile.h"

namespace modelos {

void SalvarModelo(int id, const QString& arquivo) {
    const QString texto = ModeloHex(id);
    if (texto.isEmpty()) {
        return;
    }
    plataforma::replaceFile(arquivo, fluxo::textoParaFluxo(texto));
}

} // namespace modelos
