#include "impressao/ModeloNoRelatorio.h"

#include "modelos/ModelosHex.h"
#include "modelos/fluxo/TextoHex.h"
#include "plataforma/Exception.h"

namespace impressao {

void CarregarModeloEmbutido(plataforma::relatorio::Report& relatorio, int id) {
    QString texto;
    if (id >= PrimeiroModelo && id <= UltimoModelo) {
        const auto chave = static_cast<quint8>(id);
        modelos::ModeloHexTermico(chave, texto);
        modelos::ModeloHexA4(chave, texto);
        modelos::ModeloHexA4Extra(chave, texto);
    }
    if (texto.isEmpty())
        throw plataforma::Exception(QStringLiteral("Modelo inexistente: %1. Os modelos vão de %2 a "
                                                   "%3.")
                                        .arg(id)
                                        .arg(PrimeiroModelo)
                                        .arg(UltimoModelo));
    relatorio.loadFromStream(fluxo::textoParaFluxo(texto), QStringLiteral("modelo %1").arg(id));
}

} // namespace impressao
