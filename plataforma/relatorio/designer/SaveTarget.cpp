#include "plataforma/relatorio/designer/SaveTarget.h"

#include <QDir>
#include <QFileInfo>

namespace plataforma::relatorio {

bool canSaveTo(const QString& fileName) {
    if (fileName.isEmpty())
        return false;
    const QFileInfo file(QDir::fromNativeSeparators(fileName));
    if (!file.isAbsolute() || !file.dir().exists())
        return false;
    return !file.exists() || (file.isFile() && file.isWritable());
}

} // namespace plataforma::relatorio
