#include "cli/Ajuda.h"

#include <QLatin1StringView>
#include <algorithm>

namespace {

#define LISTA_DE_EXEMPLO ETIQUETAS_DADOS "/exemplos/produtos.csv"

const Opcao OpcoesLote[] = {
    {"--hoje", "DD/MM/AAAA", "o dia em que os preços valem (padrão: hoje)"},
};

const Opcao OpcoesImprimir[] = {
    {"--modelo", "ID|MODELO.rtm", "o modelo pronto de número ID (1 a 23) ou um\narquivo de modelo"},
    {"--pdf", "SAIDA.pdf", "grava as etiquetas no arquivo PDF SAIDA.pdf"},
    {"--impressora", "NOME", "envia as etiquetas à impressora NOME (os nomes\nestão em lpstat -p)"},
    {"--resolucao", "DPI",
     "com --pdf: as barras nos pontos de uma\nimpressora de DPI pontos por polegada\n(203, 300...)"},
    {"--hoje", "DD/MM/AAAA", "o dia em que os preços valem (padrão: hoje)"},
    {"--autoajuste", nullptr,
     "responde Sim quando o conteúdo passa da altura\n"
     "da página: o cabeçalho de coluna é reduzido e\n"
     "a impressão continua"},
};

const Opcao OpcoesModelo[] = {
    {"--texto", nullptr, "mostra os objetos do arquivo de modelo em vez de\ngravar um"},
};

const AjudaComando Comandos[] = {
    {"lista",
     "lista ARQUIVO",
     "mostra a lista de produtos do ARQUIVO",
     "Lê a lista de produtos exportada pelo sistema da loja (Windows-1252,\n"
     "separada por \";\") e a mostra como a grade da janela principal: uma\n"
     "linha por produto, colunas separadas por TAB, a primeira linha com os\n"
     "títulos das colunas.",
     {},
     "etiquetas-cli lista " LISTA_DE_EXEMPLO},
    {"lote", "lote ARQUIVO [--hoje DD/MM/AAAA]", "mostra as etiquetas que a lista do ARQUIVO gera",
     "Monta as etiquetas da lista de produtos como \"Configurar e Imprimir\" as\n"
     "monta: uma por cópia pedida na coluna Qtde, cada uma com o menor preço em\n"
     "vigor no dia. Mostra uma etiqueta por linha, campos separados por TAB, a\n"
     "primeira linha com os nomes dos campos que os modelos usam.",
     OpcoesLote,
     "etiquetas-cli lote " LISTA_DE_EXEMPLO "\n"
     "etiquetas-cli lote produtos.csv --hoje 01/12/2026"},
    {"imprimir", "imprimir ARQUIVO --modelo ID|MODELO.rtm (--pdf SAIDA.pdf | --impressora NOME)",
     "imprime as etiquetas da lista do ARQUIVO",
     "Monta as etiquetas da lista de produtos e as imprime com um modelo de\n"
     "etiqueta, num arquivo PDF ou numa impressora. Mostra quantas etiquetas e\n"
     "páginas saíram; cada problema encontrado (um código de barras que não se\n"
     "desenha, um texto que não cabe) vai para a saída de erros.",
     OpcoesImprimir,
     "etiquetas-cli imprimir produtos.csv --modelo 9 --pdf etiquetas.pdf\n"
     "etiquetas-cli imprimir loja.csv --modelo 2 --impressora Zebra --autoajuste"},
    {"modelo", "modelo ID ARQUIVO\nmodelo --texto ARQUIVO",
     "grava um modelo pronto, ou mostra um modelo",
     "Com ID (1 a 23), grava o modelo de etiqueta pronto no ARQUIVO (.rtm), como\n"
     "\"Salvar\" em \"Modelos de Etiquetas\", substituindo o arquivo sem perguntar.\n"
     "Com --texto, mostra os objetos de um arquivo de modelo, um por linha, com\n"
     "suas propriedades.",
     OpcoesModelo,
     "etiquetas-cli modelo 1 zebra.rtm\n"
     "etiquetas-cli modelo --texto zebra.rtm"},
};

const CodigoDeSaida Codigos[] = {
    {0, "tudo certo"},
    {1, "falha: um arquivo que não se lê ou não se grava, uma lista sem\n"
        "etiquetas, uma impressão recusada"},
    {2, "uso incorreto: comando, opção ou argumento errado (a linha de uso vai\n"
        "para a saída de erros)"},
    {3, "imprimir: as etiquetas saíram, mas a verificação encontrou problemas\n"
        "(listados na saída de erros)"},
};

} // namespace

const char* const DescricaoDoPrograma = "monta e imprime etiquetas de gôndola sem abrir janelas";

std::span<const AjudaComando> comandosDocumentados() {
    return Comandos;
}

const AjudaComando* ajudaDe(QStringView comando) {
    const auto* achado = std::find_if(
        std::begin(Comandos), std::end(Comandos),
        [comando](const AjudaComando& ajuda) { return comando == QLatin1StringView(ajuda.nome); });
    return achado == std::end(Comandos) ? nullptr : achado;
}

std::span<const Opcao> opcoesDe(QStringView comando) {
    const AjudaComando* ajuda = ajudaDe(comando);
    return ajuda ? ajuda->opcoes : std::span<const Opcao>();
}

std::span<const CodigoDeSaida> codigosDeSaida() {
    return Codigos;
}
