#pragma once

#include <QByteArray>
#include <QString>

namespace plataforma::relatorio {

// The picture in an image file, as the PNG file that a template stores whatever the file's
// own format. Throws plataforma::Exception, in Portuguese, naming the file when it holds no
// picture that can be read.
QByteArray pictureAsPng(const QString& path);

} // namespace plataforma::relatorio
