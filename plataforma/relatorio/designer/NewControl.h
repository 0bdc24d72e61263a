#pragma once

#include "modelos/fluxo/Objeto.h"
#include "plataforma/relatorio/Control.h"

#include <QString>
#include <array>

namespace plataforma::relatorio {

// The kinds of control an operator may add, in the palette's order.
inline constexpr std::array paletteKinds{ControlKind::Label,    ControlKind::Image,
                                         ControlKind::Shape,    ControlKind::Line,
                                         ControlKind::DataText, ControlKind::DataBarcode};

// What the operator calls a kind of control ("Texto de dados").
QString controlKindName(ControlKind kind);

// The size a control of the kind gets when it is placed with a click, in thousandths of a
// millimetre.
MmBox defaultControlSize(ControlKind kind);

// The first free object name for a class among every object of the layout: the class name
// without its leading T and a number ("ppDBText3").
QString nextControlName(const fluxo::Objeto& layout, QStringView className);

// A new control of a palette kind in the given box, named by nextControlName, with the settings
// an operator can start from: transparent texts in Arial 10, an EAN-13 bar code with 0.33 mm
// bars, an empty picture. Data controls read field of pipeline.
fluxo::Objeto newControl(ControlKind kind, const fluxo::Objeto& layout, const MmBox& box,
                         const QString& pipeline, const QString& field);

} // namespace plataforma::relatorio
