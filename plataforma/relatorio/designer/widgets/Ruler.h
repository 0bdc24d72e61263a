#pragma once

#include <QWidget>

namespace plataforma::relatorio {

class DesignSurface;

// A ruler along the design sheet in the report's unit: across the top, measuring from the
// bands' left edge; down the side, measuring each band from its own top.
class Ruler : public QWidget {
    Q_OBJECT

public:
    static constexpr int Thickness = 22;

    Ruler(Qt::Orientation orientation, DesignSurface& surface, QWidget* parent = nullptr);

    // Where the sheet's origin lies along the ruler, in the ruler's pixels.
    void setOffset(int offset);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Ticks for one measured stretch, from start (pixels along the ruler) for length
    // thousandths of a millimetre.
    void paintScale(QPainter& painter, double start, int length);

    Qt::Orientation m_orientation;
    DesignSurface& m_surface;
    int m_offset = 0;
};

} // namespace plataforma::relatorio
