#include "Figuras.h"

#include <QBitmap>
#include <QPainter>
#include <QPixmap>
#include <QPolygon>
#include <functional>

namespace {

const QColor Magenta(0xFF, 0x00, 0xFF);

// The colours of one form of a picture: the normal one, or the greyed one a
// disabled button shows.
struct Tinta {
    QColor contorno;
    QColor cor;
    QColor clara;
    QColor papel;
    // The pencil: its wood, its outline and its eraser.
    QColor madeira;
    QColor contornoLapis;
    QColor borracha;
};

const Tinta Normal{
    QColor(0x0B, 0x5E, 0x0B), QColor(0x2E, 0xA0, 0x2E), QColor(0x8C, 0xDC, 0x8C), Qt::white,
    QColor(0xF0, 0xC0, 0x30), QColor(0x80, 0x50, 0x00), QColor(0xE0, 0x60, 0x60)};
const Tinta Desabilitada{QColor(0x80, 0x80, 0x80), QColor(0xA8, 0xA8, 0xA8),
                         QColor(0xD4, 0xD4, 0xD4), QColor(0xE4, 0xE4, 0xE4),
                         QColor(0xA8, 0xA8, 0xA8), QColor(0x80, 0x80, 0x80),
                         QColor(0xD4, 0xD4, 0xD4)};

using Desenho = std::function<void(QPainter&, const Tinta&)>;

QPixmap desenhar(int lado, const Desenho& desenho, const Tinta& tinta) {
    QPixmap figura(lado, lado);
    figura.fill(Magenta);
    {
        // No antialiasing: a blended edge would leave a magenta fringe.
        QPainter pintor(&figura);
        desenho(pintor, tinta);
    }
    const QColor transparente = figura.toImage().pixelColor(0, lado - 1);
    figura.setMask(figura.createMaskFromColor(transparente));
    return figura;
}

QIcon icone(int lado, const Desenho& desenho, bool comDesabilitada) {
    QIcon resultado(desenhar(lado, desenho, Normal));
    if (comDesabilitada)
        resultado.addPixmap(desenhar(lado, desenho, Desabilitada), QIcon::Disabled);
    return resultado;
}

// A page with its top-right corner folded, outlined.
void pagina(QPainter& p, const QRect& r, QColor papel, QColor contorno) {
    const int dobra = 4;
    const QPolygon folha({r.topLeft(), QPoint(r.right() - dobra, r.top()),
                          QPoint(r.right(), r.top() + dobra), r.bottomRight(), r.bottomLeft()});
    p.setPen(contorno);
    p.setBrush(papel);
    p.drawPolygon(folha);
    p.drawPolyline(
        QPolygon({QPoint(r.right() - dobra, r.top()), QPoint(r.right() - dobra, r.top() + dobra),
                  QPoint(r.right(), r.top() + dobra)}));
}

void seta(QPainter& p, const Tinta& t, bool paraDireita) {
    QPolygon forma({{2, 10}, {9, 3}, {9, 7}, {17, 7}, {17, 13}, {9, 13}, {9, 17}});
    if (paraDireita)
        forma = QTransform(-1, 0, 0, 1, 19, 0).map(forma);
    p.setPen(t.contorno);
    p.setBrush(t.cor);
    p.drawPolygon(forma);
    // A lighter stroke along the top of the shaft gives the arrow some body.
    p.setPen(t.clara);
    p.drawLine(paraDireita ? QLine(3, 8, 10, 8) : QLine(10, 8, 16, 8));
}

} // namespace

QIcon FiguraCarregarLista() {
    return icone(
        18,
        [](QPainter& p, const Tinta& t) {
            pagina(p, QRect(2, 1, 11, 15), t.papel, QColor(0x40, 0x40, 0x40));
            p.setPen(QColor(0xA0, 0xA0, 0xA0));
            for (int y = 5; y <= 9; y += 2)
                p.drawLine(4, y, 9, y);
            p.setPen(t.contorno);
            p.setBrush(t.cor);
            p.drawPolygon(QPolygon({{11, 8},
                                    {13, 8},
                                    {13, 11},
                                    {16, 11},
                                    {16, 13},
                                    {13, 13},
                                    {13, 16},
                                    {11, 16},
                                    {11, 13},
                                    {8, 13},
                                    {8, 11},
                                    {11, 11}}));
        },
        false);
}

QIcon FiguraAnterior() {
    return icone(
        20, [](QPainter& p, const Tinta& t) { seta(p, t, false); }, true);
}

QIcon FiguraProximo() {
    return icone(
        20, [](QPainter& p, const Tinta& t) { seta(p, t, true); }, true);
}

QIcon FiguraImpressora() {
    return icone(
        18,
        [](QPainter& p, const Tinta& t) {
            const QColor escuro(0x30, 0x30, 0x30);
            p.setPen(escuro);
            p.setBrush(t.papel);
            p.drawRect(4, 1, 9, 6);
            p.setBrush(QColor(0xB4, 0xB4, 0xB4));
            p.drawRect(1, 6, 15, 7);
            p.setPen(QColor(0xE0, 0xE0, 0xE0));
            p.drawLine(2, 7, 15, 7);
            p.setPen(escuro);
            p.setBrush(t.papel);
            p.drawRect(4, 11, 9, 5);
            p.setPen(QColor(0x90, 0x90, 0x90));
            p.drawLine(6, 13, 11, 13);
            p.fillRect(13, 9, 2, 1, t.cor);
        },
        false);
}

QIcon FiguraAlterar() {
    return icone(
        16,
        [](QPainter& p, const Tinta& t) {
            pagina(p, QRect(1, 1, 10, 13), t.papel, QColor(0x50, 0x50, 0x50));
            p.setPen(QColor(0xA0, 0xA0, 0xA0));
            for (int y = 5; y <= 11; y += 2)
                p.drawLine(3, y, 8, y);
            // The pencil, from its eraser at the top right down to the point.
            p.setPen(t.contornoLapis);
            p.setBrush(t.madeira);
            p.drawPolygon(QPolygon({{13, 2}, {15, 4}, {8, 11}, {6, 9}}));
            p.setBrush(t.borracha);
            p.drawPolygon(QPolygon({{13, 2}, {15, 4}, {14, 5}, {12, 3}}));
            p.setPen(QColor(0x20, 0x20, 0x20));
            p.drawLine(5, 12, 6, 11);
        },
        true);
}
