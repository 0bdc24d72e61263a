#include "AlterarQuantidades.h"

#include "TabelaProdutos.h"

namespace lista {

namespace {

void percorrer(plataforma::MemTable& MemTable2, qint32 quantidade) {
    for (MemTable2.first(); !MemTable2.eof(); MemTable2.next()) {
        MemTable2.edit();
        MemTable2.setInteger(CQTDE, quantidade);
        MemTable2.post();
    }
}

} // namespace

void AlterarQuantidades(plataforma::MemTable& MemTable2, qint32 quantidade) {
    MemTable2.disableControls();
    try {
        percorrer(MemTable2, quantidade);
    } catch (...) {
        // The row that failed is given up, or moving to the first row would
        // try to post it again and fail again.
        if (MemTable2.state() != plataforma::MemTable::State::Browse)
            MemTable2.cancel();
        MemTable2.first();
        MemTable2.enableControls();
        throw;
    }
    MemTable2.first();
    MemTable2.enableControls();
}

} // namespace lista
