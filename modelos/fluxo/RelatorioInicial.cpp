#include "modelos/fluxo/RelatorioInicial.h"

#include "modelos/fluxo/Construtor.h"

namespace fluxo {

Objeto arvoreDoRelatorioInicial() {
    constexpr int Margem = 6350;
    constexpr int AlturaDasBandas = 13229;
    Relatorio relatorio;
    relatorio.pararSozinho = false;
    relatorio.colunas = 5;
    relatorio.larguraDaColuna = 39460;
    relatorio.pipeline = QStringLiteral("Selecionados");
    relatorio.pagina = {.impressora = QStringLiteral("Default"),
                        .bandeja = QStringLiteral("Default"),
                        .documento = QStringLiteral("Report"),
                        .papel = QStringLiteral("A4"),
                        .codigoDoPapel = 9,
                        .largura = 210000,
                        .altura = 297000,
                        .margemSuperior = Margem,
                        .margemInferior = Margem,
                        .margemEsquerda = Margem,
                        .margemDireita = Margem};
    relatorio.aoPedirPagina = QStringLiteral("ppReport1PageRequest");
    relatorio.estruturaAtiva = false;
    relatorio.esquerda = 381;
    relatorio.topo = 397;
    relatorio.bandas = {{.tipo = TipoDeBanda::Cabecalho, .altura = AlturaDasBandas},
                        {.tipo = TipoDeBanda::CabecalhoDeColuna},
                        {.tipo = TipoDeBanda::Detalhe, .altura = AlturaDasBandas},
                        {.tipo = TipoDeBanda::RodapeDeColuna},
                        {.tipo = TipoDeBanda::Rodape, .altura = AlturaDasBandas}};
    return montar(relatorio);
}

} // namespace fluxo
