#pragma once

#include <QStringList>

// Exit codes of etiquetas-cli.
inline constexpr int SaidaOk = 0;
inline constexpr int SaidaFalha = 1;
inline constexpr int SaidaUsoIncorreto = 2;
// The labels went out, but some of them came out wrong (imprimir).
inline constexpr int SaidaProblemas = 3;

// One function per subcommand: it takes the arguments after the subcommand's
// name and returns the exit code. On SaidaUsoIncorreto the caller shows the
// usage after whatever the subcommand said.
int ComandoModelo(const QStringList& argumentos);
// lista ARQUIVO: the product list as the main window's grid shows it.
int ComandoLista(const QStringList& argumentos);
// lote ARQUIVO [--hoje DD/MM/AAAA]: the label rows that a product list gives.
int ComandoLote(const QStringList& argumentos);
// imprimir ARQUIVO --modelo ID|ARQUIVO.rtm (--pdf SAIDA.pdf | --impressora NOME)
// [--hoje DD/MM/AAAA] [--autoajuste]: the labels of a product list, printed with a template;
// each label that comes out wrong is one tab-separated line on standard error.
int ComandoImprimir(const QStringList& argumentos);
