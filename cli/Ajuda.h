#pragma once

#include <QStringView>
#include <span>

// What etiquetas-cli says about itself: every subcommand with its forms, what it does, its
// options and examples, and the exit codes. The help screens, the manual page and the option
// parser all read these tables, so an option is added by one line here.

// An option of a subcommand. One without a value is a switch.
struct Opcao {
    const char* nome;
    const char* valor;
    const char* descricao;
};

struct AjudaComando {
    const char* nome;
    // The forms of the call after the program's name, one a line.
    const char* uso;
    // One line for the list of commands.
    const char* resumo;
    // What the command does, in paragraphs separated by an empty line.
    const char* descricao;
    std::span<const Opcao> opcoes;
    // Whole command lines, one a line.
    const char* exemplos;
};

struct CodigoDeSaida {
    int codigo;
    const char* significado;
};

// What the program is, in one line.
extern const char* const DescricaoDoPrograma;

std::span<const AjudaComando> comandosDocumentados();
// Null for a name that is no subcommand.
const AjudaComando* ajudaDe(QStringView comando);
std::span<const Opcao> opcoesDe(QStringView comando);
std::span<const CodigoDeSaida> codigosDeSaida();
