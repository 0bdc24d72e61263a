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
// the file cannot be written. A PDF for a printer of a known resolution (dots per inch) has its
// bar codes on that printer's dots; without one (0), they are drawn exactly as the template
// gives them.
RunSummary writePdf(Report& report, const QString& path, int resolution = 0);
// The same for a document laid out and checked already, at the document's resolution.
RunSummary writePdf(Document& document, const QString& path);

} // namespace plataforma::relatorio
