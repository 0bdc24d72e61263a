#include "plataforma/relatorio/ImagePainter.h"

#include "plataforma/relatorio/Control.h"
#include "plataforma/relatorio/Problems.h"

#include <QPainter>

namespace plataforma::relatorio {

using namespace Qt::StringLiterals;

namespace {

// The picture's own size in millimetres, from its resolution (96 dpi when it has none).
QSizeF naturalSize(const QImage& image) {
    const double dotsPerMetreX = image.dotsPerMeterX() > 0 ? image.dotsPerMeterX() : 3780;
    const double dotsPerMetreY = image.dotsPerMeterY() > 0 ? image.dotsPerMeterY() : 3780;
    return QSizeF(image.width() * 1000 / dotsPerMetreX, image.height() * 1000 / dotsPerMetreY);
}

} // namespace

ImagePainter::ImagePainter(const Control& control, PaintContext& context)
    : ControlPainter(control), m_image(QImage::fromData(control.pictureBytes())) {
    if (m_image.isNull()) {
        context.problems.add({-1, control.name(), control.pictureClass(),
                              u"A imagem do modelo não pôde ser lida."_s});
        return;
    }
    if (!control.stretch()) {
        m_target = QRectF(box().topLeft(), naturalSize(m_image));
    } else if (control.maintainAspectRatio()) {
        m_target = QRectF(box().topLeft(),
                          QSizeF(m_image.size()).scaled(box().size(), Qt::KeepAspectRatio));
    } else {
        m_target = box();
    }
}

void ImagePainter::paint(QPainter& painter, QPointF bandOrigin, int /*row*/) {
    if (m_image.isNull())
        return;
    const bool clip = !box().contains(m_target);
    if (clip) {
        painter.save();
        painter.setClipRect(box().translated(bandOrigin), Qt::IntersectClip);
    }
    painter.drawImage(m_target.translated(bandOrigin), m_image);
    if (clip)
        painter.restore();
}

} // namespace plataforma::relatorio
