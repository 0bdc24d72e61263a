#include "plataforma/relatorio/PaintReport.h"

#include "plataforma/Exception.h"
#include "plataforma/relatorio/PageRenderer.h"
#include "plataforma/relatorio/Paginator.h"
#include "plataforma/relatorio/Report.h"

#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

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

RunSummary paintReport(Report& report, QPagedPaintDevice& device, int resolution) {
    const std::vector<Page> pages = paginate(report);
    PageRenderer renderer(report, resolution);
    QPainter painter;
    if (!painter.begin(&device))
        throw Exception(u"Não foi possível iniciar a impressão do relatório."_s);
    painter.scale(device.logicalDpiX() / 25.4, device.logicalDpiY() / 25.4);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0)
            device.newPage();
        renderer.render(painter, pages[i]);
    }
    if (!painter.end())
        throw Exception(u"Não foi possível concluir a impressão do relatório."_s);
    return {static_cast<int>(pages.size()), renderer.problems().items()};
}

} // namespace plataforma::relatorio
