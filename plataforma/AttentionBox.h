#pragma once

#include <QString>

class QWidget;

namespace plataforma {

// The box that a guard on an operator action shows before it stops the
// action: caption "Atenção", information icon, OK button, owned by owner.
void showAttention(QWidget* owner, const QString& text);

} // namespace plataforma
