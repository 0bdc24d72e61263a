#pragma once

#include <QIcon>

// The 32 × 32 pictures of the print hub's three buttons, on a transparent background.
namespace impressao {

// A grey bar code in a blue frame: printing the labels.
QIcon FiguraRelatorioEtiquetas();
// The black outline of a price tag: the ready-made label templates.
QIcon FiguraModelos();
// A white play triangle on a red rounded rectangle: the help video.
QIcon FiguraVideo();

} // namespace impressao
