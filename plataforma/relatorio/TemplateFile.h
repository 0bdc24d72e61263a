#pragma once

#include "modelos/fluxo/Objeto.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>

// Report templates as bytes and files. Every failure is a plataforma::Exception whose message,
// in Portuguese, names the file (or the source name a caller gives for bytes held in memory).
namespace plataforma::relatorio {

// A template stream ("TPF0" and a report object). A text rendering (beginning with "object")
// and anything else are refused; a malformed stream is refused with the offset of its fault.
fluxo::Objeto readTemplate(QByteArrayView bytes, const QString& sourceName);
fluxo::Objeto readTemplateFile(const QString& path);

// No template comes near this size: a larger file, or an endless device, is refused before it
// is read.
inline constexpr qint64 MaxTemplateSize = 16 << 20;

// The bytes of a template file already open for reading, shownName naming it in messages.
// Throws when the file is larger than MaxTemplateSize or cannot be read.
QByteArray readTemplateBytes(QFile& file, const QString& shownName);

} // namespace plataforma::relatorio
