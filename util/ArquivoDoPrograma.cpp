#include "util/ArquivoDoPrograma.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace util {

QString arquivoDoPrograma(const QString& relativo, const QString& pastaDoExecutavel) {
    const QDir pasta(pastaDoExecutavel);
    const QString aoLado = pasta.filePath(relativo);
    if (QFileInfo::exists(aoLado))
        return aoLado;
    return QDir::cleanPath(
        pasta.filePath(QStringLiteral(ETIQUETAS_DADOS_INSTALADOS "/") + relativo));
}

QString arquivoDoPrograma(const QString& relativo) {
    return arquivoDoPrograma(relativo, QCoreApplication::applicationDirPath());
}

} // namespace util
