#pragma once

#include "plataforma/relatorio/Problems.h"

#include <QPageLayout>
#include <vector>

class QPagedPaintDevice;

namespace plataforma::relatorio {

class Document;
class Report;

// What a run produced.
struct RunSummary {
    int pages = 0;
    std::vector<Problem> problems; // what could not be printed, each once
};

// The report's paper as a device needs it: its size as stored (a label roll's custom size, or
// the standard size it matches), its orientation, and no margins, so that the device's origin
// is the paper's top-left corner.
QPageLayout pageLayoutOf(Report& report);

// Produces every page of the report on a device already set up for its paper (its origin at
// the paper's corner). All pages are laid out first, each after its page-request event; an
// exception from the event (a SilentAbort abandons the run) goes to the caller before anything
// is drawn, so that a printer receives no job and a file no page. Each page's labels are checked
// (Preflight) just before the page is drawn: the check then meets the texts and bar codes the
// drawing makes anyway and costs next to nothing, and all it finds is in the summary before the
// device finishes, which is when a file is written or a job goes to the printer. Throws
// plataforma::Exception when painting cannot begin on the device. resolution is that of the
// device that prints the pages in the end, in dots per inch, for bar codes on its dots; 0 for
// exact vector drawing.
RunSummary paintReport(Report& report, QPagedPaintDevice& device, int resolution = 0);

// Draws the pages of a document laid out and checked already, so that the operator could be
// asked about its problems before anything was drawn. The same device set-up as paintReport.
RunSummary paintDocument(Document& document, QPagedPaintDevice& device);

} // namespace plataforma::relatorio
