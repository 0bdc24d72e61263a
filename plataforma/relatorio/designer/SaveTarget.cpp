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
    // The owner's write permission is the file's read-only mark, even for an administrator,
    // whom the system would let write anyway.
    return !file.exists() ||
           (file.isFile() && file.isWritable() && file.permission(QFileDevice::WriteOwner));
}

} // namespace plataforma::relatorio
