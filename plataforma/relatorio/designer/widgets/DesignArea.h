#pragma once

#include <QScrollArea>

namespace plataforma::relatorio {

class DesignSurface;
class Ruler;

// The design sheet in a scrolling view, with its rulers along the top and the left, which
// follow the scrolling.
class DesignArea : public QScrollArea {
    Q_OBJECT

public:
    DesignArea(DesignSurface* surface, QWidget* parent = nullptr);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void placeRulers();

    DesignSurface* m_surface;
    Ruler* m_top;
    Ruler* m_left;
    QWidget* m_corner;
};

} // namespace plataforma::relatorio
