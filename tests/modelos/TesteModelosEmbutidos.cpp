// The 23 built-in templates: which store answers each id, that every template
// text decodes to a well-formed stream that writes back the same, and what
// each template holds, fact by fact.
#include "modelos/ModelosEmbutidos.h"
#include "modelos/ModelosHex.h"
#include "modelos/fluxo/Escritor.h"
#include "modelos/fluxo/Esquema.h"
#include "modelos/fluxo/Leitor.h"
#include "modelos/fluxo/TextoHex.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTest>
#include <QtEndian>
#include <algorithm>

using fluxo::Objeto;
using fluxo::Valor;

namespace {

QString textoDoModelo(int id) {
    QString texto;
    modelos::ModeloHexTermico(static_cast<quint8>(id), texto);
    modelos::ModeloHexA4(static_cast<quint8>(id), texto);
    modelos::ModeloHexA4Extra(static_cast<quint8>(id), texto);
    return texto;
}

QByteArray fluxoDoModelo(int id) {
    return fluxo::textoParaFluxo(textoDoModelo(id));
}

Objeto arvoreDoModelo(int id) {
    return fluxo::lerFluxo(fluxoDoModelo(id));
}

// The object of that name anywhere in the tree; the root for an empty name.
const Objeto* achar(const Objeto& raiz, const QString& nome) {
    if (nome.isEmpty() || raiz.nome == nome) {
        return &raiz;
    }
    for (const Objeto& filho : raiz.filhos) {
        if (const Objeto* achado = achar(filho, nome)) {
            return achado;
        }
    }
    return nullptr;
}

QStringList nomesDosFilhos(const Objeto& objeto) {
    QStringList nomes;
    for (const Objeto& filho : objeto.filhos) {
        nomes.append(filho.nome);
    }
    return nomes;
}

void adicionarIds() {
    QTest::addColumn<int>("id");
    for (int id = 1; id <= 23; ++id) {
        QTest::addRow("modelo %d", id) << id;
    }
}

void contarInteiros(const Valor& valor, QMap<fluxo::Marcador, QList<qint64>>& porMarcador) {
    if (valor.tipo() == fluxo::Tipo::Inteiro) {
        porMarcador[valor.marcador()].append(valor.comoInteiro());
    }
    for (const Valor& item : valor.itens()) {
        contarInteiros(item, porMarcador);
    }
}

void contarInteiros(const Objeto& objeto, QMap<fluxo::Marcador, QList<qint64>>& porMarcador) {
    for (const fluxo::Propriedade& p : objeto.propriedades) {
        contarInteiros(p.valor, porMarcador);
    }
    for (const Objeto& filho : objeto.filhos) {
        contarInteiros(filho, porMarcador);
    }
}

// Checks every object of a tree against its class schema and the rules that
// all built-in templates share.
void conferirObjeto(const Objeto& objeto, const Objeto* pai) {
    const fluxo::Esquema* esquema = fluxo::esquemaDaClasse(objeto.classe);
    QVERIFY2(esquema, qPrintable(objeto.classe));
    int anterior = -1;
    for (const fluxo::Propriedade& p : objeto.propriedades) {
        const int ordem = esquema->ordem(p.nome);
        QVERIFY2(ordem > anterior, qPrintable(objeto.nome + u'.' + p.nome));
        anterior = ordem;
    }
    const bool controle = pai && pai->classe != QStringLiteral("TppReport");
    if (controle) {
        QCOMPARE(pai->classe, QStringLiteral("TppDetailBand"));
        QCOMPARE(objeto.classe, u'T' + objeto.nome.left(objeto.nome.size() - 1));
        QCOMPARE(objeto.valor(u"UserName")->comoTexto(), objeto.nome.mid(2));
        QCOMPARE(objeto.valor(u"BandType")->comoInteiro(), 4);
        if (objeto.valor(u"DataField")) {
            QCOMPARE(*objeto.valor(u"DataPipeline"),
                     Valor::identificador(QStringLiteral("Selecionados")));
            QCOMPARE(*objeto.valor(u"DataPipelineName"),
                     Valor::texto(QStringLiteral("Selecionados")));
        }
        if (objeto.valor(u"Font.Name")) {
            QCOMPARE(objeto.valor(u"Font.Charset")->comoTexto(), QStringLiteral("DEFAULT_CHARSET"));
        }
    } else if (pai) {
        QCOMPARE(objeto.valor(u"mmPrintPosition")->comoInteiro(), 0);
        if (objeto.classe != QStringLiteral("TppDetailBand")) {
            QCOMPARE(objeto.valor(u"mmBottomOffset")->comoInteiro(), 0);
            QVERIFY(objeto.filhos.empty());
        }
    }
    for (const Objeto& filho : objeto.filhos) {
        conferirObjeto(filho, &objeto);
    }
}

} // namespace

class TesteModelosEmbutidos : public QObject {
    Q_OBJECT

private slots:
    void cadaIdTemUmSoDeposito_data();
    void cadaIdTemUmSoDeposito();
    void fluxoDeCadaModelo_data() { adicionarIds(); }
    void fluxoDeCadaModelo();
    void fatos_data();
    void fatos();
    void bandasEControles_data();
    void bandasEControles();
    void inteirosNoMarcadorMaisEstreito();
    void fimDosFluxos();
    void figuraDoModelo10();
};

void TesteModelosEmbutidos::cadaIdTemUmSoDeposito_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("deposito");
    QTest::newRow("0") << 0 << QString();
    for (int id = 1; id <= 23; ++id) {
        const char* deposito = id <= 6 ? "termico" : (id >= 18 && id <= 21) ? "a4 extra" : "a4";
        QTest::addRow("%d", id) << id << QString::fromLatin1(deposito);
    }
    QTest::newRow("24") << 24 << QString();
    QTest::newRow("255") << 255 << QString();
}

void TesteModelosEmbutidos::cadaIdTemUmSoDeposito() {
    QFETCH(int, id);
    QFETCH(QString, deposito);
    const auto byte = static_cast<quint8>(id);
    const QString intocado = QStringLiteral("intocado");
    QStringList responderam;
    const std::pair<const char*, void (*)(quint8, QString&)> depositos[] = {
        {"termico", modelos::ModeloHexTermico},
        {"a4", modelos::ModeloHexA4},
        {"a4 extra", modelos::ModeloHexA4Extra}};
    for (const auto& [nome, consultar] : depositos) {
        QString texto = intocado;
        consultar(byte, texto);
        if (texto != intocado) {
            responderam.append(QString::fromLatin1(nome));
        }
    }
    QCOMPARE(responderam, deposito.isEmpty() ? QStringList() : QStringList{deposito});
}

void TesteModelosEmbutidos::fluxoDeCadaModelo() {
    QFETCH(int, id);
    const QString texto = textoDoModelo(id);
    QVERIFY(texto.startsWith(u"54504630"));
    QVERIFY(texto.size() % 2 == 0);
    QVERIFY(QRegularExpression(QStringLiteral("^[0-9A-F]+$")).match(texto).hasMatch());

    const QByteArray bytes = fluxo::textoParaFluxo(texto);
    QCOMPARE(bytes.size(), texto.size() / 2);
    QCOMPARE(fluxo::fluxoParaTexto(bytes), texto);
    const Objeto arvore = fluxo::lerFluxo(bytes);
    QCOMPARE(fluxo::escreverFluxo(arvore), bytes);
    QCOMPARE(arvore, fluxo::montar(*modelos::modeloEmbutido(id)));

    QCOMPARE(arvore.classe, QStringLiteral("TppReport"));
    QCOMPARE(arvore.nome, QStringLiteral("ppReport1"));
    const std::pair<const char16_t*, Valor> comuns[] = {
        {u"AutoStop", Valor::booleano(false)},
        {u"DataPipeline", Valor::identificador(QStringLiteral("Selecionados"))},
        {u"PrinterSetup.DocumentName", Valor::texto(QStringLiteral("Report"))},
        {u"DeviceType", Valor::texto(QStringLiteral("Screen"))},
        {u"Language", Valor::identificador(QStringLiteral("lgPortugueseBrazil"))},
        {u"OutlineSettings.CreateNode", Valor::booleano(true)},
        {u"OutlineSettings.CreatePageNodes", Valor::booleano(true)},
        {u"OutlineSettings.Enabled", Valor::booleano(false)},
        {u"Left", Valor::inteiro(381)},
        {u"Top", Valor::inteiro(397)},
        {u"Version", Valor::texto(QStringLiteral("7.0"))},
        {u"DataPipelineName", Valor::texto(QStringLiteral("Selecionados"))}};
    for (const auto& [propriedade, valor] : comuns) {
        const Valor* lido = arvore.valor(propriedade);
        QVERIFY2(lido && *lido == valor, qPrintable(QString::fromUtf16(propriedade)));
    }
    QVERIFY(arvore.valor(u"Template.FileName")->comoTexto().startsWith(u"C:\\Etiquetas\\"));
    const Valor* colunas = arvore.valor(u"Columns");
    const Valor* posicoes = arvore.valor(u"ColumnPositions.Strings");
    QCOMPARE(posicoes ? qint64(posicoes->itens().size()) : 1, colunas ? colunas->comoInteiro() : 1);
    conferirObjeto(arvore, nullptr);
}

void TesteModelosEmbutidos::fatos_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("objeto");
    QTest::addColumn<QString>("propriedade");
    QTest::addColumn<Valor>("esperado"); // nil: the object does not list it

    const Valor ausente;
    auto texto = [](const char* t) {
        return Valor::texto(QString::fromUtf8(t));
    };
    auto nome = [](const char* n) {
        return Valor::identificador(QLatin1StringView(n));
    };
    auto inteiro = [](qint64 n) {
        return Valor::inteiro(n);
    };
    auto textos = [](QStringList itens) {
        std::vector<Valor> valores;
        for (const QString& item : itens) {
            valores.push_back(Valor::texto(item));
        }
        return Valor::lista(std::move(valores));
    };

    QTest::newRow("1 unica coluna") << 1 << ""
                                    << "Columns" << ausente;
    QTest::newRow("1 sem posicoes") << 1 << ""
                                    << "ColumnPositions.Strings" << ausente;
    QTest::newRow("1 coluna da largura do papel") << 1 << ""
                                                  << "mmColumnWidth" << inteiro(105000);
    QTest::newRow("1 milimetros") << 1 << ""
                                  << "Units" << nome("utMillimeters");
    QTest::newRow("1 sem evento") << 1 << ""
                                  << "OnPageRequest" << ausente;
    QTest::newRow("1 arquivo") << 1 << ""
                               << "Template.FileName" << texto("C:\\Etiquetas\\Zebra 1 coluna.rtm");
    QTest::newRow("1 EAN-13") << 1 << "ppDBBarCode1"
                              << "BarCodeType" << nome("bcEAN_13");
    QTest::newRow("1 sem digito calculado") << 1 << "ppDBBarCode1"
                                            << "CalcCheckDigit" << Valor::booleano(false);
    QTest::newRow("1 barra de 0,33") << 1 << "ppDBBarCode1"
                                     << "mmBarWidth" << inteiro(330);
    QTest::newRow("1 preco") << 1 << "ppDBText2"
                             << "DataField" << texto("CPRECO");
    QTest::newRow("1 formato de preco") << 1 << "ppDBText2"
                                        << "DisplayFormat" << texto("$#,0.00;($#,0.00)");
    QTest::newRow("1 preco negrito") << 1 << "ppDBText2"
                                     << "Font.Style" << Valor::conjunto({QStringLiteral("fsBold")});
    QTest::newRow("1 descricao sem negrito") << 1 << "ppDBText1"
                                             << "Font.Style" << Valor::conjunto({});
    QTest::newRow("2 bandeja em UTF-8") << 2 << ""
                                        << "PrinterSetup.BinName" << texto("Rolagem contínua");
    QTest::newRow("2 posicoes") << 2 << ""
                                << "ColumnPositions.Strings"
                                << textos({QStringLiteral("15000"), QStringLiteral("48000")});
    QTest::newRow("2 sem agrupar") << 2 << ""
                                   << "PrinterSetup.Collation" << Valor::booleano(false);
    QTest::newRow("2 margem esquerda") << 2 << ""
                                       << "PrinterSetup.mmMarginLeft" << inteiro(17000);
    QTest::newRow("3 impressora") << 3 << ""
                                  << "PrinterSetup.PrinterName" << texto("doPDF v7");
    QTest::newRow("3 deslocamento do detalhe") << 3 << "ppDetailBand1"
                                               << "mmBottomOffset" << inteiro(2000);
    QTest::newRow("4 Code 128") << 4 << "ppDBBarCode1"
                                << "BarCodeType" << nome("bcCode128");
    QTest::newRow("4 codificacao automatica") << 4 << "ppDBBarCode1"
                                              << "AutoEncode" << Valor::booleano(true);
    QTest::newRow("4 razao 2,2") << 4 << "ppDBBarCode1"
                                 << "mmWideBarRatio" << inteiro(55880);
    QTest::newRow("4 formato com espaco") << 4 << "ppDBText1"
                                          << "DisplayFormat" << texto("!99999;0; ");
    QTest::newRow("4 cabecalho") << 4 << "ppHeaderBand1"
                                 << "mmHeight" << inteiro(529);
    QTest::newRow("4 coluna da largura do papel") << 4 << ""
                                                  << "mmColumnWidth" << inteiro(80000);
    QTest::newRow("4 papel") << 4 << ""
                             << "PrinterSetup.PaperName" << texto("Envelope #10");
    QTest::newRow("4 codigo do papel") << 4 << ""
                                       << "PrinterSetup.PaperSize" << inteiro(160);
    QTest::newRow("5 bandeja em UTF-8") << 5 << ""
                                        << "PrinterSetup.BinName" << texto("Rolagem contínua");
    QTest::newRow("6 bandeja cortada")
        << 6 << ""
        << "PrinterSetup.BinName" << texto("Selecionar automaticame");
    QTest::newRow("6 margem direita") << 6 << ""
                                      << "PrinterSetup.mmMarginRight" << inteiro(2500);
    QTest::newRow("7 de cima para baixo") << 7 << "ppDetailBand1"
                                          << "ColumnTraversal" << ausente;
    QTest::newRow("7 transparente") << 7 << "ppDBText2"
                                    << "Transparent" << Valor::booleano(true);
    QTest::newRow("7 preco a esquerda") << 7 << "ppDBText2"
                                        << "TextAlignment" << ausente;
    QTest::newRow("7 evento") << 7 << ""
                              << "OnPageRequest" << nome("ppReport1PageRequest");
    QTest::newRow("8 preco promocional") << 8 << "ppDBText2"
                                         << "DataField" << texto("CPRECPRO");
    QTest::newRow("8 preco centrado") << 8 << "ppDBText2"
                                      << "TextAlignment" << nome("taCentered");
    QTest::newRow("8 arquivo em UTF-8")
        << 8 << ""
        << "Template.FileName" << texto("C:\\Etiquetas\\A4 2 Colunas promoção.rtm");
    QTest::newRow("9 papel") << 9 << ""
                             << "PrinterSetup.PaperName" << texto("A4 (210 x 297 mm)");
    QTest::newRow("9 razao 2,2") << 9 << "ppDBBarCode1"
                                 << "mmWideBarRatio" << inteiro(55880);
    QTest::newRow("10 esquerda para direita") << 10 << "ppDetailBand1"
                                              << "ColumnTraversal" << nome("ctLeftToRight");
    QTest::newRow("10 agrupa") << 10 << ""
                               << "PrinterSetup.Collation" << ausente;
    QTest::newRow("10 De") << 10 << "ppLabel1"
                           << "Caption" << texto("De:");
    QTest::newRow("10 Por em negrito")
        << 10 << "ppLabel2"
        << "Font.Style" << Valor::conjunto({QStringLiteral("fsBold")});
    QTest::newRow("10 figura esticada") << 10 << "ppImage1"
                                        << "Stretch" << Valor::booleano(true);
    QTest::newRow("10 figura sem proporcao") << 10 << "ppImage1"
                                             << "MaintainAspectRatio" << Valor::booleano(false);
    QTest::newRow("10 arquivo") << 10 << ""
                                << "Template.FileName"
                                << texto("C:\\Etiquetas\\3 colunas 10 linhas com Logo e preço "
                                         "DE-POR - Pomoção.rtm");
    QTest::newRow("11 deslocamento") << 11 << "ppDetailBand1"
                                     << "mmBottomOffset" << inteiro(1100);
    QTest::newRow("13 sem unidade") << 13 << ""
                                    << "Units" << ausente;
    QTest::newRow("13 largura") << 13 << ""
                                << "PrinterSetup.mmPaperWidth" << inteiro(210079);
    QTest::newRow("13 altura") << 13 << ""
                               << "PrinterSetup.mmPaperHeight" << inteiro(297127);
    QTest::newRow("13 opaco") << 13 << "ppDBText2"
                              << "Transparent" << ausente;
    QTest::newRow("13 posicoes") << 13 << ""
                                 << "ColumnPositions.Strings"
                                 << textos({"0", "52520", "105039", "157559"});
    QTest::newRow("13 deslocamento") << 13 << "ppDetailBand1"
                                     << "mmBottomOffset" << inteiro(2540);
    QTest::newRow("17 preco em Courier") << 17 << "ppDBText1"
                                         << "Font.Name" << texto("Courier New");
    QTest::newRow("17 preco sem formato") << 17 << "ppDBText1"
                                          << "DisplayFormat" << ausente;
    QTest::newRow("17 cabecalho") << 17 << "ppHeaderBand1"
                                  << "mmHeight" << inteiro(794);
    QTest::newRow("18 cabecalho") << 18 << "ppHeaderBand1"
                                  << "mmHeight" << inteiro(794);
    QTest::newRow("19 lote") << 19 << "ppDBText4"
                             << "DataField" << texto("CLOTE");
    QTest::newRow("19 margem superior") << 19 << ""
                                        << "PrinterSetup.mmMarginTop" << inteiro(13000);
    QTest::newRow("20 barra de 0,15") << 20 << "ppDBBarCode1"
                                      << "mmBarWidth" << inteiro(150);
    QTest::newRow("20 sete colunas") << 20 << ""
                                     << "Columns" << inteiro(7);
    QTest::newRow("21 arquivo com parentese") << 21 << ""
                                              << "Template.FileName"
                                              << texto("C:\\Etiquetas\\7 Colunas x 18 Linhas "
                                                       "sem preço).rtm");
    QTest::newRow("21 impressora") << 21 << ""
                                   << "PrinterSetup.PrinterName" << texto("Microsoft Print to PDF");
    QTest::newRow("22 paisagem") << 22 << ""
                                 << "PrinterSetup.Orientation" << nome("poLandscape");
    QTest::newRow("22 largura") << 22 << ""
                                << "PrinterSetup.mmPaperWidth" << inteiro(297000);
    QTest::newRow("22 altura") << 22 << ""
                               << "PrinterSetup.mmPaperHeight" << inteiro(210000);
    QTest::newRow("22 ainda A4") << 22 << ""
                                 << "PrinterSetup.PaperSize" << inteiro(9);
    QTest::newRow("22 detalhe") << 22 << "ppDetailBand1"
                                << "mmHeight" << inteiro(100013);
    QTest::newRow("22 de cima para baixo") << 22 << "ppDetailBand1"
                                           << "ColumnTraversal" << ausente;
    QTest::newRow("22 sem evento") << 22 << ""
                                   << "OnPageRequest" << ausente;
    QTest::newRow("22 preco vermelho") << 22 << "ppDBText2"
                                       << "Font.Color" << nome("clRed");
    QTest::newRow("22 preco de 72") << 22 << "ppDBText2"
                                    << "Font.Size" << inteiro(72);
    QTest::newRow("23 sem unidade") << 23 << ""
                                    << "Units" << ausente;
    QTest::newRow("23 sem evento") << 23 << ""
                                   << "OnPageRequest" << ausente;
    QTest::newRow("23 impressora") << 23 << ""
                                   << "PrinterSetup.PrinterName" << texto("Screen");
    QTest::newRow("23 largura") << 23 << ""
                                << "PrinterSetup.mmPaperWidth" << inteiro(210079);
    QTest::newRow("23 margem superior") << 23 << ""
                                        << "PrinterSetup.mmMarginTop" << inteiro(8636);
    QTest::newRow("23 posicoes") << 23 << ""
                                 << "ColumnPositions.Strings"
                                 << textos({"6350", "57282", "108214", "159147"});
    QTest::newRow("23 opaco") << 23 << "ppDBText2"
                              << "Transparent" << ausente;
}

void TesteModelosEmbutidos::fatos() {
    QFETCH(int, id);
    QFETCH(QString, objeto);
    QFETCH(QString, propriedade);
    QFETCH(Valor, esperado);
    const Objeto arvore = arvoreDoModelo(id);
    const Objeto* alvo = achar(arvore, objeto);
    QVERIFY(alvo);
    const Valor* valor = alvo->valor(propriedade);
    if (esperado.tipo() == fluxo::Tipo::Nulo) {
        QVERIFY(!valor);
        return;
    }
    QVERIFY(valor);
    QVERIFY(*valor == esperado);
    QCOMPARE(valor->marcador(), esperado.marcador());
}

void TesteModelosEmbutidos::bandasEControles_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QStringList>("bandas");
    QTest::addColumn<QStringList>("controles");
    const QStringList soDetalhe = {"ppDetailBand1"};
    const QStringList tres = {"ppColumnHeaderBand1", "ppDetailBand1", "ppColumnFooterBand1"};
    const QStringList cinco = {"ppHeaderBand1", "ppColumnHeaderBand1", "ppDetailBand1",
                               "ppColumnFooterBand1", "ppFooterBand1"};
    const QStringList cabecalhoDetalheRodape = {"ppHeaderBand1", "ppDetailBand1", "ppFooterBand1"};
    const QStringList textoBarrasPreco = {"ppDBText1", "ppDBBarCode1", "ppDBText2"};
    const QStringList moldura = {"ppShape1", "ppDBText1", "ppDBText2"};

    QTest::newRow("1") << 1 << soDetalhe << textoBarrasPreco;
    QTest::newRow("2") << 2 << tres << textoBarrasPreco;
    QTest::newRow("3") << 3 << tres << textoBarrasPreco;
    QTest::newRow("4") << 4 << cabecalhoDetalheRodape
                       << QStringList{"ppDBText2", "ppDBBarCode1", "ppDBText1"};
    QTest::newRow("5") << 5 << tres << textoBarrasPreco;
    QTest::newRow("6") << 6 << cinco << textoBarrasPreco;
    QTest::newRow("7") << 7 << tres << moldura;
    QTest::newRow("8") << 8 << tres << moldura;
    QTest::newRow("9") << 9 << tres
                       << QStringList{"ppShape1", "ppDBText1", "ppDBText2", "ppDBBarCode1"};
    QTest::newRow("10") << 10 << tres
                        << QStringList{"ppShape1", "ppDBText1", "ppDBText2", "ppLabel1",
                                       "ppLabel2", "ppDBText3", "ppImage1"};
    QTest::newRow("11") << 11 << tres << QStringList{"ppDBText1", "ppDBText3", "ppDBBarCode1"};
    QTest::newRow("12") << 12 << tres << QStringList{"ppDBText1", "ppDBText3"};
    QTest::newRow("13") << 13 << tres << moldura;
    QTest::newRow("14") << 14 << tres << QStringList{"ppDBText1", "ppDBText3", "ppDBBarCode1"};
    QTest::newRow("15") << 15 << tres << QStringList{"ppDBText1", "ppDBText3"};
    QTest::newRow("16") << 16 << tres << QStringList{"ppDBText1", "ppDBText3", "ppDBBarCode1"};
    QTest::newRow("17") << 17 << cinco << QStringList{"ppDBText3", "ppDBBarCode1", "ppDBText1"};
    QTest::newRow("18") << 18 << cinco << QStringList{"ppDBText3", "ppDBBarCode1"};
    QTest::newRow("19") << 19 << cinco
                        << QStringList{"ppDBText1", "ppDBText2", "ppDBText3", "ppDBText4"};
    QTest::newRow("20") << 20 << cinco << QStringList{"ppDBText1", "ppDBText2", "ppDBBarCode1"};
    QTest::newRow("21") << 21 << cinco << QStringList{"ppDBText1", "ppDBText2"};
    QTest::newRow("22") << 22 << tres << moldura;
    QTest::newRow("23") << 23 << tres << QStringList{"ppDBText1", "ppDBText2"};
}

void TesteModelosEmbutidos::bandasEControles() {
    QFETCH(int, id);
    QFETCH(QStringList, bandas);
    QFETCH(QStringList, controles);
    const Objeto arvore = arvoreDoModelo(id);
    QCOMPARE(nomesDosFilhos(arvore), bandas);
    QCOMPARE(nomesDosFilhos(*arvore.filho(u"ppDetailBand1")), controles);
}

void TesteModelosEmbutidos::inteirosNoMarcadorMaisEstreito() {
    // Every integer of every template, by the marker that carries it.
    QMap<fluxo::Marcador, QList<qint64>> porMarcador;
    for (int id = 1; id <= 23; ++id) {
        contarInteiros(arvoreDoModelo(id), porMarcador);
    }
    QCOMPARE(porMarcador.keys(), (QList{fluxo::Marcador::Inteiro8, fluxo::Marcador::Inteiro16,
                                        fluxo::Marcador::Inteiro32}));
    qsizetype total = 0;
    const std::tuple<fluxo::Marcador, qint64, qint64> faixas[] = {
        {fluxo::Marcador::Inteiro8, 0, 72},
        {fluxo::Marcador::Inteiro16, 150, 32666},
        {fluxo::Marcador::Inteiro32, 32808, 297127}};
    for (const auto& [marcador, menor, maior] : faixas) {
        const QList<qint64>& numeros = porMarcador[marcador];
        QCOMPARE(*std::min_element(numeros.cbegin(), numeros.cend()), menor);
        QCOMPARE(*std::max_element(numeros.cbegin(), numeros.cend()), maior);
        total += numeros.size();
    }
    QCOMPARE(total, 927);
}

void TesteModelosEmbutidos::fimDosFluxos() {
    // Template 1 ends on a control of its detail band: the control's list
    // ends, then the band's children, the report's children and the stream.
    QVERIFY(fluxoDoModelo(1).endsWith(QByteArray("BandType") + QByteArray::fromHex("0204"
                                                                                   "0000000000")));
    // Template 4 ends on an empty footer band.
    const QByteArray fim4 = QByteArray("mmPrintPosition") + QByteArray::fromHex("0200"
                                                                                "00000000");
    QVERIFY(fluxoDoModelo(4).endsWith(fim4));
    QVERIFY(!fluxoDoModelo(4).endsWith(QByteArray::fromHex("0200"
                                                           "0000000000")));
}

void TesteModelosEmbutidos::figuraDoModelo10() {
    const Objeto arvore = arvoreDoModelo(10);
    const Valor* dados = achar(arvore, QStringLiteral("ppImage1"))->valor(u"Picture.Data");
    QVERIFY(dados);
    const QByteArray bloco = dados->bytes();
    const QByteArray classe = QByteArray::fromHex("0A") + "TPNGObject";
    QVERIFY(bloco.startsWith(classe));
    const QByteArray png = bloco.mid(classe.size());

    QFile recurso(qEnvironmentVariable("ETIQUETAS_FONTE") + "/modelos/recursos/logo-farmacia.png");
    QVERIFY(recurso.open(QIODevice::ReadOnly));
    QCOMPARE(png, recurso.readAll());
    QCOMPARE(bloco.size(), 11 + png.size());

    QVERIFY(png.startsWith("\x89PNG\r\n\x1a\n"));
    QList<QByteArray> pedacos;
    for (qsizetype i = 8; i + 8 <= png.size();) {
        const auto tamanho = qFromBigEndian<quint32>(png.constData() + i);
        pedacos.append(png.mid(i + 4, 4));
        if (pedacos.last() == "IHDR") {
            const char* cabecalho = png.constData() + i + 8;
            QCOMPARE(qFromBigEndian<quint32>(cabecalho), 225u);
            QCOMPARE(qFromBigEndian<quint32>(cabecalho + 4), 225u);
            QCOMPARE(cabecalho[8], char(8));  // bits per sample
            QCOMPARE(cabecalho[9], char(3));  // indexed colour
            QCOMPARE(cabecalho[12], char(0)); // not interlaced
        }
        if (pedacos.last() == "PLTE") {
            QCOMPARE(tamanho, 49u * 3u);
        }
        i += 12 + tamanho;
    }
    QCOMPARE(pedacos, (QList<QByteArray>{"IHDR", "PLTE", "IDAT", "IEND"}));

    const QImage imagem = QImage::fromData(png, "PNG");
    QCOMPARE(imagem.size(), QSize(225, 225));
    QCOMPARE(imagem.format(), QImage::Format_Indexed8);
    QCOMPARE(imagem.colorCount(), 49);
}

QTEST_APPLESS_MAIN(TesteModelosEmbutidos)
#include "TesteModelosEmbutidos.moc"
