#pragma once

#include <QStringView>
#include <array>

namespace plataforma {
class MemTable;
}

namespace modelos {

// The names of the A4-sheet templates that the catalogue offers, for template
// ids 7 to 21 in this order. They are shown exactly as they stand.
inline constexpr std::array<QStringView, 15> ModelosComum{
    u"A4 2 Colunas 11cm x 3cm",
    u"A4 2 Colunas promoção",
    u"3 Colunas x 8 Linhas (Padrão Gondola)",
    u"3 Colunas X 10 Linhas",
    u"4 Colunas x 18 linhas (com barras)",
    u"4 Colunas",
    u"4 Colunas X 10 Linhas",
    u"5 Colunas X 18 Linhas (com barras )",
    u"5 Colunas x 18 Linhas",
    u"5 Colunas x 13 Linhas (Nova)",
    u"5 Colunas x 13 barras",
    u"6 Colunas",
    u"6 Colunas x 16 Linhas (lote e barras)",
    u"7 Colunas x 18 Linhas",
    u"7 Colunas x 18 Linhas sem preço)",
};

// The fields of a catalogue list: id, modelo and salvar; a thermal printer's
// list also has exibir and arquivo. The table must be closed.
void DefinirListaTermica(plataforma::MemTable& lista);
void DefinirListaComum(plataforma::MemTable& lista);

// Appends the three templates of a thermal printer, "1 Coluna" to "3 Coluna",
// with the ids primeiroId to primeiroId + 2. Opens the table if it is closed.
void PreencherListaTermica(plataforma::MemTable& lista, int primeiroId);
// Appends the fifteen A4-sheet templates. Opens the table if it is closed.
void PreencherListaComum(plataforma::MemTable& lista);

} // namespace modelos
