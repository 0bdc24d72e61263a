#pragma once

#include "modelos/fluxo/Objeto.h"

namespace fluxo {

// The layout the main window's report holds before any template is loaded:
// five columns on A4 in inches, bound to the label pipeline, with five empty
// bands, so it prints nothing.
Objeto arvoreDoRelatorioInicial();

} // namespace fluxo
