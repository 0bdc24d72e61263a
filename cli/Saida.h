#pragma once

#include <QString>

// Text for the terminal, in UTF-8.
void imprimir(const QString& texto);
// An error message, after the program's name as every command-line tool starts its own.
void imprimirErro(const QString& texto);
// Text for standard error as it is, such as the usage after an error.
void imprimirNoErro(const QString& texto);
