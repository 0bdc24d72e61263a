#include "plataforma/relatorio/LinePainter.h"

#include "plataforma/relatorio/Colors.h"
#include "plataforma/relatorio/Control.h"

#include <QPainter>
#include <algorithm>

namespace plataforma::relatorio {

LinePainter::LinePainter(const Control& control)
    : ControlPainter(control),
      m_pen(colorFromName(control.penColor()), std::max(control.weight(), 0.0f) * 25.4 / 72,
            Qt::SolidLine, Qt::FlatCap) {
    const QRectF box = control.box().inMillimetres();
    const double half = m_pen.widthF() / 2;
    switch (control.linePosition()) {
    case LinePosition::Top:
        m_line = QLineF(box.left(), box.top() + half, box.right(), box.top() + half);
        break;
    case LinePosition::Bottom:
        m_line = QLineF(box.left(), box.bottom() - half, box.right(), box.bottom() - half);
        break;
    case LinePosition::Left:
        m_line = QLineF(box.left() + half, box.top(), box.left() + half, box.bottom());
        break;
    case LinePosition::Right:
        m_line = QLineF(box.right() - half, box.top(), box.right() - half, box.bottom());
        break;
    }
}

void LinePainter::paint(QPainter& painter, QPointF bandOrigin, int /*row*/) {
    // A zero-width pen would draw a hairline.
    if (m_pen.widthF() <= 0)
        return;
    painter.setPen(m_pen);
    painter.drawLine(m_line.translated(bandOrigin));
}

} // namespace plataforma::relatorio
