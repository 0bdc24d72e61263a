#include "plataforma/relatorio/designer/PreviewRun.h"

#include "plataforma/Exception.h"

#include <QPainter>

namespace plataforma::relatorio {

namespace {

// Wide enough to see at a glance on a whole page, drawn around the label so that it hides
// nothing of it.
constexpr double OutlineWidth = 1.2; // millimetres

} // namespace

PreviewRun::PreviewRun(Report& report, int resolution) {
    try {
        m_document.emplace(report, resolution);
    } catch (const SilentAbort&) {
        m_document.reset();
    }
}

QImage PreviewRun::pageImage(int index, double dpi, const LabelPosition& outlined) {
    QImage image = m_document->pageImage(index, dpi);
    const QRectF label = outlined.page == index ? labelBox(outlined) : QRectF();
    if (label.isNull())
        return image;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(dpi / 25.4, dpi / 25.4);
    painter.setPen(QPen(QColor(220, 0, 0), OutlineWidth));
    painter.setBrush(Qt::NoBrush);
    const double half = OutlineWidth / 2;
    painter.drawRect(label.adjusted(-half, -half, half, half));
    return image;
}

std::vector<Problem> PreviewRun::problems() const {
    return m_document ? m_document->problems() : std::vector<Problem>();
}

int PreviewRun::labelsWithProblems() const {
    return m_document
               ? relatorio::labelsWithProblems(m_document->problems(), m_document->labelCount())
               : 0;
}

} // namespace plataforma::relatorio
