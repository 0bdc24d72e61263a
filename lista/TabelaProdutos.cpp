#include "TabelaProdutos.h"

#include "plataforma/Exception.h"

namespace lista {

using plataforma::FieldType;

void DefinirCamposProdutos(plataforma::MemTable& MemTable2) {
    const QString dinheiro = QStringLiteral("###,###,##0.00");
    MemTable2.addField(CID_PROD, FieldType::Integer).setDisplayFormat(QStringLiteral("0"));
    MemTable2.addField(CBARRAS, FieldType::Text, TamanhoBarras);
    MemTable2.addField(CDESCRICAO, FieldType::Text, TamanhoDescricao);
    MemTable2.addField(CQTDE, FieldType::Integer);
    MemTable2.addField(CPRECO, FieldType::Money).setDisplayFormat(dinheiro);
    MemTable2.addField(CPRECPRO, FieldType::Money).setDisplayFormat(dinheiro);
    MemTable2.addField(CVLD_PRO, FieldType::Date).setDisplayFormat(QStringLiteral("dd/mm/yyyy"));
    MemTable2.addField(CDESC, FieldType::Money)
        .setDisplayFormat(QStringLiteral("###,###,##0.00 %"));
    MemTable2.addField(CPRECO_DESC, FieldType::Money).setDisplayFormat(dinheiro);
    MemTable2.addField(CLAB, FieldType::Text, TamanhoFabricante);
}

void MemTable2NewRecord(plataforma::MemTable&) {
    throw plataforma::SilentAbort();
}

} // namespace lista
