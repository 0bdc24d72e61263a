#pragma once

#include <QPixmap>

namespace modelos {

// The catalogue's header picture, 32 x 32: a shelf price tag with a bar code.
QPixmap FiguraEtiqueta();

// The 16 x 16 glyph of the close button: a white cross on a red disc.
QPixmap GlifoFechar();

} // namespace modelos
