#include "impressao/FigurasConfgImpressao.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace impressao {

namespace {

constexpr int Lado = 32;

QIcon desenhar(const std::function<void(QPainter&)>& desenho) {
    QPixmap figura(Lado, Lado);
    figura.fill(Qt::transparent);
    QPainter pintor(&figura);
    pintor.setRenderHint(QPainter::Antialiasing);
    desenho(pintor);
    pintor.end();
    return QIcon(figura);
}

} // namespace

QIcon FiguraRelatorioEtiquetas() {
    return desenhar([](QPainter& p) {
        p.setPen(QPen(QColor(0x1F, 0x5F, 0xB8), 2));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(2, 5, 28, 22), 3, 3);
        // Bars of one, two and three units, the way a real code mixes them.
        static constexpr int Larguras[] = {1, 2, 1, 1, 3, 1, 2, 1, 1, 2, 1, 3, 1};
        const QColor cinza(0x60, 0x60, 0x60);
        int x = 6;
        for (int i = 0; i < int(std::size(Larguras)); ++i) {
            if (i % 2 == 0)
                p.fillRect(x, 9, Larguras[i], 14, cinza);
            x += Larguras[i];
        }
    });
}

QIcon FiguraModelos() {
    return desenhar([](QPainter& p) {
        // The tag points up and to the left, its string hole near the point.
        QPainterPath etiqueta;
        etiqueta.moveTo(4, 4);
        etiqueta.lineTo(16, 4);
        etiqueta.lineTo(28, 16);
        etiqueta.lineTo(16, 28);
        etiqueta.lineTo(4, 16);
        etiqueta.closeSubpath();
        p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(etiqueta);
        p.drawEllipse(QPointF(10, 10), 2.2, 2.2);
    });
}

QIcon FiguraVideo() {
    return desenhar([](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xD8, 0x20, 0x20));
        p.drawRoundedRect(QRectF(1, 6, 30, 20), 6, 6);
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF({QPointF(12.5, 11), QPointF(21.5, 16), QPointF(12.5, 21)}));
    });
}

} // namespace impressao
