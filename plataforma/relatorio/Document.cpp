#include "plataforma/relatorio/Document.h"

#include "plataforma/relatorio/Paginator.h"

#include <QPainter>
#include <cmath>

namespace plataforma::relatorio {

namespace {

constexpr double MillimetresPerInch = 25.4;

} // namespace

Document::Document(Report& report, int resolution)
    : m_report(report), m_pages(paginate(report)), m_renderer(report, resolution) {
    for (int i = 0; i < pageCount(); ++i) {
        m_renderer.check(page(i), i);
        for (const BandPlacement& band : page(i).bands)
            m_labels += band.kind == BandKind::Detail ? 1 : 0;
    }
}

QRectF Document::labelBox(const LabelPosition& label) const {
    if (label.page < 0 || label.page >= pageCount())
        return {};
    for (const BandPlacement& band : page(label.page).bands) {
        if (band.kind == BandKind::Detail && band.pageRow == label.row &&
            band.column == label.column)
            return QRectF(band.origin, band.size);
    }
    return {};
}

void Document::renderPage(QPainter& painter, int index) {
    m_renderer.render(painter, page(index));
}

QImage Document::pageImage(int index, double dpi) {
    const double dotsPerMillimetre = dpi / MillimetresPerInch;
    const QSizeF paper = page(index).paperSize * dotsPerMillimetre;
    QImage image(std::max(1, qCeil(paper.width())), std::max(1, qCeil(paper.height())),
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dotsPerMillimetre * 1000));
    image.setDotsPerMeterY(qRound(dotsPerMillimetre * 1000));
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    painter.scale(dotsPerMillimetre, dotsPerMillimetre);
    renderPage(painter, index);
    return image;
}

} // namespace plataforma::relatorio
