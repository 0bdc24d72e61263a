#pragma once

#include "plataforma/relatorio/Document.h"

#include <QImage>
#include <optional>
#include <vector>

namespace plataforma::relatorio {

class Report;

// One preview of a report over its current data: every page laid out and every label checked
// at once, with the page-request event before each page. A SilentAbort from the event abandons
// the preview, which then has no pages; any other error goes to the caller. With the resolution
// of the chosen printer, in dots per inch, the pages show bar codes as that printer prints them.
class PreviewRun {
public:
    explicit PreviewRun(Report& report, int resolution = 0);

    bool abandoned() const { return !m_document.has_value(); }
    int pageCount() const { return m_document ? m_document->pageCount() : 0; }
    // The page's paper, in millimetres.
    QSizeF paperSize(int index) const { return m_document->page(index).paperSize; }
    // Where a label is on its page, in millimetres; null when there is no such label.
    QRectF labelBox(const LabelPosition& label) const { return m_document->labelBox(label); }
    // The page at the given resolution, with the label outlined when it stands on that page.
    QImage pageImage(int index, double dpi, const LabelPosition& outlined = {});

    // What the checks found on the whole run, and what the pages drawn so far could not print.
    std::vector<Problem> problems() const;
    // How many labels come out wrong.
    int labelsWithProblems() const;

private:
    std::optional<Document> m_document;
};

} // namespace plataforma::relatorio
