// etiquetas-cli lote ARQUIVO [--hoje DD/MM/AAAA]: builds the label batch of a product list and
// prints its rows, one label a line, values as the label table shows them, separated by TAB.
#include "cli/Comandos.h"
#include "cli/Lote.h"
#include "cli/Saida.h"
#include "impressao/TabelaEtiquetas.h"

namespace {

using plataforma::MemTable;

// A batch may hold a million rows: they go out a block at a time.
constexpr int LinhasPorBloco = 4096;

QString cabecalho(const MemTable& MemTable3) {
    QStringList nomes;
    for (int campo = 0; campo < MemTable3.fieldCount(); ++campo)
        nomes << MemTable3.field(campo).name();
    return nomes.join(u'\t') + u'\n';
}

QString linha(const MemTable& MemTable3, int linha) {
    QStringList celulas;
    for (int campo = 0; campo < MemTable3.fieldCount(); ++campo)
        celulas << MemTable3.displayText(linha, campo);
    return celulas.join(u'\t') + u'\n';
}

void imprimirTabela(const MemTable& MemTable3) {
    QString bloco = cabecalho(MemTable3);
    for (int i = 0; i < MemTable3.rowCount(); ++i) {
        bloco += linha(MemTable3, i);
        if ((i + 1) % LinhasPorBloco == 0) {
            imprimir(bloco);
            bloco.clear();
        }
    }
    imprimir(bloco);
}

} // namespace

int ComandoLote(const QStringList& argumentos) {
    const std::optional<Opcoes> opcoes = lerOpcoes(argumentos, opcoesDe(u"lote"));
    if (!opcoes || opcoes->posicionais.size() != 1)
        return SaidaUsoIncorreto;
    const std::optional<plataforma::Date> hoje = lerHoje(*opcoes);
    if (!hoje)
        return SaidaUsoIncorreto;
    MemTable MemTable3(QStringLiteral("MemTable3"));
    impressao::DefinirCamposEtiquetas(MemTable3);
    if (!montarLote(opcoes->posicionais[0], *hoje, MemTable3))
        return SaidaFalha;
    imprimirTabela(MemTable3);
    return SaidaOk;
}
