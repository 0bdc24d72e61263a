#include "plataforma/relatorio/designer/PreviewRun.h"

#include "plataforma/Exception.h"

#include <QPainter>

namespace plataforma::relatorio {

PreviewRun::PreviewRun(Report& report, int resolution) {
    try {
        m_document.emplace(report, resolution);
    } catch (const SilentAbort&) {
        m_document.reset();
    }
}

std::vector<Problem> PreviewRun::problems() {
    if (!m_document)
        return {};
    if (!m_allDrawn) {
        // The drawing itself is thrown away: a one-pixel image costs little beyond the
        // encoding that finds the problems.
        QImage scratch(1, 1, QImage::Format_RGB32);
        QPainter painter(&scratch);
        for (int page = 0; page < m_document->pageCount(); ++page)
            m_document->renderPage(painter, page);
        m_allDrawn = true;
    }
    return m_document->problems();
}

} // namespace plataforma::relatorio
