#pragma once

#include "modelos/fluxo/Objeto.h"

#include <QByteArray>
#include <QString>
#include <variant>
#include <vector>

// Typed settings from which the report, band and control objects of a
// template are built. Every length is in thousandths of a millimetre, the
// unit of the "mm" properties. Enumerations, colours and references are the
// identifiers that the templates store ("taCentered", "clBlack"). Every
// member has an initializer, so a designated initializer may leave any out.
namespace fluxo {

struct Caixa {
    int esquerda = 0;
    int topo = 0;
    int largura = 0;
    int altura = 0;
};

struct Fonte {
    QString nome = QStringLiteral("Arial");
    int tamanho = 10;
    QString cor = QStringLiteral("clBlack");
    bool negrito = false;
    bool italico = false;
    bool sublinhado = false;
    bool riscado = false;
    QString conjuntoDeCaracteres = QStringLiteral("DEFAULT_CHARSET");
};

// The band kind code that controls record; every built-in control sits in
// the detail band.
inline constexpr int BandaDeDetalhe = 4;

// A text bound to a data field (TppDBText). The object name starts with "pp";
// the user name is the same without it.
struct TextoDeDados {
    QString nome{};
    QString campo{};
    QString pipeline{};
    Caixa caixa{};
    Fonte fonte{};
    bool tamanhoAutomatico = false;
    QString formato{};
    QString alinhamento = QStringLiteral("taLeftJustified");
    bool transparente = false;
    bool quebraDeLinha = false;
    int tipoDeBanda = BandaDeDetalhe;
};

// A bar code of a data field (TppDBBarCode); the font is that of the digits.
struct CodigoDeBarras {
    QString nome{};
    QString campo{};
    QString pipeline{};
    Caixa caixa{};
    Fonte fonte{};
    QString tipo{};
    bool codificacaoAutomatica = false;
    QString corDasBarras = QStringLiteral("clWindowText");
    bool calcularDigito = true;
    bool tamanhoAutomatico = true;
    bool transparente = false;
    int larguraDaBarra = 0;
    // The ratio of wide to narrow bars times 25400.
    int razaoDaBarraLarga = 0;
    int tipoDeBanda = BandaDeDetalhe;
};

// Fixed text (TppLabel).
struct Rotulo {
    QString nome{};
    QString legenda{};
    Caixa caixa{};
    Fonte fonte{};
    bool tamanhoAutomatico = false;
    QString alinhamento = QStringLiteral("taLeftJustified");
    bool transparente = false;
    bool quebraDeLinha = false;
    int tipoDeBanda = BandaDeDetalhe;
};

// A rectangle with the default pen and brush (TppShape).
struct Forma {
    QString nome{};
    Caixa caixa{};
    int tipoDeBanda = BandaDeDetalhe;
};

// A PNG picture (TppImage).
struct Imagem {
    QString nome{};
    Caixa caixa{};
    bool manterProporcao = true;
    bool esticar = false;
    QByteArray png{};
    int tipoDeBanda = BandaDeDetalhe;
};

// A line along one edge of its box (TppLine); its weight is in points.
struct Linha {
    QString nome{};
    Caixa caixa{};
    QString corDaCaneta = QStringLiteral("clBlack");
    QString posicao = QStringLiteral("lpTop");
    float espessura = 0.75f;
    int tipoDeBanda = BandaDeDetalhe;
};

using Controle = std::variant<TextoDeDados, CodigoDeBarras, Rotulo, Forma, Imagem, Linha>;

enum class TipoDeBanda { Cabecalho, CabecalhoDeColuna, Detalhe, RodapeDeColuna, Rodape };

struct Banda {
    TipoDeBanda tipo = TipoDeBanda::Detalhe;
    int altura = 0;
    int deslocamentoInferior = 0;
    int posicaoDeImpressao = 0;
    // Detail band only: the order in which labels fill the columns.
    QString percursoDasColunas = QStringLiteral("ctTopToBottom");
    std::vector<Controle> controles{};
};

// The page setup of a report (its PrinterSetup properties).
struct Pagina {
    QString impressora{};
    QString bandeja{};
    QString documento{};
    QString papel{};
    int codigoDoPapel = 0;
    int largura = 0;
    int altura = 0;
    QString orientacao = QStringLiteral("poPortrait");
    int margemSuperior = 0;
    int margemInferior = 0;
    int margemEsquerda = 0;
    int margemDireita = 0;
    bool agrupar = true;
};

struct Relatorio {
    QString nome = QStringLiteral("ppReport1");
    bool pararSozinho = true;
    int colunas = 1;
    std::vector<int> posicoesDasColunas{};
    int larguraDaColuna = 0;
    QString pipeline{};
    Pagina pagina{};
    QString arquivoDoModelo{};
    QString unidade = QStringLiteral("utInches");
    QString dispositivo = QStringLiteral("Screen");
    QString idioma = QStringLiteral("lgDefault");
    QString aoPedirPagina{};
    bool estruturaCriaNo = true;
    bool estruturaCriaNosDePagina = true;
    bool estruturaAtiva = true;
    // The report component's design position on its form.
    int esquerda = 0;
    int topo = 0;
    QString versao = QStringLiteral("7.0");
    // In stream order: header, column header, detail, column footer, footer.
    std::vector<Banda> bandas{};
};

// The objects, built property by property through the class schemas, so each
// lands in its place and a default is left out where the schema says so.
Objeto montar(const Relatorio& relatorio);
Objeto montar(const Banda& banda);
Objeto montar(const Controle& controle);

} // namespace fluxo
