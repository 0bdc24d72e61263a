#pragma once

#include "plataforma/relatorio/Report.h"

#include <QString>

namespace impressao {

inline constexpr int PrimeiroModelo = 1;
inline constexpr int UltimoModelo = 23;

// Puts a built-in label template into the report, as if the operator had exported it and
// opened the file in the designer. Throws plataforma::Exception for an id without a template.
void CarregarModeloEmbutido(plataforma::relatorio::Report& relatorio, int id);

} // namespace impressao
