#pragma once

#include "plataforma/relatorio/ControlPainter.h"

#include <QImage>
#include <QRectF>

namespace plataforma::relatorio {

// A picture, decoded once: stretched to its box (keeping its proportions when asked), or at
// its natural size from the box's top-left corner, cut at the box's edges.
class ImagePainter : public ControlPainter {
public:
    ImagePainter(const Control& control, PaintContext& context);

    void paint(QPainter& painter, QPointF bandOrigin, int row) override;

private:
    QImage m_image;
    QRectF m_target; // where the picture goes, relative to the band
};

} // namespace plataforma::relatorio
