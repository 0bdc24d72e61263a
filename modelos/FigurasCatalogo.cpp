#include "modelos/FigurasCatalogo.h"

#include <QPainter>
#include <QPainterPath>

namespace modelos {

namespace {

QPixmap transparente(int lado) {
    QPixmap figura(lado, lado);
    figura.fill(Qt::transparent);
    return figura;
}

} // namespace

QPixmap FiguraEtiqueta() {
    QPixmap figura = transparente(32);
    QPainter p(&figura);
    p.setRenderHint(QPainter::Antialiasing);

    // The tag: a card with its left end cut to a point, tilted a little.
    p.translate(16, 16);
    p.rotate(-20);
    QPainterPath etiqueta;
    etiqueta.moveTo(-14, 0);
    etiqueta.lineTo(-8, -8);
    etiqueta.lineTo(14, -8);
    etiqueta.lineTo(14, 8);
    etiqueta.lineTo(-8, 8);
    etiqueta.closeSubpath();
    p.setPen(QPen(QColor(0x1E, 0x6B, 0x3A), 1.5));
    p.setBrush(QColor(0xFF, 0xE0, 0x82));
    p.drawPath(etiqueta);

    // The hole for the string.
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(-8, 0), 2, 2);

    // A short bar code across the card.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    const int larguras[] = {1, 2, 1, 1, 2, 1, 2, 1};
    qreal x = -3;
    for (int largura : larguras) {
        p.drawRect(QRectF(x, -5, largura * 0.9, 10));
        x += largura * 0.9 + 1;
    }
    return figura;
}

QPixmap GlifoFechar() {
    QPixmap figura = transparente(16);
    QPainter p(&figura);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC6, 0x28, 0x28));
    p.drawEllipse(QRectF(1, 1, 14, 14));
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5.5, 5.5), QPointF(10.5, 10.5));
    p.drawLine(QPointF(10.5, 5.5), QPointF(5.5, 10.5));
    return figura;
}

} // namespace modelos
