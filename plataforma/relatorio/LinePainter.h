#pragma once

#include "plataforma/relatorio/ControlPainter.h"

#include <QLineF>
#include <QPen>

namespace plataforma::relatorio {

// A line along one edge of its box, as thick as its weight in points, inside the box.
class LinePainter : public ControlPainter {
public:
    explicit LinePainter(const Control& control);

    void paint(QPainter& painter, QPointF bandOrigin, int row) override;

private:
    QLineF m_line;
    QPen m_pen;
};

} // namespace plataforma::relatorio
