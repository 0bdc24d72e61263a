#include "plataforma/relatorio/Document.h"

#include "plataforma/relatorio/Paginator.h"

#include <QPainter>
#include <cmath>

namespace plataforma::relatorio {

namespace {

constexpr double MillimetresPerInch = 25.4;

} // namespace

Document::Document(Report& report, int resolution)
    : m_pages(paginate(report)), m_renderer(report, resolution) {}

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
