#include "impressao/ModeloNoRelatorio.h"

#include "modelos/ModelosHex.h"
#include "modelos/fluxo/TextoHex.h"
#include "plataforma/Exception.h"

namespace impressao {

void CarregarModeloEmbutido(plataforma::relatorio::Report& relatorio, int id) {
    const QString texto =
        id >= PrimeiroModelo && id <= UltimoModelo ? modelos::ModeloHex(id) : QString();
    if (texto.isEmpty())
        throw plataforma::Exception(QStringLiteral("Modelo inexistente: %1. Os modelos vão de %2 a "
                                                   "%3.")
                                        .arg(id)
                                        .arg(PrimeiroModelo)
                                        .arg(UltimoModelo));
    relatorio.loadFromStream(fluxo::textoParaFluxo(texto), QStringLiteral("modelo %1").arg(id));
}

} // namespace impressao
