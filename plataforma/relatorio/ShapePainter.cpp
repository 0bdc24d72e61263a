#include "plataforma/relatorio/ShapePainter.h"

#include "plataforma/relatorio/Control.h"

#include <QPainter>

namespace plataforma::relatorio {

namespace {

// One pixel of a 96 dpi screen, in millimetres.
constexpr double PenWidth = 25.4 / 96;

} // namespace

ShapePainter::ShapePainter(const Control& control)
    : ControlPainter(control),
      m_pen(Qt::black, PenWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin), m_brush(Qt::white) {}

void ShapePainter::paint(QPainter& painter, QPointF bandOrigin, int /*row*/) {
    painter.setPen(m_pen);
    painter.setBrush(m_brush);
    const double inset = PenWidth / 2;
    painter.drawRect(box().translated(bandOrigin).adjusted(inset, inset, -inset, -inset));
}

} // namespace plataforma::relatorio
