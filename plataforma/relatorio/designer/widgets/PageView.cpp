#include "plataforma/relatorio/designer/widgets/PageView.h"

#include <QPainter>

namespace plataforma::relatorio {

PageView::PageView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pageView"));
}

void PageView::setPage(const QImage& page) {
    m_page = page;
    const QSize size = page.isNull() ? QSize() : (page.deviceIndependentSize().toSize());
    setMinimumSize(size + QSize(2 * Margin, 2 * Margin));
    update();
}

void PageView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0x8C, 0x94, 0x9E));
    if (m_page.isNull())
        return;
    const QSize size = m_page.deviceIndependentSize().toSize();
    const QPoint corner(std::max(Margin, (width() - size.width()) / 2), Margin);
    painter.fillRect(QRect(corner + QPoint(4, 4), size), QColor(0x5A, 0x60, 0x68));
    painter.drawImage(QRect(corner, size), m_page);
}

} // namespace plataforma::relatorio
