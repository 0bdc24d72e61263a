#pragma once

#include "TabelaProdutos.h"

#include <QRgb>
#include <QStringView>
#include <Qt>
#include <array>

namespace lista {

// One column of the product grid. The command line prints the list with the
// same columns, so they live here rather than in the window.
struct ColunaProduto {
    const char* campo;
    QStringView titulo;
    // Pixels; 0 takes the field's display width.
    int largura;
    bool editavel;
    Qt::Alignment alinhamento;
};

inline constexpr QRgb CorTitulosProdutos = 0x004080;
inline constexpr QRgb CorColunaEditavel = 0xFFFFAE;

// Left to right. The order differs from the table's field order on purpose:
// the operator wants the quantity next to the description and the prices
// together.
inline constexpr std::array<ColunaProduto, 10> ColunasProdutos{{
    {CID_PROD, u"Código", 0, false, Qt::AlignRight},
    {CBARRAS, u"Cód. Barras", 89, false, Qt::AlignLeft},
    {CDESCRICAO, u"Descrição", 307, true, Qt::AlignLeft},
    {CQTDE, u"Qtde", 67, true, Qt::AlignRight},
    {CPRECO, u"Preço", 0, false, Qt::AlignRight},
    {CDESC, u"Desconto", 0, false, Qt::AlignRight},
    {CPRECO_DESC, u"Preço com Desc.", 90, false, Qt::AlignRight},
    {CPRECPRO, u"Preço Promo.", 0, false, Qt::AlignRight},
    {CVLD_PRO, u"Validade Promoção", 0, false, Qt::AlignRight},
    {CLAB, u"Fabricante", 233, false, Qt::AlignLeft},
}};

} // namespace lista
