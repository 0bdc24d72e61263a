// Feeds arbitrary bytes to the product list import: line splitting, field
// splitting and every field conversion.

#include "lista/CarregarLista.h"
#include "lista/TabelaProdutos.h"

#include <QBuffer>
#include <cstdlib>

namespace {

struct TabelaProdutos {
    TabelaProdutos() { lista::DefinirCamposProdutos(tabela); }
    plataforma::MemTable tabela;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    // One table for the whole run, so that every load also empties a loaded list.
    static TabelaProdutos produtos;
    plataforma::MemTable& MemTable2 = produtos.tabela;
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(dados),
                                               static_cast<qsizetype>(tamanho));
    QBuffer origem(&bytes);
    origem.open(QIODevice::ReadOnly);
    lista::CarregarLista(MemTable2, origem, QDate(2025, 6, 15));

    // Every row is one line of the input, and texts never outgrow their field.
    if (MemTable2.rowCount() > bytes.count('\n') + 1)
        std::abort();
    const int descricao = MemTable2.fieldIndex(lista::CDESCRICAO);
    for (int linha = 0; linha < MemTable2.rowCount(); ++linha)
        if (MemTable2.displayText(linha, descricao).size() > lista::TamanhoDescricao)
            std::abort();
    return 0;
}
