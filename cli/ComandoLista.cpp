#include "Comandos.h"
#include "lista/CarregarLista.h"
#include "lista/ColunasProdutos.h"
#include "lista/TabelaProdutos.h"
#include "plataforma/Exception.h"

#include <QFile>
#include <cstdio>

namespace {

using plataforma::MemTable;

// One line of cells separated by TAB, in UTF-8, ended by LF.
void escreverLinha(QFile& saida, const QStringList& celulas) {
    saida.write(celulas.join(u'\t').toUtf8());
    saida.write("\n");
}

void escreverTabela(QFile& saida, const MemTable& MemTable2) {
    QStringList celulas;
    for (const lista::ColunaProduto& coluna : lista::ColunasProdutos)
        celulas << coluna.titulo.toString();
    escreverLinha(saida, celulas);
    for (int linha = 0; linha < MemTable2.rowCount(); ++linha) {
        celulas.clear();
        for (const lista::ColunaProduto& coluna : lista::ColunasProdutos)
            celulas << MemTable2.displayText(linha, MemTable2.fieldIndex(coluna.campo));
        escreverLinha(saida, celulas);
    }
}

} // namespace

int ComandoLista(const QStringList& argumentos) {
    if (argumentos.size() != 1) {
        std::fputs("uso: etiquetas-cli lista ARQUIVO\n", stderr);
        return 2;
    }
    MemTable MemTable2;
    lista::DefinirCamposProdutos(MemTable2);
    try {
        lista::CarregarLista(MemTable2, argumentos[0]);
    } catch (const plataforma::Exception& erro) {
        std::fprintf(stderr, "etiquetas-cli: %s: %s\n", qUtf8Printable(argumentos[0]),
                     qUtf8Printable(erro.message()));
        return 1;
    }
    QFile saida;
    if (!saida.open(stdout, QIODevice::WriteOnly))
        return 1;
    escreverTabela(saida, MemTable2);
    return 0;
}
