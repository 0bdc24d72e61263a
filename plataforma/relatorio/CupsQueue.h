#pragma once

#include <QSizeF>
#include <QString>

namespace plataforma::relatorio {

// A print queue of the CUPS scheduler that CUPS_SERVER (or the system's client settings) names.

// Makes sure the queue exists and takes jobs, before anything is rendered for it. Throws
// plataforma::Exception, with the scheduler's reason, when it does not. Returns a warning, for
// the operator, when the queue is stopped or paused: a job waits there until it is resumed.
QString checkQueue(const QString& queue);

// Hands a PDF file to the queue and returns the job's id once the scheduler has taken it. The
// job asks for paper of the PDF's page size (millimetres), so that the spooler neither scales
// nor moves the pages: a label printer then prints the bars on the dots they were drawn for.
// Throws plataforma::Exception with the scheduler's reason when the job is refused.
int submitPdf(const QString& queue, const QString& pdfPath, const QString& title, int copies,
              QSizeF paper);

} // namespace plataforma::relatorio
