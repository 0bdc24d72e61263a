#pragma once

#include <QString>

// Text for the terminal, in UTF-8.
void imprimir(const QString& texto);
void imprimirErro(const QString& texto);
