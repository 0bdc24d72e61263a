#include "plataforma/relatorio/LinePainter.h"

#include "plataforma/relatorio/Colors.h"
#include "plataforma/relatorio/Control.h"

#include <QPainter>
#include <algorithm>

namespace plataforma::relatorio {

LinePainter::LinePainter(const Control& control)
    : m_width(std::max(control.weight(), 0.0f) * 25.4 / 72),
      m_color(colorFromName(control.penColor())) {
    const QRectF box = control.box().inMillimetres();
    const double half = m_width / 2;
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
    if (m_width <= 0)
        return;
    painter.setPen(QPen(m_color, m_width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(m_line.translated(bandOrigin));
}

} // namespace plataforma::relatorio
