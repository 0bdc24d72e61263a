#pragma once

#include "CamposIlegiveis.h"
#include "LinhaProduto.h"
#include "plataforma/MemTable.h"

#include <QDate>

namespace lista {

// No number or date of a list, with the blanks around it, runs this long: a longer field does
// not read.
inline constexpr qsizetype LimiteNumero = 64;

// Writes the fields of one product line into the product table's current row, in the file's
// field order: the description and the manufacturer upper-cased, the numbers and the date read
// by the import's rules. A value that does not read takes its field's default (0, quantity 1,
// the date zero) and, when not blank, is noted with its file line and text; an empty field is
// no value rather than an unreadable one.
class GravacaoProduto {
public:
    // hoje places dates without a year or with a two-digit year. The notes go to ilegiveis when
    // one is given.
    GravacaoProduto(plataforma::MemTable& tabela, QDate hoje, CamposIlegiveis* ilegiveis);

    void Gravar(LinhaProduto& linha, int linhaDoArquivo);

private:
    // Positions of the product fields, found once per load rather than by name for every value
    // of every row.
    struct Posicoes {
        explicit Posicoes(const plataforma::MemTable& tabela);
        int codigo, descricao, fabricante, barras, preco, precoDesconto, precoPromocao, desconto,
            quantidade, validade;
    };

    void gravarInteiro(int campo, QStringView texto, qint32 padrao);
    void gravarDecimal(int campo, QStringView texto);
    void gravarData(int campo, QStringView texto);
    void anotarIlegivel(int campo, QStringView texto);

    plataforma::MemTable& m_tabela;
    const Posicoes m_posicoes;
    const QDate m_hoje;
    CamposIlegiveis* m_ilegiveis;
    const LinhaProduto* m_linha = nullptr;
    int m_linhaDoArquivo = 0;
};

} // namespace lista
