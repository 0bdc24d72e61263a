#include "GrupoEntalhado.h"

#include <QPainter>
#include <qdrawutil.h>

void GrupoEntalhado::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    const QFontMetrics medidas(font());
    qDrawShadeRect(&pintor, rect().adjusted(0, medidas.height() / 2, 0, 0), palette(), true);
    const QRect titulo(8, 0, medidas.horizontalAdvance(title()), medidas.height());
    pintor.fillRect(titulo, palette().window());
    pintor.setPen(palette().color(QPalette::WindowText));
    pintor.drawText(titulo, Qt::AlignLeft | Qt::AlignVCenter, title());
}
