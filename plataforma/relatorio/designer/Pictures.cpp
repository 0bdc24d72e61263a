#include "plataforma/relatorio/designer/Pictures.h"

#include "plataforma/Exception.h"

#include <QBuffer>
#include <QDir>
#include <QImageReader>

namespace plataforma::relatorio {

using namespace Qt::StringLiterals;

QByteArray pictureAsPng(const QString& path) {
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull()) {
        throw Exception(u"Não foi possível ler a imagem \"%1\": %2."_s.arg(
            QDir::toNativeSeparators(path), reader.errorString()));
    }
    if (reader.format() == "png") {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            return file.readAll();
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

} // namespace plataforma::relatorio
