#pragma once

#include <QStringList>

// One function per subcommand of etiquetas-cli. Each takes the arguments that
// follow its name and returns the exit code: 0 done, 1 failed, 2 bad usage.

// lista ARQUIVO: the product list as the main window's grid shows it.
int ComandoLista(const QStringList& argumentos);
