#include "modelos/ModelosEmbutidos.h"

#include <QFile>
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace modelos {

namespace {

using fluxo::Controle;
using fluxo::TipoDeBanda;

// Lengths in the table are millimetres; the templates store thousandths.
int mm(double milimetros) {
    return static_cast<int>(std::lround(milimetros * 1000.0));
}

struct CaixaMm {
    double esquerda;
    double topo;
    double largura;
    double altura;
};

fluxo::Caixa caixa(const CaixaMm& c) {
    return {mm(c.esquerda), mm(c.topo), mm(c.largura), mm(c.altura)};
}

const QString Arial = QStringLiteral("Arial");
const QString Courier = QStringLiteral("Courier New");
const QString Preto = QStringLiteral("clBlack");
const QString TextoDeJanela = QStringLiteral("clWindowText");
const QString Vermelho = QStringLiteral("clRed");
constexpr bool Negrito = true;
constexpr bool Normal = false;

fluxo::Fonte fonte(const QString& nome, int tamanho, bool negrito, const QString& cor) {
    return {.nome = nome, .tamanho = tamanho, .cor = cor, .negrito = negrito};
}

// The settings column of the control tables.
enum Ajuste : unsigned {
    Nenhum = 0,
    Centrado = 1,
    TamanhoAutomatico = 2,
    QuebraDeLinha = 4,
    FormatoDePreco = 8,
    Opaco = 16,
    CodificacaoAutomatica = 32,
};

const QString Pipeline = QStringLiteral("Selecionados");

Controle texto(const char* nome, const char* campo, const CaixaMm& c, const fluxo::Fonte& f,
               unsigned ajustes, const QString& formato = QString()) {
    return fluxo::TextoDeDados{
        .nome = QLatin1StringView(nome),
        .campo = QLatin1StringView(campo),
        .pipeline = Pipeline,
        .caixa = caixa(c),
        .fonte = f,
        .tamanhoAutomatico = (ajustes & TamanhoAutomatico) != 0,
        .formato = (ajustes & FormatoDePreco) ? QStringLiteral("$#,0.00;($#,0.00)") : formato,
        .alinhamento =
            (ajustes & Centrado) ? QStringLiteral("taCentered") : QStringLiteral("taLeftJustified"),
        .transparente = (ajustes & Opaco) == 0,
        .quebraDeLinha = (ajustes & QuebraDeLinha) != 0,
    };
}

Controle barras(const char* nome, const CaixaMm& c, const fluxo::Fonte& f, const char* tipo,
                double larguraDaBarra, int razaoDaBarraLarga, unsigned ajustes = Nenhum) {
    return fluxo::CodigoDeBarras{
        .nome = QLatin1StringView(nome),
        .campo = QStringLiteral("CBARRAS"),
        .pipeline = Pipeline,
        .caixa = caixa(c),
        .fonte = f,
        .tipo = QLatin1StringView(tipo),
        .codificacaoAutomatica = (ajustes & CodificacaoAutomatica) != 0,
        .corDasBarras = TextoDeJanela,
        .calcularDigito = false,
        .tamanhoAutomatico = false,
        .transparente = true,
        .larguraDaBarra = mm(larguraDaBarra),
        .razaoDaBarraLarga = razaoDaBarraLarga,
    };
}

Controle rotulo(const char* nome, const QString& legenda, const CaixaMm& c, const fluxo::Fonte& f) {
    return fluxo::Rotulo{.nome = QLatin1StringView(nome),
                         .legenda = legenda,
                         .caixa = caixa(c),
                         .fonte = f,
                         .transparente = true};
}

Controle forma(const char* nome, const CaixaMm& c) {
    return fluxo::Forma{.nome = QLatin1StringView(nome), .caixa = caixa(c)};
}

QByteArray logo() {
    QFile arquivo(QStringLiteral(":/modelos/logo-farmacia.png"));
    if (!arquivo.open(QIODevice::ReadOnly)) {
        throw std::logic_error("the pharmacy picture is missing from the program's resources");
    }
    return arquivo.readAll();
}

Controle imagem(const char* nome, const CaixaMm& c) {
    return fluxo::Imagem{.nome = QLatin1StringView(nome),
                         .caixa = caixa(c),
                         .manterProporcao = false,
                         .esticar = true,
                         .png = logo()};
}

struct BandaMm {
    TipoDeBanda tipo;
    double altura;
    double deslocamentoInferior;
};

BandaMm cabecalho(double altura) {
    return {TipoDeBanda::Cabecalho, altura, 0};
}
BandaMm cabecalhoDeColuna() {
    return {TipoDeBanda::CabecalhoDeColuna, 0, 0};
}
BandaMm detalhe(double altura, double deslocamento) {
    return {TipoDeBanda::Detalhe, altura, deslocamento};
}
BandaMm rodapeDeColuna() {
    return {TipoDeBanda::RodapeDeColuna, 0, 0};
}
BandaMm rodape() {
    return {TipoDeBanda::Rodape, 0, 0};
}

// The detail band between a column header and a column footer, both empty.
std::vector<BandaMm> tresBandas(double altura, double deslocamento) {
    return {cabecalhoDeColuna(), detalhe(altura, deslocamento), rodapeDeColuna()};
}

// The same between a header and an empty footer.
std::vector<BandaMm> cincoBandas(double alturaDoCabecalho, double altura, double deslocamento) {
    return {cabecalho(alturaDoCabecalho), cabecalhoDeColuna(), detalhe(altura, deslocamento),
            rodapeDeColuna(), rodape()};
}

struct PapelMm {
    double largura;
    double altura;
};

struct MargensMm {
    double superior;
    double inferior;
    double esquerda;
    double direita;
};

// One template: its printer and page setup, its columns, bands and report
// settings, and the controls of its detail band, in stream order.
struct Modelo {
    int id = 0;
    QString impressora = QStringLiteral("Default");
    QString bandeja = QStringLiteral("Default");
    QString papel = QStringLiteral("A4");
    int codigoDoPapel = 9;
    PapelMm tamanho = {210, 297};
    bool paisagem = false;
    MargensMm margens = {0, 0, 0, 0};
    bool agrupar = true;
    std::vector<double> colunas = {};
    double larguraDaColuna = 0;
    bool esquerdaParaDireita = false;
    bool milimetros = true;
    bool pedirPagina = false;
    std::vector<BandaMm> bandas = {};
    QString arquivo = {};
    std::vector<Controle> controles = {};
};

const QString Envelope = QStringLiteral("Envelope #10");
constexpr int CodigoDeEnvelope = 160;
const QString DoPdf = QStringLiteral("doPDF v7");
const QString PdfDoSistema = QStringLiteral("Microsoft Print to PDF");
const QString Rolagem = QStringLiteral("Rolagem contínua");

std::vector<Modelo> termicos() {
    return {
        {.id = 1,
         .papel = Envelope,
         .codigoDoPapel = CodigoDeEnvelope,
         .tamanho = {105, 30},
         .larguraDaColuna = 105,
         .bandas = {detalhe(29.898, 0)},
         .arquivo = QStringLiteral("Zebra 1 coluna.rtm"),
         .controles = {texto("ppDBText1", "CDESCRICAO", {8.467, 0, 87.048, 10.319},
                             fonte(Arial, 12, Normal, Preto), Centrado),
                       barras("ppDBBarCode1", {8.731, 10.319, 38.1, 17.463},
                              fonte(Courier, 8, Normal, TextoDeJanela), "bcEAN_13", 0.33, 76200),
                       texto("ppDBText2", "CPRECO", {49.848, 13.494, 32.004, 10.837},
                             fonte(Arial, 26, Negrito, Preto),
                             Centrado | TamanhoAutomatico | FormatoDePreco)}},
        {.id = 2,
         .bandeja = Rolagem,
         .papel = Envelope,
         .codigoDoPapel = CodigoDeEnvelope,
         .tamanho = {81, 40},
         .margens = {0, 0, 17, 0},
         .agrupar = false,
         .colunas = {15, 48},
         .larguraDaColuna = 33,
         .esquerdaParaDireita = true,
         .bandas = tresBandas(19.579, 0),
         .arquivo = QStringLiteral("Zebra 2 colunas.rtm"),
         .controles = {texto("ppDBText1", "CDESCRICAO", {0, 0, 32.544, 3.598},
                             fonte(Arial, 9, Normal, Preto), Nenhum),
                       barras("ppDBBarCode1", {2.646, 3.704, 22.49, 10.054},
                              fonte(Courier, 8, Negrito, TextoDeJanela), "bcEAN_13", 0.2, 76200),
                       texto("ppDBText2", "CPRECOPRAT", {7.938, 13.494, 12.361, 4.233},
                             fonte(Arial, 10, Negrito, Preto),
                             TamanhoAutomatico | FormatoDePreco)}},
        {.id = 3,
         .impressora = DoPdf,
         .papel = Envelope,
         .codigoDoPapel = CodigoDeEnvelope,
         .tamanho = {90, 18},
         .margens = {0, 0, 3, 0},
         .agrupar = false,
         .colunas = {3, 32, 61},
         .larguraDaColuna = 27,
         .esquerdaParaDireita = true,
         .bandas = tresBandas(15.081, 2),
         .arquivo = QStringLiteral("Zebra 3 colunas.rtm"),
         .controles = {texto("ppDBText1", "CDESCRICAO", {0, 0, 26.194, 3.175},
                             fonte(Arial, 7, Negrito, Preto), Centrado | QuebraDeLinha),
                       barras("ppDBBarCode1", {0, 3.175, 26.458, 7.673},
                              fonte(Courier, 7, Normal, TextoDeJanela), "bcEAN_13", 0.2, 76200),
                       texto("ppDBText2", "CPRECOPRAT", {5.292, 10.319, 12.361, 4.233},
                             fonte(Arial, 10, Negrito, TextoDeJanela),
                             TamanhoAutomatico | FormatoDePreco)}},
        {.id = 4,
         .impressora = DoPdf,
         .papel = Envelope,
         .codigoDoPapel = CodigoDeEnvelope,
         .tamanho = {80, 31},
         .larguraDaColuna = 80,
         .bandas = {cabecalho(0.529), detalhe(30.163, 0), rodape()},
         .arquivo = QStringLiteral("Argox 1 coluna.rtm"),
         .controles = {texto("ppDBText2", "CPRECO", {40.746, 15.346, 24.553, 8.382},
                             fonte(Arial, 20, Negrito, TextoDeJanela),
                             TamanhoAutomatico | FormatoDePreco),
                       barras("ppDBBarCode1", {6.35, 14.552, 32.015, 10.054},
                              fonte(Arial, 8, Normal, TextoDeJanela), "bcCode128", 0.254, 55880,
                              CodificacaoAutomatica),
                       texto("ppDBText1", "CDESCRICAO", {1.852, 2.646, 73.29, 9.525},
                             fonte(Arial, 10, Normal, Preto), Centrado | QuebraDeLinha,
                             QStringLiteral("!99999;0; "))}},
        {.id = 5,
         .impressora = DoPdf,
         .bandeja = Rolagem,
         .papel = Envelope,
         .codigoDoPapel = CodigoDeEnvelope,
         .tamanho = {90, 18},
         .margens = {0, 0, 3, 0},
         .agrupar = false,
         .colunas = {5, 52},
         .larguraDaColuna = 43.5,
         .esquerdaParaDireita = true,
         .bandas = tresBandas(15.081, 2),
         .arquivo = QStringLiteral("Argox 2 colunas.rtm"),
         .controles = {texto("ppDBText1", "CDESCRICAO", {0, 0.529, 41.54, 3.598},
                             fonte(Arial, 9, Normal, Preto), Nenhum),
                       barras("ppDBBarCode1", {0, 4.763, 24.606, 10.054},
                              fonte(Courier, 8, Negrito, TextoDeJanela), "bcEAN_13", 0.2, 76200),
                       texto("ppDBText2", "CPRECOPRAT", {25.665, 7.144, 12.361, 4.233},
                             fonte(Arial, 10, Negrito, Preto),
                             TamanhoAutomatico | FormatoDePreco)}},
        {.id = 6,
         .impressora = DoPdf,
         .bandeja = QStringLiteral("Selecionar automaticame"),
         .papel = Envelope,
         .codigoDoPapel = CodigoDeEnvelope,
         .tamanho = {111, 23},
         .margens = {0, 0, 2.5, 2.5},
         .agrupar = false,
         .colunas = {2.5, 38.5, 74.5},
         .larguraDaColuna = 33,
         .esquerdaParaDireita = true,
         .bandas = cincoBandas(0, 20.638, 2),
         .arquivo = QStringLiteral("Argox 3 colunas.rtm"),
         .controles = {texto("ppDBText1", "CDESCRICAO", {0.529, 4.498, 28.31, 2.91},
                             fonte(Arial, 7, Normal, Preto), Nenhum),
                       barras("ppDBBarCode1", {2.646, 7.673, 24.606, 10.054},
                              fonte(Courier, 8, Negrito, TextoDeJanela), "bcEAN_13", 0.2, 76200),
                       texto("ppDBText2", "CPRECOPRAT", {6.615, 16.828, 11.261, 3.895},
                             fonte(Arial, 9, Negrito, Preto), TamanhoAutomatico | FormatoDePreco)}},
    };
}

std::vector<Modelo> folhasA4() {
    const std::vector<double> quatroColunas = {2, 54, 106, 158};
    const std::vector<double> cincoColunas = {2, 43.6, 85.2, 126.8, 168.4};
    const MargensMm margemDe2 = {2, 0, 2, 0};

    return {
        {.id = 7,
         .margens = {2, 2, 2, 2},
         .agrupar = false,
         .colunas = {2, 105},
         .larguraDaColuna = 103,
         .pedirPagina = true,
         .bandas = tresBandas(38.365, 1),
         .arquivo = QStringLiteral("A4 2 Colunas 11cm x 3cm.rtm"),
         .controles = {forma("ppShape1", {0, 0, 100.806, 35.19}),
                       texto("ppDBText1", "CDESCRICAO", {0.529, 0.529, 99.748, 18.256},
                             fonte(Arial, 18, Normal, Preto), Centrado | QuebraDeLinha),
                       texto("ppDBText2", "CPRECOPRAT", {31.221, 20.373, 37.338, 10.795},
                             fonte(Arial, 26, Negrito, Preto),
                             TamanhoAutomatico | FormatoDePreco)}},
        {.id = 8,
         .margens = {2, 2, 2, 2},
         .agrupar = false,
         .colunas = {2, 105},
         .larguraDaColuna = 103,
         .pedirPagina = true,
         .bandas = tresBandas(38.365, 1),
         .arquivo = QStringLiteral("A4 2 Colunas promoção.rtm"),
         .controles = {forma("ppShape1", {0, 0, 100.806, 35.19}),
                       texto("ppDBText1", "CDESCRICAO", {0.529, 0.529, 99.748, 18.256},
                             fonte(Arial, 18, Normal, Preto), Centrado | QuebraDeLinha),
                       texto("ppDBText2", "CPRECPRO", {31.734, 20.373, 37.338, 10.795},
                             fonte(Arial, 26, Negrito, Preto),
                             Centrado | TamanhoAutomatico | FormatoDePreco)}},
        {.id = 9,
         .papel = QStringLiteral("A4 (210 x 297 mm)"),
         .margens = {1, 0, 0, 0},
         .agrupar = false,
         .colunas = {2, 70.666, 139.332},
         .larguraDaColuna = 68.666,
         .pedirPagina = true,
         .bandas = tresBandas(32.808, 0),
         .arquivo = QStringLiteral("3 Colunas x 8 Linhas (Padrão Gondola).rtm"),
         .controles = {forma("ppShape1", {0, 0, 68.792, 32.544}),
                       texto("ppDBText1", "CDESCRICAO", {0.794, 2.117, 67.204, 10.054},
                             fonte(Arial, 12, Normal, Preto), Centrado | QuebraDeLinha),
                       texto("ppDBText2", "CPRECOPRAT", {36.248, 17.463, 24.384, 7.154},
                             fonte(Arial, 17, Negrito, Preto), TamanhoAutomatico | FormatoDePreco),
                       barras("ppDBBarCode1", {0, 12.965, 41.275, 17.992},
                              fonte(Courier, 8, Normal, TextoDeJanela), "bcEAN_13", 0.33, 55880)}},
        {.id = 10,
         .margens = {8, 0, 5, 0},
         .colunas = {5, 72, 139},
         .larguraDaColuna = 67,
         .esquerdaParaDireita = true,
         .pedirPagina = true,
         .bandas = tresBandas(28.84, 0),
         .arquivo = QStringLiteral("3 colunas 10 linhas com Logo e preço DE-POR - Pomoção.rtm"),
         .controles = {forma("ppShape1", {0.529, 0.265, 65.617, 25.665}),
                       texto("ppDBText1", "CDESCRICAO", {19.579, 1.852, 43.127, 14.605},
                             fonte(Arial, 12, Normal, Preto), TamanhoAutomatico | QuebraDeLinha),
                       texto("ppDBText2", "CPRECO", {7.408, 19.579, 24.077, 5.249},
                             fonte(Arial, 13, Normal, Preto), FormatoDePreco),
                       rotulo("ppLabel1", QStringLiteral("De:"), {1.588, 20.108, 5.556, 3.969},
                              fonte(Arial, 10, Normal, Preto)),
                       rotulo("ppLabel2", QStringLiteral("Por:"), {31.221, 20.638, 7.027, 4.191},
                              fonte(Arial, 10, Negrito, Preto)),
                       texto("ppDBText3", "CPRECPRO", {38.894, 18.785, 23.813, 6.265},
                             fonte(Arial, 15, Negrito, Preto), FormatoDePreco),
                       imagem("ppImage1", {3.175, 2.381, 13.229, 13.229})}},
        {.id = 11,
         .margens = margemDe2,
         .colunas = quatroColunas,
         .larguraDaColuna = 52,
         .esquerdaParaDireita = true,
         .pedirPagina = true,
         .bandas = tresBandas(15.081, 1.1),
         .arquivo = QStringLiteral("4 Colunas x 18 linhas (com barras).rtm"),
         .controles = {texto("ppDBText1", "CDESCRICAO", {2.646, 0.529, 46.831, 6.879},
                             fonte(Arial, 8, Negrito, Preto), Centrado | QuebraDeLinha),
                       texto("ppDBText3", "CPRECO", {8.996, 6.085, 34.131, 4.191},
                             fonte(Arial, 10, Negrito, Preto), Centrado | FormatoDePreco),
                       barras("ppDBBarCode1", {13.758, 9.79, 28.31, 7.408},
                              fonte(Courier, 8, Negrito, TextoDeJanela), "bcEAN_13", 0.2, 76200)}},
        {.id = 12,
         .margens = margemDe2,
         .colunas = quatroColunas,
         .larguraDaColuna = 52,
         .esquerdaParaDireita = true,
         .pedirPagina = true,
         .bandas = tresBandas(15.081, 1),
         .arquivo = QStringLiteral("4 Colunas.rtm"),
         .controles = {texto("ppDBText1", "CDESCRICAO", {2.381, 1.323, 47.096, 7.673},
                             fonte(Arial, 8, Negrito, Preto), Centrado | QuebraDeLinha),
                       texto("ppDBText3", "CPRECO", {8.731, 9.525, 34.66, 4.995},
                             fonte(Arial, 12, Negrito, Preto), Centrado | FormatoDePreco)}},
        {.id = 13,
         .impressora = PdfDoSistema,
         .tamanho = {210.079, 297.127},
         .colunas = {0, 52.52, 105.039, 157.559},
         .larguraDaColuna = 52.519,
         .esquerdaParaDireita = true,
         .milimetros = false,
         .pedirPagina = true,
         .bandas = tresBandas(26.988, 2.54),
         .arquivo = QStringLiteral("4 Colunas X 10 Linhas.rtm"),
         .controles = {forma("ppShape1", {1.323, 1.058, 50.536, 24.077}),
                       texto("ppDBText1", "CDESCRICAO", {2.91, 2.91, 47.361, 9.26},
                             fonte(Arial, 10, Negrito, Preto),
                             Centrado | TamanhoAutomatico | QuebraDeLinha),
                       texto("ppDBText2", "CPRECOPRAT", {1.852, 13.758, 49.477, 8.255},
                             fonte(Arial, 20, Negrito, TextoDeJanela),
                             Centrado | FormatoDePreco | Opaco)}},
        {.id = 14,
         .margens = margemDe2,
         .colunas = cincoColunas,
         .larguraDaColuna = 41.6,
         .esquerdaParaDireita = true,
         .pedirPagina = true,
         .bandas = tresBandas(15.081, 1.1),
         .arquivo = QStringLiteral("5 Colunas X 18 Linhas (com barras ).rtm"),
         .controles = {texto("ppDBText1", "CDESCRICAO", {1.588, 1.323, 38.1, 6.35},
                             fonte(Arial, 7, Normal, Preto), Centrado | QuebraDeLinha),
                       texto("ppDBText3", "CPRECOPRAT", {10.583, 6.085, 20.108, 3.81},
                             fonte(Arial, 9, Negrito, Preto), Centrado | FormatoDePreco),
                       barras("ppDBBarCode1", {8.996, 9.79, 28.31, 7.408},
                              fonte(Courier, 8, Negrito, TextoDeJanela), "bcEAN_13", 0.2, 76200)}},
        {.id = 15,
         .margens = margemDe2,
         .colunas = cincoColunas,
         .larguraDaColuna = 41.6,
         .esquerdaParaDireita = true,
         .pedirPagina = true,
         .bandas = tresBandas(15.081, 1.1),
         .arquivo = QStringLiteral("5 Colunas x 18 Linhas.rtm"),
         .controles = {texto("ppDBText1", "CDESCRICAO", {1.588, 1.323, 38.1, 8.467},
                             fonte(Arial, 9, Negrito, Preto), Centrado | QuebraDeLinha),
                       texto("ppDBText3", "CPRECOPRAT", {8.202, 9.525, 24.871, 4.995},
                             fonte(Arial, 12, Negrito, Preto), Centrado | FormatoDePreco)}},
        {.id = 16,
         .margens = margemDe2,
         .colunas = cincoColunas,
         .larguraDaColuna = 41.6,
         .esquerdaParaDireita = true,
         .pedirPagina = true,
         .bandas = tresBandas(20.638, 1.9),
         .arquivo = QStringLiteral("5 Colunas x 13 Linhas (Nova).rtm"),
         .controles = {texto("ppDBText1", "CDESCRICAO", {2.117, 1.058, 37.306, 7.938},
                             fonte(Arial, 9, Negrito, Preto), Centrado | QuebraDeLinha),
                       texto("ppDBText3", "CPRECO", {8.731, 8.467, 23.813, 4.995},
                             fonte(Arial, 12, Negrito, Preto), Centrado | FormatoDePreco),
                       barras("ppDBBarCode1", {8.731, 13.494, 28.31, 7.408},
                              fonte(Courier, 8, Negrito, TextoDeJanela), "bcEAN_13", 0.2, 76200)}},
        {.id = 17,
         .margens = {7, 6, 6, 6},
         .colunas = {6, 45.6, 85.2, 126, 166},
         .larguraDaColuna = 39.6,
         .esquerdaParaDireita = true,
         .pedirPagina = true,
         .bandas = cincoBandas(0.794, 21.431, 0),
         .arquivo = QStringLiteral("5 Colunas x 13 barras - ajustado.rtm"),
         .controles = {texto("ppDBText3", "CDESCRICAO", {1.323, 1.852, 37.571, 10.583},
                             fonte(Arial, 8, Normal, Preto), Centrado | QuebraDeLinha),
                       barras("ppDBBarCode1", {0.265, 14.023, 28.31, 7.408},
                              fonte(Courier, 8, Negrito, TextoDeJanela), "bcEAN_13", 0.2, 76200),
                       texto("ppDBText1", "CPRECOPRAT", {23.548, 15.875, 16.14, 3.175},
                             fonte(Courier, 8, Negrito, TextoDeJanela), Centrado)}},
        {.id = 18,
         .colunas = {6, 39, 72, 105, 138, 171},
         .larguraDaColuna = 33,
         .esquerdaParaDireita = true,
         .pedirPagina = true,
         .bandas = cincoBandas(0.794, 21.431, 1),
         .arquivo = QStringLiteral("6 Colunas.rtm"),
         .controles = {texto("ppDBText3", "CDESCRICAO", {3.704, 1.588, 26.194, 8.996},
                             fonte(Arial, 8, Negrito, Preto), Centrado | QuebraDeLinha),
                       barras("ppDBBarCode1", {4.498, 10.848, 28.31, 7.408},
                              fonte(Courier, 8, Negrito, TextoDeJanela), "bcEAN_13", 0.2, 76200)}},
        {.id = 19,
         .margens = {13, 12, 7, 7},
         .colunas = {7, 39.666, 72.332, 104.998, 137.664, 170.33},
         .larguraDaColuna = 32.666,
         .esquerdaParaDireita = true,
         .pedirPagina = true,
         .bandas = cincoBandas(0, 16.669, 0),
         .arquivo = QStringLiteral("6 Colunas x 16 Linhas (lote e barras).rtm"),
         .controles = {texto("ppDBText1", "CDESCRICAO", {1.323, 0, 29.369, 8.467},
                             fonte(Arial, 8, Normal, Preto), Centrado | QuebraDeLinha),
                       texto("ppDBText2", "CPRECO", {10.007, 12.965, 11.472, 3.26},
                             fonte(Arial, 8, Normal, Preto),
                             Centrado | TamanhoAutomatico | FormatoDePreco),
                       texto("ppDBText3", "CBARRAS", {1.323, 10.583, 29.369, 2.879},
                             fonte(Arial, 7, Normal, Preto), Centrado),
                       texto("ppDBText4", "CLOTE", {1.323, 7.938, 29.369, 2.879},
                             fonte(Arial, 7, Normal, Preto), Centrado)}},
        {.id = 20,
         .margens = {1, 0, 0, 0},
         .colunas = {7, 35, 63, 91, 119, 147, 175},
         .larguraDaColuna = 28,
         .esquerdaParaDireita = true,
         .pedirPagina = true,
         .bandas = cincoBandas(0, 16.14, 0),
         .arquivo = QStringLiteral("7 Colunas x 18 LinhasOk.rtm"),
         .controles = {texto("ppDBText1", "CDESCRICAO", {1.588, 1.058, 25.135, 6.085},
                             fonte(Arial, 6, Negrito, Preto), Centrado | QuebraDeLinha),
                       texto("ppDBText2", "CPRECO", {9.79, 6.085, 8.636, 2.582},
                             fonte(Arial, 6, Negrito, Preto), TamanhoAutomatico | FormatoDePreco),
                       barras("ppDBBarCode1", {4.498, 8.731, 19.315, 6.879},
                              fonte(Courier, 8, Normal, TextoDeJanela), "bcEAN_13", 0.15, 76200)}},
        {.id = 21,
         .impressora = PdfDoSistema,
         .margens = {15, 5, 10, 0},
         .colunas = {10, 38, 66, 94, 122, 150, 178},
         .larguraDaColuna = 28,
         .esquerdaParaDireita = true,
         .pedirPagina = true,
         .bandas = cincoBandas(0, 15.081, 0),
         .arquivo = QStringLiteral("7 Colunas x 18 Linhas sem preço).rtm"),
         .controles = {texto("ppDBText1", "CDESCRICAO", {1.058, 2.117, 24.765, 6.085},
                             fonte(Arial, 7, Negrito, Preto), Centrado | QuebraDeLinha),
                       texto("ppDBText2", "CBARRAS", {1.058, 8.467, 24.765, 3.175},
                             fonte(Arial, 7, Normal, Preto), Centrado | QuebraDeLinha)}},
        {.id = 22,
         .tamanho = {297, 210},
         .paisagem = true,
         .margens = {2, 0, 3, 2},
         .agrupar = false,
         .colunas = {3, 149},
         .larguraDaColuna = 146,
         .bandas = tresBandas(100.013, 3),
         .arquivo = QStringLiteral("4etiquetas Meu.rtm"),
         .controles = {forma("ppShape1", {0.265, 0.794, 141.023, 97.102}),
                       texto("ppDBText1", "CDESCRICAO", {2.91, 10.319, 135.467, 57.679},
                             fonte(Arial, 36, Negrito, Preto), Centrado | QuebraDeLinha),
                       texto("ppDBText2", "CPRECO", {20.902, 58.473, 101.071, 29.21},
                             fonte(Arial, 72, Normal, Vermelho), FormatoDePreco)}},
        {.id = 23,
         .impressora = QStringLiteral("Screen"),
         .papel = QStringLiteral("A4 210 x 297 mm"),
         .tamanho = {210.079, 297.127},
         .margens = {8.636, 0, 6.35, 0},
         .colunas = {6.35, 57.282, 108.214, 159.147},
         .larguraDaColuna = 50.932,
         .esquerdaParaDireita = true,
         .milimetros = false,
         .bandas = tresBandas(20.638, 13.97),
         .arquivo = QStringLiteral("4colunasx8 linhas - gondolapreconormal.rtm"),
         .controles = {texto("ppDBText1", "CDESCRICAO", {3.704, 0.529, 45.508, 10.848},
                             fonte(Arial, 10, Negrito, Preto), Centrado | QuebraDeLinha),
                       texto("ppDBText2", "CPRECO", {9.79, 11.377, 32.544, 8.731},
                             fonte(Arial, 23, Negrito, TextoDeJanela),
                             Centrado | FormatoDePreco | Opaco)}},
    };
}

// The settings every template shares, and the table's units turned into the
// stream's.
fluxo::Relatorio relatorio(const Modelo& m) {
    fluxo::Relatorio r;
    r.pararSozinho = false;
    r.colunas = m.colunas.empty() ? 1 : static_cast<int>(m.colunas.size());
    for (double coluna : m.colunas) {
        r.posicoesDasColunas.push_back(mm(coluna));
    }
    r.larguraDaColuna = mm(m.larguraDaColuna);
    r.pipeline = Pipeline;
    r.pagina = {.impressora = m.impressora,
                .bandeja = m.bandeja,
                .documento = QStringLiteral("Report"),
                .papel = m.papel,
                .codigoDoPapel = m.codigoDoPapel,
                .largura = mm(m.tamanho.largura),
                .altura = mm(m.tamanho.altura),
                .orientacao =
                    m.paisagem ? QStringLiteral("poLandscape") : QStringLiteral("poPortrait"),
                .margemSuperior = mm(m.margens.superior),
                .margemInferior = mm(m.margens.inferior),
                .margemEsquerda = mm(m.margens.esquerda),
                .margemDireita = mm(m.margens.direita),
                .agrupar = m.agrupar};
    r.arquivoDoModelo = QStringLiteral("C:\\Etiquetas\\") + m.arquivo;
    r.unidade = m.milimetros ? QStringLiteral("utMillimeters") : QStringLiteral("utInches");
    r.idioma = QStringLiteral("lgPortugueseBrazil");
    if (m.pedirPagina) {
        r.aoPedirPagina = QStringLiteral("ppReport1PageRequest");
    }
    r.estruturaAtiva = false;
    r.esquerda = 381;
    r.topo = 397;
    for (const BandaMm& b : m.bandas) {
        fluxo::Banda banda{.tipo = b.tipo,
                           .altura = mm(b.altura),
                           .deslocamentoInferior = mm(b.deslocamentoInferior)};
        if (b.tipo == TipoDeBanda::Detalhe) {
            banda.percursoDasColunas = m.esquerdaParaDireita ? QStringLiteral("ctLeftToRight")
                                                             : QStringLiteral("ctTopToBottom");
            banda.controles = m.controles;
        }
        r.bandas.push_back(std::move(banda));
    }
    return r;
}

} // namespace

std::optional<fluxo::Relatorio> modeloEmbutido(int id) {
    static const std::vector<Modelo> tabela = [] {
        std::vector<Modelo> todos = termicos();
        std::vector<Modelo> a4 = folhasA4();
        todos.insert(todos.end(), a4.begin(), a4.end());
        return todos;
    }();
    const auto achado =
        std::find_if(tabela.cbegin(), tabela.cend(), [id](const Modelo& m) { return m.id == id; });
    if (achado == tabela.cend()) {
        return std::nullopt;
    }
    return relatorio(*achado);
}

} // namespace modelos
