#pragma once

#include "plataforma/relatorio/Control.h"

#include <QIcon>

namespace plataforma::relatorio {

// A small picture of each kind of control for the palette, drawn here so that the designer
// needs no icon theme.
QIcon paletteIcon(ControlKind kind);
// The palette's selection arrow.
QIcon selectionIcon();

} // namespace plataforma::relatorio
