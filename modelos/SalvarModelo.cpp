#include "modelos/SalvarModelo.h"

#include "modelos/ModelosHex.h"
#include "modelos/fluxo/TextoHex.h"
#include "plataforma/Exception.h"

#include <QFileInfo>
#include <QSaveFile>

namespace modelos {

namespace {

// Unbuffered and in a loop: a short write is followed by one that fails with
// the system's reason, which a buffered write at commit time would not report.
bool gravarTudo(QSaveFile& destino, const QByteArray& bytes) {
    qint64 gravados = 0;
    while (gravados < bytes.size()) {
        const qint64 agora = destino.write(bytes.constData() + gravados, bytes.size() - gravados);
        if (agora <= 0) {
            return false;
        }
        gravados += agora;
    }
    return true;
}

} // namespace

void SalvarModelo(int id, const QString& arquivo) {
    const QString texto = ModeloHex(id);
    if (texto.isEmpty()) {
        return;
    }
    const QByteArray bytes = fluxo::textoParaFluxo(texto);
    QSaveFile destino(arquivo);
    if (!destino.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        !gravarTudo(destino, bytes) || !destino.commit()) {
        throw plataforma::Exception(
            QStringLiteral("Cannot create file \"%1\". %2")
                .arg(QFileInfo(arquivo).absoluteFilePath(), destino.errorString()));
    }
}

} // namespace modelos
