#pragma once

#include "modelos/fluxo/Construtor.h"

// A detail band holding a shape at (5, 5) mm and a text at (10, 20) mm over a header band of
// 10 mm, in millimetres.
inline fluxo::Objeto twoControls() {
    using namespace Qt::StringLiterals;
    fluxo::Relatorio report;
    report.pipeline = u"Selecionados"_s;
    report.unidade = u"utMillimeters"_s;
    report.pagina = {.papel = u"A4"_s, .codigoDoPapel = 9, .largura = 210000, .altura = 297000};
    report.larguraDaColuna = 68666;
    report.bandas = {
        {.tipo = fluxo::TipoDeBanda::Cabecalho, .altura = 10000},
        {.tipo = fluxo::TipoDeBanda::Detalhe,
         .altura = 32808,
         .controles = {fluxo::Forma{.nome = u"ppShape1"_s, .caixa = {5000, 5000, 60000, 25000}},
                       fluxo::TextoDeDados{.nome = u"ppDBText1"_s,
                                           .campo = u"CDESCRICAO"_s,
                                           .pipeline = u"Selecionados"_s,
                                           .caixa = {10000, 20000, 40000, 5000}}}}};
    return fluxo::montar(report);
}
