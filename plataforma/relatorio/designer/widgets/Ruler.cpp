#include "plataforma/relatorio/designer/widgets/Ruler.h"

#include "plataforma/relatorio/Report.h"
#include "plataforma/relatorio/designer/widgets/DesignSurface.h"

#include <QPainter>

namespace plataforma::relatorio {

namespace {

// The labelled step of a unit in thousandths of a millimetre, and into how many ticks it falls.
struct Scale {
    int major;
    int divisions;
};

Scale scaleOf(Units units) {
    switch (units) {
    case Units::Inches:
        return {25400, 8};
    case Units::ScreenPixels:
        return {26458, 10}; // 100 pixels
    case Units::PrinterPixels:
        return {25400, 6}; // 600 pixels
    case Units::Millimeters:
    case Units::MMThousandths:
        break;
    }
    return {10000, 10};
}

} // namespace

Ruler::Ruler(Qt::Orientation orientation, DesignSurface& surface, QWidget* parent)
    : QWidget(parent), m_orientation(orientation), m_surface(surface) {
    setObjectName(orientation == Qt::Horizontal ? QStringLiteral("horizontalRuler")
                                                : QStringLiteral("verticalRuler"));
    QFont small = font();
    small.setPointSizeF(7);
    setFont(small);
}

void Ruler::setOffset(int offset) {
    m_offset = offset;
    update();
}

void Ruler::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.setPen(palette().color(QPalette::Mid));
    if (m_orientation == Qt::Horizontal)
        painter.drawLine(0, height() - 1, width(), height() - 1);
    else
        painter.drawLine(width() - 1, 0, width() - 1, height());
    painter.setPen(palette().color(QPalette::WindowText));

    const DesignSheet& sheet = m_surface.sheet();
    if (m_orientation == Qt::Horizontal) {
        const double width = sheet.size().width() - 2 * DesignSheet::Margin;
        paintScale(painter, m_offset + DesignSheet::Margin, sheet.toThousandths(width));
        return;
    }
    for (const DesignSheet::BandRow& row : sheet.bands())
        paintScale(painter, m_offset + row.area.top(), row.mmHeight);
}

void Ruler::paintScale(QPainter& painter, double start, int length) {
    const Units units = m_surface.units();
    const Scale scale = scaleOf(units);
    const double pixelsPerThousandth = m_surface.sheet().pixelsPerMillimetre() / 1000;
    const double tickPixels = scale.major * pixelsPerThousandth / scale.divisions;
    const int half = scale.divisions % 2 == 0 ? scale.divisions / 2 : scale.divisions;
    const double extent = m_orientation == Qt::Horizontal ? width() : height();
    for (int i = 0;; ++i) {
        const double along = static_cast<double>(i) * scale.major / scale.divisions;
        const double at = start + along * pixelsPerThousandth;
        if (along > length || at > extent)
            break;
        const bool major = i % scale.divisions == 0;
        const bool middle = i % half == 0;
        // Ticks closer than a few pixels blur into grey.
        if (at < 0 || (!major && !middle && tickPixels < 4))
            continue;
        const int size = major ? Thickness - 6 : middle ? Thickness / 2 - 2 : Thickness / 4;
        if (m_orientation == Qt::Horizontal) {
            painter.drawLine(QPointF(at, Thickness - size), QPointF(at, Thickness));
        } else {
            painter.drawLine(QPointF(Thickness - size, at), QPointF(Thickness, at));
        }
        if (!major || i == 0)
            continue;
        const QString label = QString::number(qRound(fromThousandths(qRound(along), units)));
        if (m_orientation == Qt::Horizontal)
            painter.drawText(QPointF(at + 2, 9), label);
        else
            painter.drawText(QPointF(1, at + 9), label);
    }
}

} // namespace plataforma::relatorio
