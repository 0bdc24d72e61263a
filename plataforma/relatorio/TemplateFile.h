#pragma once

#include "modelos/fluxo/Objeto.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Report templates as bytes and files. Every failure is a plataforma::Exception whose message,
// in Portuguese, names the file (or the source name a caller gives for bytes held in memory).
namespace plataforma::relatorio {

// A template stream ("TPF0" and a report object). A text rendering (beginning with "object")
// and anything else are refused; a malformed stream is refused with the offset of its fault.
fluxo::Objeto readTemplate(QByteArrayView bytes, const QString& sourceName);
fluxo::Objeto readTemplateFile(const QString& path);

} // namespace plataforma::relatorio
