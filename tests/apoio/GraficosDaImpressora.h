#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

// The pages a label printer would print from a job in its own language, as 1-bit images with
// one pixel per printer dot, black where the head burns a dot: what the spooler's label driver
// sent, read back the way the printer reads it.

// Each ZPL graphic (~DG), in the order sent, decoded with ZPL's compression: runs counted by the
// letters G to Y (1 to 19) and g to z (20 to 400), a comma for a row's remaining zeros, an
// exclamation mark for its remaining ones, a colon for a copy of the row before.
QList<QImage> paginasZpl(const QByteArray& trabalho);

// Each EPL2 page (from one N to the next), built from its GW graphics: rows of raw bytes in
// which a cleared bit is a black dot.
QList<QImage> paginasEpl2(const QByteArray& trabalho);
