#pragma once

#include <QStringList>

// Exit codes of etiquetas-cli.
inline constexpr int SaidaOk = 0;
inline constexpr int SaidaFalha = 1;
inline constexpr int SaidaUsoIncorreto = 2;

// One function per subcommand: it takes the arguments after the subcommand's
// name and returns the exit code. On SaidaUsoIncorreto the caller shows the
// usage after whatever the subcommand said.
int ComandoModelo(const QStringList& argumentos);
// lista ARQUIVO: the product list as the main window's grid shows it.
int ComandoLista(const QStringList& argumentos);
