#include "impressao/TabelaEtiquetas.h"

#include "impressao/MenorPreco.h"

namespace impressao {

using plataforma::FieldType;
using namespace Qt::StringLiterals;

void DefinirCamposEtiquetas(plataforma::MemTable& MemTable3) {
    const QString dinheiro = u"###,###,##0.00"_s;
    MemTable3.addField(lista::CID_PROD, FieldType::Integer)
        .setDisplayLabel(u"Código"_s)
        .setDisplayFormat(u"0"_s);
    MemTable3.addField(lista::CBARRAS, FieldType::Text, lista::TamanhoBarras)
        .setDisplayLabel(u"Cód. Barras"_s);
    MemTable3.addField(lista::CDESCRICAO, FieldType::Text, lista::TamanhoDescricao)
        .setDisplayLabel(u"Descrição"_s);
    MemTable3.addField(lista::CPRECO, FieldType::Money)
        .setDisplayLabel(u"Preço"_s)
        .setDisplayFormat(dinheiro);
    MemTable3.addField(lista::CPRECPRO, FieldType::Money)
        .setDisplayLabel(u"Preço Promoção"_s)
        .setDisplayFormat(dinheiro);
    MemTable3.addField(lista::CVLD_PRO, FieldType::Date)
        .setDisplayLabel(u"Validade Promoção"_s)
        .setDisplayFormat(u"dd/mm/yyyy"_s);
    MemTable3.addField(lista::CDESC, FieldType::Money)
        .setDisplayLabel(u"Perc. Desconto"_s)
        .setDisplayFormat(u"###,###,##0.00 %"_s);
    MemTable3.addField(lista::CPRECO_DESC, FieldType::Money)
        .setDisplayLabel(u"Preço com Desconto"_s)
        .setDisplayFormat(dinheiro);
    MemTable3.addField(lista::CLAB, FieldType::Text, lista::TamanhoFabricante)
        .setDisplayLabel(u"Fabricante"_s);
    MemTable3.addField(CPRECOPRAT, FieldType::Money)
        .setDisplayLabel(u"Menor Preço"_s)
        .setDisplayFormat(dinheiro)
        .setDisplayWidth(12);
}

plataforma::relatorio::LabelRules RegrasDasEtiquetas() {
    const plataforma::Money zero;
    return {
        .codeField = QString::fromLatin1(lista::CID_PROD),
        .descriptionField = QString::fromLatin1(lista::CDESCRICAO),
        .priceFields = {QString::fromLatin1(lista::CPRECO), QString::fromLatin1(lista::CPRECPRO),
                        QString::fromLatin1(lista::CPRECO_DESC), QString::fromLatin1(CPRECOPRAT)},
        .noPrice = MenorPreco(zero, zero, zero)};
}

} // namespace impressao
