#pragma once

#include <QIcon>

// The button pictures of the main window, drawn pixel by pixel on magenta;
// the colour of each picture's bottom-left pixel is transparent, as in every
// button picture of the program.

// 18 × 18: a white document with a green plus sign.
QIcon FiguraCarregarLista();
// 20 × 20: a green arrow pointing left, and its grey disabled form.
QIcon FiguraAnterior();
// 20 × 20: a green arrow pointing right, and its grey disabled form.
QIcon FiguraProximo();
// 18 × 18: a printer.
QIcon FiguraImpressora();
// 16 × 16: a sheet with a pencil, and its disabled form.
QIcon FiguraAlterar();
