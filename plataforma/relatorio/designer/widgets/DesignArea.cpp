#include "plataforma/relatorio/designer/widgets/DesignArea.h"

#include "plataforma/relatorio/designer/widgets/DesignSurface.h"
#include "plataforma/relatorio/designer/widgets/Ruler.h"

#include <QScrollBar>

namespace plataforma::relatorio {

DesignArea::DesignArea(DesignSurface* surface, QWidget* parent)
    : QScrollArea(parent), m_surface(surface), m_top(new Ruler(Qt::Horizontal, *surface, this)),
      m_left(new Ruler(Qt::Vertical, *surface, this)), m_corner(new QWidget(this)) {
    setObjectName(QStringLiteral("designArea"));
    m_corner->setAutoFillBackground(true);
    setViewportMargins(Ruler::Thickness, Ruler::Thickness, 0, 0);
    setWidget(surface);
    setWidgetResizable(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(surface, &DesignSurface::sheetChanged, this, &DesignArea::placeRulers);
}

void DesignArea::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    placeRulers();
}

void DesignArea::scrollContentsBy(int dx, int dy) {
    QScrollArea::scrollContentsBy(dx, dy);
    placeRulers();
}

void DesignArea::placeRulers() {
    const QRect view = viewport()->geometry();
    m_top->setGeometry(view.left(), view.top() - Ruler::Thickness, view.width(), Ruler::Thickness);
    m_left->setGeometry(view.left() - Ruler::Thickness, view.top(), Ruler::Thickness,
                        view.height());
    m_corner->setGeometry(view.left() - Ruler::Thickness, view.top() - Ruler::Thickness,
                          Ruler::Thickness, Ruler::Thickness);
    m_top->setOffset(-horizontalScrollBar()->value());
    m_left->setOffset(-verticalScrollBar()->value());
}

} // namespace plataforma::relatorio
