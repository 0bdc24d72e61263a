#pragma once

#include "plataforma/relatorio/Page.h"
#include "plataforma/relatorio/PageRenderer.h"

#include <QImage>
#include <vector>

class QPainter;

namespace plataforma::relatorio {

class Report;

// A report laid out for preview: every page as a descriptor, drawn on demand.
class Document {
public:
    // Lays every page out now, raising the page-request event before each; what the handler
    // throws (a SilentAbort abandons the run) goes to the caller. Pages are drawn as a printer
    // of the given resolution (dots per inch) prints them; 0 draws exact vectors.
    explicit Document(Report& report, int resolution = 0);

    int pageCount() const { return static_cast<int>(m_pages.size()); }
    const Page& page(int index) const { return m_pages.at(static_cast<std::size_t>(index)); }

    // Draws a page on a painter whose user space is millimetres, origin at the paper's corner.
    void renderPage(QPainter& painter, int index);
    // A page on white paper at the given resolution, in dots per inch.
    QImage pageImage(int index, double dpi);

    // What could not be printed on the pages drawn so far, each problem once.
    const std::vector<Problem>& problems() const { return m_renderer.problems().items(); }

private:
    std::vector<Page> m_pages;
    PageRenderer m_renderer;
};

} // namespace plataforma::relatorio
