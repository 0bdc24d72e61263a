#pragma once

#include <QString>

namespace util {

// Asks a Yes/No question in a modal box owned by the active window, with the
// question icon; simPadrao makes Yes the button that Enter presses, otherwise
// No. True when the operator answers Yes.
bool Confirma(const QString& pergunta, bool simPadrao, const QString& titulo);

} // namespace util
