#pragma once

#include "cli/Ajuda.h"

#include <QString>

// The help screens of etiquetas-cli, in Portuguese, laid out for an 80-column terminal.

// The usage line and the list of commands, shown after a usage error.
QString textoDeUso();
// Everything: every command with its options and examples, and the exit codes.
QString ajudaGeral();
// One command with its options and examples, and the exit codes.
QString ajudaDoComando(const AjudaComando& comando);
// "etiquetas-cli VERSION"
QString textoDeVersao();
