#include "plataforma/relatorio/designer/widgets/PaletteIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <array>

namespace plataforma::relatorio {

using namespace Qt::StringLiterals;

namespace {

constexpr int Size = 24;
const QColor Ink(0x2B, 0x3A, 0x4E);

template <typename Draw> QIcon drawn(Draw draw) {
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Ink, 1.5));
    painter.setBrush(Qt::NoBrush);
    draw(painter);
    return QIcon(pixmap);
}

void letters(QPainter& painter, const QString& text, bool bold) {
    QFont font(u"Sans Serif"_s);
    font.setPixelSize(bold ? 17 : 12);
    font.setBold(bold);
    painter.setFont(font);
    painter.drawText(QRect(0, 0, Size, Size), Qt::AlignCenter, text);
}

} // namespace

QIcon paletteIcon(ControlKind kind) {
    switch (kind) {
    case ControlKind::Label:
        return drawn([](QPainter& p) { letters(p, u"A"_s, true); });
    case ControlKind::Image:
        return drawn([](QPainter& p) {
            p.drawRect(QRectF(3, 5, 18, 14));
            p.setBrush(Ink);
            p.drawPolygon(QPolygonF({QPointF(5, 17), QPointF(10, 10), QPointF(14, 15),
                                     QPointF(16, 13), QPointF(19, 17)}));
            p.drawEllipse(QPointF(16, 9), 1.5, 1.5);
        });
    case ControlKind::Shape:
        return drawn([](QPainter& p) { p.drawRect(QRectF(4, 6, 16, 12)); });
    case ControlKind::Line:
        return drawn([](QPainter& p) {
            p.setPen(QPen(Ink, 2));
            p.drawLine(QPointF(3, 12), QPointF(21, 12));
        });
    case ControlKind::DataText:
        return drawn([](QPainter& p) {
            p.setPen(QPen(Ink, 1, Qt::DashLine));
            p.drawRect(QRectF(2.5, 5.5, 19, 13));
            p.setPen(Ink);
            letters(p, u"ab"_s, false);
        });
    case ControlKind::DataBarcode:
        return drawn([](QPainter& p) {
            constexpr std::array bars{4.0, 1.0, 2.0, 1.0, 3.0, 1.0, 1.0, 2.0, 1.0, 3.0};
            double x = 3;
            for (std::size_t i = 0; i < bars.size(); ++i) {
                if (i % 2 == 0)
                    p.fillRect(QRectF(x, 4, bars[i] * 0.9, 16), Ink);
                x += bars[i] * 0.9 + 0.6;
            }
        });
    case ControlKind::Unknown:
        break;
    }
    return {};
}

QIcon selectionIcon() {
    return drawn([](QPainter& p) {
        p.setBrush(Ink);
        p.drawPolygon(QPolygonF({QPointF(7, 3), QPointF(7, 19), QPointF(11, 15), QPointF(14, 21),
                                 QPointF(16, 20), QPointF(13, 14), QPointF(18, 14)}));
    });
}

} // namespace plataforma::relatorio
