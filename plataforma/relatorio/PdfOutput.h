#pragma once

#include "plataforma/relatorio/PaintReport.h"

#include <QString>

namespace plataforma::relatorio {

class Document;
class Report;

// Writes every page of the report to a PDF file: vector drawing at 1200 dpi, fonts embedded,
// the template's paper size and orientation. The file is written whole or not at all: an
// exception from the page-request event (a SilentAbort abandons the run) leaves no new file and
// an existing one as it was. Throws plataforma::Exception, naming the path and the reason, when
// the file cannot be written.
RunSummary writePdf(Report& report, const QString& path);
// The same for a document laid out and checked already.
RunSummary writePdf(Document& document, const QString& path);

} // namespace plataforma::relatorio
