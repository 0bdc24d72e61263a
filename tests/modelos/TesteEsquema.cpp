// The class schemas: a property set by name lands in its fixed place, a
// default is left out, an unchanged value keeps its bytes; and the builder
// and the report's starting layout built through them.
#include "modelos/fluxo/Construtor.h"
#include "modelos/fluxo/Escritor.h"
#include "modelos/fluxo/Esquema.h"
#include "modelos/fluxo/Leitor.h"
#include "modelos/fluxo/RelatorioInicial.h"

#include <QTest>
#include <stdexcept>

using fluxo::Objeto;
using fluxo::Valor;

namespace {

Objeto objetoDa(const QString& classe) {
    return {classe, QString(), {}, {}, {}};
}

QStringList nomes(const Objeto& objeto) {
    QStringList lista;
    for (const fluxo::Propriedade& p : objeto.propriedades) {
        lista.append(p.nome);
    }
    return lista;
}

QStringList nomesDosFilhos(const Objeto& objeto) {
    QStringList lista;
    for (const Objeto& filho : objeto.filhos) {
        lista.append(filho.nome);
    }
    return lista;
}

Valor nome(const char* identificador) {
    return Valor::identificador(QLatin1StringView(identificador));
}

} // namespace

class TesteEsquema : public QObject {
    Q_OBJECT

private slots:
    void propriedadeCaiNoSeuLugar();
    void padraoFicaDeFora_data();
    void padraoFicaDeFora();
    void semPadraoSempreEscrita();
    void valorIgualGuardaSeusBytes();
    void propriedadeDesconhecidaGuardaSeuLugar();
    void usoIndevido_data();
    void usoIndevido();
    void rotuloComAjustesDeTexto();
    void linha();
    void relatorioInicial();
};

void TesteEsquema::propriedadeCaiNoSeuLugar() {
    Objeto texto = objetoDa(QStringLiteral("TppDBText"));
    fluxo::definir(texto, QStringLiteral("BandType"), Valor::inteiro(4));
    fluxo::definir(texto, QStringLiteral("Font.Size"), Valor::inteiro(8));
    fluxo::definir(texto, QStringLiteral("UserName"), Valor::texto(QStringLiteral("DBText1")));
    fluxo::definir(texto, QStringLiteral("mmLeft"), Valor::inteiro(10));
    fluxo::definir(texto, QStringLiteral("DataField"), Valor::texto(QStringLiteral("CPRECO")));
    fluxo::definir(texto, QStringLiteral("WordWrap"), Valor::booleano(true));
    QCOMPARE(nomes(texto),
             (QStringList{"UserName", "DataField", "Font.Size", "WordWrap", "mmLeft", "BandType"}));
}

void TesteEsquema::padraoFicaDeFora_data() {
    QTest::addColumn<QString>("classe");
    QTest::addColumn<QString>("propriedade");
    QTest::addColumn<Valor>("padrao");
    QTest::addColumn<Valor>("outro");
    QTest::newRow("AutoStop") << "TppReport"
                              << "AutoStop" << Valor::booleano(true) << Valor::booleano(false);
    QTest::newRow("Columns") << "TppReport"
                             << "Columns" << Valor::inteiro(1) << Valor::inteiro(3);
    QTest::newRow("ColumnPositions") << "TppReport"
                                     << "ColumnPositions.Strings" << Valor::lista({})
                                     << Valor::lista({Valor::texto(QStringLiteral("15000"))});
    QTest::newRow("Units") << "TppReport"
                           << "Units" << nome("utInches") << nome("utMillimeters");
    QTest::newRow("Orientation") << "TppReport"
                                 << "PrinterSetup.Orientation" << nome("poPortrait")
                                 << nome("poLandscape");
    QTest::newRow("OnPageRequest")
        << "TppReport"
        << "OnPageRequest" << Valor::identificador(QString()) << nome("ppReport1PageRequest");
    QTest::newRow("Template.FileName") << "TppReport"
                                       << "Template.FileName" << Valor::texto(QString())
                                       << Valor::texto(QStringLiteral("C:\\x.rtm"));
    QTest::newRow("ColumnTraversal")
        << "TppDetailBand"
        << "ColumnTraversal" << nome("ctTopToBottom") << nome("ctLeftToRight");
    QTest::newRow("TextAlignment")
        << "TppDBText"
        << "TextAlignment" << nome("taLeftJustified") << nome("taCentered");
    QTest::newRow("DisplayFormat") << "TppDBText"
                                   << "DisplayFormat" << Valor::texto(QString())
                                   << Valor::texto(QStringLiteral("$#,0.00;($#,0.00)"));
    QTest::newRow("CalcCheckDigit")
        << "TppDBBarCode"
        << "CalcCheckDigit" << Valor::booleano(true) << Valor::booleano(false);
    QTest::newRow("AutoSize do codigo")
        << "TppDBBarCode"
        << "AutoSize" << Valor::booleano(true) << Valor::booleano(false);
    QTest::newRow("WordWrap do rotulo")
        << "TppLabel"
        << "WordWrap" << Valor::booleano(false) << Valor::booleano(true);
    QTest::newRow("Stretch") << "TppImage"
                             << "Stretch" << Valor::booleano(false) << Valor::booleano(true);
    QTest::newRow("Weight") << "TppLine"
                            << "Weight" << Valor::simples(0.75f) << Valor::simples(1.5f);
}

void TesteEsquema::padraoFicaDeFora() {
    QFETCH(QString, classe);
    QFETCH(QString, propriedade);
    QFETCH(Valor, padrao);
    QFETCH(Valor, outro);
    Objeto objeto = objetoDa(classe);
    fluxo::definir(objeto, propriedade, padrao);
    QVERIFY(objeto.propriedades.empty());
    fluxo::definir(objeto, propriedade, outro);
    QVERIFY(objeto.valor(propriedade) && *objeto.valor(propriedade) == outro);
    fluxo::definir(objeto, propriedade, padrao);
    QVERIFY(objeto.propriedades.empty());
}

void TesteEsquema::semPadraoSempreEscrita() {
    Objeto banda = objetoDa(QStringLiteral("TppFooterBand"));
    fluxo::definir(banda, QStringLiteral("mmBottomOffset"), Valor::inteiro(0));
    Objeto texto = objetoDa(QStringLiteral("TppDBText"));
    fluxo::definir(texto, QStringLiteral("Font.Style"), Valor::conjunto({}));
    QCOMPARE(nomes(banda), QStringList{"mmBottomOffset"});
    QCOMPARE(nomes(texto), QStringList{"Font.Style"});
}

void TesteEsquema::valorIgualGuardaSeusBytes() {
    // Columns 2 stored wider than it needs, as another writer might.
    const QByteArray bytes = QByteArray::fromHex("54504630"
                                                 "095470705265706F7274"
                                                 "00") +
                             "\x07"
                             "Columns" +
                             QByteArray::fromHex("0402000000"
                                                 "000000");
    Objeto relatorio = fluxo::lerFluxo(bytes);
    fluxo::definir(relatorio, QStringLiteral("Columns"), Valor::inteiro(2));
    QCOMPARE(fluxo::escreverFluxo(relatorio).toHex(), bytes.toHex());
    fluxo::definir(relatorio, QStringLiteral("Columns"), Valor::inteiro(3));
    QCOMPARE(relatorio.valor(u"Columns")->marcador(), fluxo::Marcador::Inteiro8);
}

void TesteEsquema::propriedadeDesconhecidaGuardaSeuLugar() {
    Objeto forma = objetoDa(QStringLiteral("TppShape"));
    fluxo::definir(forma, QStringLiteral("mmTop"), Valor::inteiro(1));
    forma.propriedades.push_back({QStringLiteral("Brush.Color"), nome("clRed")});
    fluxo::definir(forma, QStringLiteral("UserName"), Valor::texto(QStringLiteral("Shape1")));
    fluxo::definir(forma, QStringLiteral("BandType"), Valor::inteiro(4));
    QCOMPARE(nomes(forma), (QStringList{"UserName", "mmTop", "Brush.Color", "BandType"}));
}

void TesteEsquema::usoIndevido_data() {
    QTest::addColumn<QString>("classe");
    QTest::addColumn<QString>("propriedade");
    QTest::addColumn<Valor>("valor");
    QTest::newRow("classe sem esquema") << "TppMemo"
                                        << "UserName" << Valor::texto(QStringLiteral("Memo1"));
    QTest::newRow("propriedade que a classe nao tem") << "TppShape"
                                                      << "Caption" << Valor::texto(QString());
    QTest::newRow("colunas como texto") << "TppReport"
                                        << "Columns" << Valor::texto(QStringLiteral("2"));
    QTest::newRow("percurso fora do detalhe") << "TppHeaderBand"
                                              << "ColumnTraversal" << nome("ctLeftToRight");
}

void TesteEsquema::usoIndevido() {
    QFETCH(QString, classe);
    QFETCH(QString, propriedade);
    QFETCH(Valor, valor);
    Objeto objeto = objetoDa(classe);
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, fluxo::definir(objeto, propriedade, valor));
    QVERIFY(objeto.propriedades.empty());
}

void TesteEsquema::rotuloComAjustesDeTexto() {
    const Objeto rotulo = fluxo::montar(fluxo::Rotulo{.nome = QStringLiteral("ppLabel3"),
                                                      .legenda = QStringLiteral("Oferta"),
                                                      .caixa = {1000, 2000, 30000, 4000},
                                                      .tamanhoAutomatico = true,
                                                      .alinhamento = QStringLiteral("taCentered"),
                                                      .transparente = true,
                                                      .quebraDeLinha = true});
    QCOMPARE(rotulo.classe, QStringLiteral("TppLabel"));
    QCOMPARE(nomes(rotulo),
             (QStringList{"UserName", "AutoSize", "Caption", "Font.Charset", "Font.Color",
                          "Font.Name", "Font.Size", "Font.Style", "TextAlignment", "Transparent",
                          "WordWrap", "mmHeight", "mmLeft", "mmTop", "mmWidth", "BandType"}));
    QCOMPARE(rotulo.valor(u"UserName")->comoTexto(), QStringLiteral("Label3"));
}

void TesteEsquema::linha() {
    fluxo::Linha linha{.nome = QStringLiteral("ppLine1"), .caixa = {0, 500, 40000, 2000}};
    Objeto objeto = fluxo::montar(linha);
    QCOMPARE(nomes(objeto),
             (QStringList{"UserName", "mmHeight", "mmLeft", "mmTop", "mmWidth", "BandType"}));

    linha.posicao = QStringLiteral("lpBottom");
    linha.espessura = 2.0f;
    linha.corDaCaneta = QStringLiteral("clRed");
    objeto = fluxo::montar(linha);
    QCOMPARE(nomes(objeto), (QStringList{"UserName", "Pen.Color", "Position", "Weight", "mmHeight",
                                         "mmLeft", "mmTop", "mmWidth", "BandType"}));
    QCOMPARE(objeto.valor(u"Weight")->marcador(), fluxo::Marcador::Simples);
    QCOMPARE(objeto.valor(u"Weight")->comoReal(), 2.0);
    QCOMPARE(fluxo::lerFluxo(fluxo::escreverFluxo(objeto)), objeto);
}

void TesteEsquema::relatorioInicial() {
    const Objeto relatorio = fluxo::arvoreDoRelatorioInicial();
    QCOMPARE(relatorio.classe, QStringLiteral("TppReport"));
    QCOMPARE(relatorio.nome, QStringLiteral("ppReport1"));
    // No unit, language or template file: inches, the default language and no
    // file until a template is loaded.
    QCOMPARE(nomes(relatorio), (QStringList{"AutoStop",
                                            "Columns",
                                            "DataPipeline",
                                            "PrinterSetup.BinName",
                                            "PrinterSetup.DocumentName",
                                            "PrinterSetup.PaperName",
                                            "PrinterSetup.PrinterName",
                                            "PrinterSetup.mmMarginBottom",
                                            "PrinterSetup.mmMarginLeft",
                                            "PrinterSetup.mmMarginRight",
                                            "PrinterSetup.mmMarginTop",
                                            "PrinterSetup.mmPaperHeight",
                                            "PrinterSetup.mmPaperWidth",
                                            "PrinterSetup.PaperSize",
                                            "DeviceType",
                                            "OnPageRequest",
                                            "OutlineSettings.CreateNode",
                                            "OutlineSettings.CreatePageNodes",
                                            "OutlineSettings.Enabled",
                                            "Left",
                                            "Top",
                                            "Version",
                                            "mmColumnWidth",
                                            "DataPipelineName"}));
    QCOMPARE(relatorio.valor(u"Columns")->comoInteiro(), 5);
    QCOMPARE(relatorio.valor(u"mmColumnWidth")->comoInteiro(), 39460);
    QCOMPARE(relatorio.valor(u"PrinterSetup.mmMarginLeft")->comoInteiro(), 6350);
    QCOMPARE(relatorio.valor(u"PrinterSetup.mmPaperHeight")->comoInteiro(), 297000);
    QCOMPARE(relatorio.valor(u"PrinterSetup.PaperSize")->comoInteiro(), 9);
    QCOMPARE(relatorio.valor(u"OnPageRequest")->comoTexto(),
             QStringLiteral("ppReport1PageRequest"));
    QCOMPARE(relatorio.valor(u"Version")->comoTexto(), QStringLiteral("7.0"));
    QVERIFY(!relatorio.valor(u"OutlineSettings.Enabled")->comoBooleano());

    QCOMPARE(nomesDosFilhos(relatorio),
             (QStringList{"ppHeaderBand1", "ppColumnHeaderBand1", "ppDetailBand1",
                          "ppColumnFooterBand1", "ppFooterBand1"}));
    const QList<qint64> alturas = {13229, 0, 13229, 0, 13229};
    for (qsizetype i = 0; i < alturas.size(); ++i) {
        const Objeto& banda = relatorio.filhos[i];
        QCOMPARE(nomes(banda), (QStringList{"mmBottomOffset", "mmHeight", "mmPrintPosition"}));
        QCOMPARE(banda.valor(u"mmHeight")->comoInteiro(), alturas[i]);
        QVERIFY(banda.filhos.empty());
    }
    QCOMPARE(fluxo::lerFluxo(fluxo::escreverFluxo(relatorio)), relatorio);
}

QTEST_APPLESS_MAIN(TesteEsquema)
#include "TesteEsquema.moc"
