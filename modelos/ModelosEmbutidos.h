#pragma once

#include "modelos/fluxo/Construtor.h"

#include <optional>

namespace modelos {

// The ready-made label layout of a template id, 1 to 23, as typed report
// settings; nothing for any other id.
std::optional<fluxo::Relatorio> modeloEmbutido(int id);

} // namespace modelos
