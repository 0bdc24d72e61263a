#pragma once

#include "plataforma/relatorio/Page.h"
#include "plataforma/relatorio/PageRenderer.h"

#include <QImage>
#include <QRectF>
#include <vector>

class QPainter;

namespace plataforma::relatorio {

class Report;

// A report laid out and checked: every page as a descriptor, drawn on demand, and every label's
// problems known before the first page is drawn.
class Document {
public:
    // Lays every page out now, raising the page-request event before each, then checks every
    // label (Preflight); what the handler throws (a SilentAbort abandons the run) goes to the
    // caller. Pages are drawn as a printer of the given resolution (dots per inch) prints them;
    // 0 draws exact vectors.
    explicit Document(Report& report, int resolution = 0);

    Report& report() { return m_report; }
    int pageCount() const { return static_cast<int>(m_pages.size()); }
    const Page& page(int index) const { return m_pages.at(static_cast<std::size_t>(index)); }
    int labelCount() const { return m_labels; }
    // Where a label is on its page, in millimetres; null when the document has no such label.
    QRectF labelBox(const LabelPosition& label) const;

    // Draws a page on a painter whose user space is millimetres, origin at the paper's corner.
    void renderPage(QPainter& painter, int index);
    // A page on white paper at the given resolution, in dots per inch.
    QImage pageImage(int index, double dpi);

    // What the checks found, and what could not be printed on the pages drawn so far.
    const std::vector<Problem>& problems() const { return m_renderer.problems().items(); }

private:
    Report& m_report;
    std::vector<Page> m_pages;
    PageRenderer m_renderer;
    int m_labels = 0;
};

} // namespace plataforma::relatorio
