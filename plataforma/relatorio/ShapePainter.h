#pragma once

#include "plataforma/relatorio/ControlPainter.h"

#include <QBrush>
#include <QPen>
#include <QRectF>

namespace plataforma::relatorio {

// A rectangle with the default pen and brush: a black line one screen pixel wide, inside the
// box, around a white fill.
class ShapePainter : public ControlPainter {
public:
    explicit ShapePainter(const Control& control);

    void paint(QPainter& painter, QPointF bandOrigin, int row) override;

private:
    QPen m_pen;
    QBrush m_brush;
};

} // namespace plataforma::relatorio
