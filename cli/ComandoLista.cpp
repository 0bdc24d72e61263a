// etiquetas-cli lista ARQUIVO: loads a product list as the main window does
// and prints it as the grid shows it, one row a line, cells separated by TAB.
#include "cli/Comandos.h"
#include "cli/Lote.h"
#include "cli/Opcoes.h"
#include "cli/Saida.h"
#include "lista/CarregarLista.h"
#include "lista/ColunasProdutos.h"
#include "lista/TabelaProdutos.h"

namespace {

using plataforma::MemTable;

QString tabelaComoTexto(const MemTable& MemTable2) {
    QStringList celulas;
    for (const lista::ColunaProduto& coluna : lista::ColunasProdutos)
        celulas << coluna.titulo.toString();
    QString texto = celulas.join(u'\t') + u'\n';
    for (int linha = 0; linha < MemTable2.rowCount(); ++linha) {
        celulas.clear();
        for (const lista::ColunaProduto& coluna : lista::ColunasProdutos)
            celulas << MemTable2.displayText(linha, MemTable2.fieldIndex(coluna.campo));
        texto += celulas.join(u'\t') + u'\n';
    }
    return texto;
}

} // namespace

int ComandoLista(const QStringList& argumentos) {
    const std::optional<Opcoes> opcoes = lerOpcoes(argumentos, opcoesDe(u"lista"));
    if (!opcoes || opcoes->posicionais.size() != 1)
        return SaidaUsoIncorreto;
    const QString& arquivo = opcoes->posicionais[0];
    MemTable MemTable2;
    lista::DefinirCamposProdutos(MemTable2);
    if (!carregarLista(MemTable2, arquivo, QDate::currentDate()))
        return SaidaFalha;
    imprimir(tabelaComoTexto(MemTable2));
    return SaidaOk;
}
