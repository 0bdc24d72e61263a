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
    const QPageSize size(portrait, QPageSize::Millimeter, setup.paperName(), QPageSize::FuzzyMatch);
    return QPageLayout(size, turned ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(),
                       QPageLayout::Millimeter);
}

RunSummary paintReport(Report& report, QPagedPaintDevice& device) {
    Paginator paginator(report);
    PageRenderer renderer(report);
    QPainter painter;
    RunSummary summary;
    while (paginator.hasNextPage()) {
        const Page page = paginator.nextPage();
        if (summary.pages == 0) {
            if (!painter.begin(&device))
                throw Exception(u"Não foi possível iniciar a impressão do relatório."_s);
            painter.scale(device.logicalDpiX() / 25.4, device.logicalDpiY() / 25.4);
        } else {
            device.newPage();
        }
        renderer.render(painter, page);
        ++summary.pages;
    }
    if (painter.isActive() && !painter.end())
        throw Exception(u"Não foi possível concluir a impressão do relatório."_s);
    summary.problems = renderer.problems().items();
    return summary;
}

} // namespace plataforma::relatorio
