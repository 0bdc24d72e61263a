#pragma once

#include "plataforma/relatorio/Document.h"

#include <QImage>
#include <optional>
#include <vector>

namespace plataforma::relatorio {

class Report;

// One preview of a report over its current data: every page laid out at once, with the
// page-request event before each. A SilentAbort from the event abandons the preview, which
// then has no pages; any other error goes to the caller. With the resolution of the chosen
// printer, in dots per inch, the pages show bar codes as that printer prints them.
class PreviewRun {
public:
    explicit PreviewRun(Report& report, int resolution = 0);

    bool abandoned() const { return !m_document.has_value(); }
    int pageCount() const { return m_document ? m_document->pageCount() : 0; }
    // The page's paper, in millimetres.
    QSizeF paperSize(int index) const { return m_document->page(index).paperSize; }
    QImage pageImage(int index, double dpi) { return m_document->pageImage(index, dpi); }

    // What the whole run cannot print, each problem once: every page is drawn once for it, so
    // that a bad bar code on the last page shows before anything is printed.
    std::vector<Problem> problems();

private:
    std::optional<Document> m_document;
    bool m_allDrawn = false;
};

} // namespace plataforma::relatorio
