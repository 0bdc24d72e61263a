#include "plataforma/relatorio/PageRenderer.h"

#include "plataforma/relatorio/Report.h"

#include <QPainter>

namespace plataforma::relatorio {

using namespace Qt::StringLiterals;

PageRenderer::PageRenderer(Report& report, int resolution) : m_preflight(report, m_problems) {
    const QString pipeline = report.dataPipelineName();
    if (!pipeline.isEmpty() && report.pipeline() == nullptr) {
        m_problems.add({-1, report.name(), pipeline,
                        u"O pipeline de dados \"%1\" não foi encontrado; o relatório sai sem "
                        u"dados."_s.arg(pipeline)});
    }
    PaintContext context{report, m_problems, m_shaper, resolution};
    for (const Band& band : report.bands()) {
        auto& painters = m_painters[static_cast<std::size_t>(band.kind())];
        for (const Control& control : band.controls()) {
            if (std::unique_ptr<ControlPainter> painter = makeControlPainter(control, context))
                painters.push_back(std::move(painter));
        }
    }
}

PageRenderer::~PageRenderer() = default;

void PageRenderer::render(QPainter& painter, const Page& page) {
    painter.save();
    for (const BandPlacement& band : page.bands) {
        for (const auto& control : m_painters[static_cast<std::size_t>(band.kind)])
            control->paint(painter, band.origin, band.row);
    }
    painter.restore();
}

void PageRenderer::check(const Page& page, int index) {
    const auto& painters = m_painters[static_cast<std::size_t>(BandKind::Detail)];
    for (const BandPlacement& band : page.bands) {
        if (band.kind != BandKind::Detail)
            continue;
        m_preflight.setLabel(index, band, page.paperSize);
        for (const auto& control : painters)
            control->check(m_preflight);
    }
}

} // namespace plataforma::relatorio
