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

    // The tag: a card with its left end cut to a point, tilted up.
    p.translate(16, 16);
    p.rotate(-30);
    QPainterPath etiqueta;
    etiqueta.moveTo(-16, 0);
    etiqueta.lineTo(-9, -9);
    etiqueta.lineTo(15, -9);
    etiqueta.lineTo(15, 9);
    etiqueta.lineTo(-9, 9);
    etiqueta.closeSubpath();
    p.setPen(QPen(QColor(0x1E, 0x6B, 0x3A), 1.5));
    p.setBrush(QColor(0xFF, 0xE0, 0x82));
    p.drawPath(etiqueta);

    // The hole for the string.
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(-9, 0), 2.2, 2.2);

    // A short bar code across the card.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    qreal x = -3;
    for (qreal largura : {2.0, 1.0, 1.0, 2.0, 1.0, 2.0, 1.0}) {
        p.drawRect(QRectF(x, -5.5, largura, 11));
        x += largura + 1.2;
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
