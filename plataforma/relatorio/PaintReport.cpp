#include "plataforma/relatorio/PaintReport.h"

#include "plataforma/Exception.h"
#include "plataforma/relatorio/Document.h"
#include "plataforma/relatorio/PageRenderer.h"
#include "plataforma/relatorio/Paginator.h"
#include "plataforma/relatorio/Report.h"

#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <functional>

namespace plataforma::relatorio {

using namespace Qt::StringLiterals;

QPageLayout pageLayoutOf(Report& report) {
    PrinterSetup setup = report.printerSetup();
    const QSizeF paper = QSizeF(setup.mmPaperWidth(), setup.mmPaperHeight()) / 1000;
    // Paper sizes are portrait; landscape paper is a portrait size turned.
    const bool turned =
        paper.width() > paper.height() && setup.orientation() == Orientation::Landscape;
    const QSizeF portrait = turned ? paper.transposed() : paper;
    // Matched to a standard size by its dimensions alone: label templates give their rolls the
    // name of some other paper.
    const QPageSize size(portrait, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch);
    return QPageLayout(size, turned ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(),
                       QPageLayout::Millimeter);
}

namespace {

// Draws pages one after the other, each by drawPage on a painter whose user space is
// millimetres from the paper's corner.
void paintPages(QPagedPaintDevice& device, int count,
                const std::function<void(QPainter&, int)>& drawPage) {
    QPainter painter;
    if (!painter.begin(&device))
        throw Exception(u"Não foi possível iniciar a impressão do relatório."_s);
    painter.scale(device.logicalDpiX() / 25.4, device.logicalDpiY() / 25.4);
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            device.newPage();
        drawPage(painter, i);
    }
    if (!painter.end())
        throw Exception(u"Não foi possível concluir a impressão do relatório."_s);
}

} // namespace

RunSummary paintReport(Report& report, QPagedPaintDevice& device, int resolution) {
    const std::vector<Page> pages = paginate(report);
    PageRenderer renderer(report, resolution);
    const int count = static_cast<int>(pages.size());
    paintPages(device, count, [&](QPainter& painter, int i) {
        const Page& page = pages[static_cast<std::size_t>(i)];
        renderer.check(page, i);
        renderer.render(painter, page);
    });
    return {count, renderer.problems().items()};
}

RunSummary paintDocument(Document& document, QPagedPaintDevice& device) {
    paintPages(device, document.pageCount(),
               [&document](QPainter& painter, int i) { document.renderPage(painter, i); });
    return {document.pageCount(), document.problems()};
}

} // namespace plataforma::relatorio
