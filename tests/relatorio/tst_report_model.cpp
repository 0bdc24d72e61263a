#include "modelos/ModelosHex.h"
#include "modelos/fluxo/Construtor.h"
#include "modelos/fluxo/Escritor.h"
#include "modelos/fluxo/Esquema.h"
#include "modelos/fluxo/RelatorioInicial.h"
#include "modelos/fluxo/TextoHex.h"
#include "plataforma/Exception.h"
#include "plataforma/MemTable.h"
#include "plataforma/relatorio/MemTablePipeline.h"
#include "plataforma/relatorio/Report.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <unistd.h>

using namespace plataforma::relatorio;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(plataforma::relatorio::Units)

namespace {

QByteArray read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A label template in millimetres with one data text; handler names the page-request handler.
fluxo::Objeto labelTemplate(const QString& handler) {
    fluxo::Relatorio report;
    report.pipeline = u"Selecionados"_s;
    report.pagina = {.papel = u"A4"_s, .largura = 210000, .altura = 297000};
    report.unidade = u"utMillimeters"_s;
    report.aoPedirPagina = handler;
    report.bandas = {
        {.tipo = fluxo::TipoDeBanda::Detalhe,
         .altura = 30000,
         .controles = {fluxo::TextoDeDados{
             .nome = u"ppDBText1"_s, .campo = u"CDESCRICAO"_s, .pipeline = u"Selecionados"_s}}}};
    return fluxo::montar(report);
}

// Classes and properties that the engine does not know, among ones it does.
fluxo::Objeto treeWithStrangers() {
    fluxo::Objeto tree = labelTemplate(u"ppReport1PageRequest"_s);
    tree.propriedades.insert(tree.propriedades.begin() + 3,
                             {u"PassSetting"_s, fluxo::Valor::identificador(u"psTwoPass"_s)});
    fluxo::Objeto& detail = tree.filhos.front();
    detail.filhos.push_back(
        {u"TppMemo"_s,
         u"ppMemo1"_s,
         {},
         {{u"Lines.Strings"_s, fluxo::Valor::lista({fluxo::Valor::texto(u"linha"_s)})}},
         {}});
    detail.filhos.front().propriedades.push_back({u"Ellipsis"_s, fluxo::Valor::booleano(true)});
    tree.filhos.push_back({u"TppSummaryBand"_s,
                           u"ppSummaryBand1"_s,
                           {},
                           {{u"mmHeight"_s, fluxo::Valor::inteiro(5000)}},
                           {}});
    return tree;
}

// The stream of a built-in template, from whichever store holds its id.
QByteArray builtInTemplate(quint8 id) {
    QString text;
    modelos::ModeloHexTermico(id, text);
    modelos::ModeloHexA4(id, text);
    modelos::ModeloHexA4Extra(id, text);
    return fluxo::textoParaFluxo(text);
}

} // namespace

class tst_ReportModel : public QObject {
    Q_OBJECT

private slots:
    void startingLayout();
    void unitsRead_data();
    void unitsRead();
    void unitsWrite_data();
    void unitsWrite();
    void shrinkingToPaperMinusThreePassesNextCheck_data();
    void shrinkingToPaperMinusThreePassesNextCheck();
    void writesBackWhatItRead_data();
    void writesBackWhatItRead();
    void unknownPropertiesKeepTheirPlaceAfterAChange();
    void loadReplacesHandlerBinding();
    void unknownHandlerStaysInLayoutAndBindsNothing();
    void pipelineBoundByName();
    void invalidFilesRefused_data();
    void invalidFilesRefused();
    void failedLoadKeepsLayout();
    void saveRecordsFullPath();
    void failedSaveChangesNothing();
    void saveKeepsHardLink();
    void controlsReadThroughHandles();
};

void tst_ReportModel::startingLayout() {
    Report report;
    QCOMPARE(report.units(), Units::Inches);
    QCOMPARE(report.columns(), 5);
    QCOMPARE(report.mmColumnWidth(), 39460);
    QCOMPARE(report.dataPipelineName(), u"Selecionados"_s);
    QCOMPARE(report.onPageRequest(), u"ppReport1PageRequest"_s);
    QCOMPARE(report.language(), Language::Default);
    QCOMPARE(report.bands().size(), 5u);
    QCOMPARE(report.band(BandKind::ColumnHeader)->mmHeight(), 0);
    QCOMPARE(report.band(BandKind::Detail)->height(), 13229 / 25400.0f);
    QCOMPARE(report.printerSetup().paperHeight(), 297000 / 25400.0f);
    QVERIFY(report.printerSetup().paperHeight() - report.band(BandKind::ColumnHeader)->height() >=
            3);
}

void tst_ReportModel::unitsRead_data() {
    QTest::addColumn<Units>("units");
    QTest::addColumn<int>("thousandths");
    QTest::addColumn<float>("expected");
    QTest::newRow("inches A4") << Units::Inches << 297000 << 11.692913f;
    QTest::newRow("inches one") << Units::Inches << 25400 << 1.0f;
    QTest::newRow("millimetres") << Units::Millimeters << 32808 << 32.808f;
    QTest::newRow("mm thousandths") << Units::MMThousandths << 297127 << 297127.0f;
    QTest::newRow("screen pixels") << Units::ScreenPixels << 25400 << 96.0f;
    QTest::newRow("printer pixels") << Units::PrinterPixels << 25400 << 600.0f;
    QTest::newRow("negative") << Units::Millimeters << -1500 << -1.5f;
}

void tst_ReportModel::unitsRead() {
    QFETCH(Units, units);
    QFETCH(int, thousandths);
    QFETCH(float, expected);
    Report report;
    report.setUnits(units);
    report.printerSetup().setMmPaperHeight(thousandths);
    report.band(BandKind::Detail)->setMmHeight(thousandths);
    QCOMPARE(report.printerSetup().paperHeight(), expected);
    QCOMPARE(report.band(BandKind::Detail)->height(), expected);
}

void tst_ReportModel::unitsWrite_data() {
    QTest::addColumn<Units>("units");
    QTest::addColumn<float>("length");
    QTest::addColumn<int>("expected");
    QTest::newRow("inches") << Units::Inches << 8.692913f << 220800;
    QTest::newRow("millimetres") << Units::Millimeters << 294.0f << 294000;
    QTest::newRow("millimetres rounded") << Units::Millimeters << 15.0814f << 15081;
    QTest::newRow("mm thousandths") << Units::MMThousandths << 13229.4f << 13229;
    QTest::newRow("screen pixels") << Units::ScreenPixels << 48.0f << 12700;
}

void tst_ReportModel::unitsWrite() {
    QFETCH(Units, units);
    QFETCH(float, length);
    QFETCH(int, expected);
    Report report;
    report.setUnits(units);
    report.printerSetup().setPaperHeight(length);
    report.band(BandKind::ColumnHeader)->setHeight(length);
    QCOMPARE(report.printerSetup().mmPaperHeight(), expected);
    QCOMPARE(report.band(BandKind::ColumnHeader)->mmHeight(), expected);
}

void tst_ReportModel::shrinkingToPaperMinusThreePassesNextCheck_data() {
    QTest::addColumn<Units>("units");
    QTest::addColumn<int>("paper");
    QTest::newRow("inches, A4") << Units::Inches << 297000;
    QTest::newRow("millimetres, A4") << Units::Millimeters << 297000;
    QTest::newRow("millimetres, 297.127") << Units::Millimeters << 297127;
    QTest::newRow("inches, 297.127") << Units::Inches << 297127;
    QTest::newRow("mm thousandths") << Units::MMThousandths << 297127;
}

// The page-request check sets the band to PaperHeight - 3 and expects the next check to pass.
void tst_ReportModel::shrinkingToPaperMinusThreePassesNextCheck() {
    QFETCH(Units, units);
    QFETCH(int, paper);
    Report report;
    report.setUnits(units);
    report.printerSetup().setMmPaperHeight(paper);
    Band band = *report.band(BandKind::ColumnHeader);
    band.setHeight(report.printerSetup().paperHeight() + 10);
    QVERIFY(report.printerSetup().paperHeight() - band.height() < 3);
    band.setHeight(report.printerSetup().paperHeight() - 3);
    QVERIFY(report.printerSetup().paperHeight() - band.height() >= 3);
}

void tst_ReportModel::writesBackWhatItRead_data() {
    QTest::addColumn<QByteArray>("stream");
    QTest::newRow("starting layout") << fluxo::escreverFluxo(fluxo::arvoreDoRelatorioInicial());
    QTest::newRow("unknown classes and properties") << fluxo::escreverFluxo(treeWithStrangers());
    QTest::newRow("label template") << fluxo::escreverFluxo(labelTemplate({}));
    for (quint8 id = 1; id <= 23; ++id)
        QTest::addRow("built-in template %d", id) << builtInTemplate(id);
}

void tst_ReportModel::writesBackWhatItRead() {
    QFETCH(QByteArray, stream);
    Report report;
    report.loadFromStream(stream, u"modelo"_s);
    QCOMPARE(report.toStream(), stream);

    QTemporaryDir dir;
    const QString path = dir.filePath(u"modelo.rtm"_s);
    write(path, stream);
    Report fromFile;
    fromFile.loadFromFile(path);
    QCOMPARE(fromFile.toStream(), stream);
}

void tst_ReportModel::unknownPropertiesKeepTheirPlaceAfterAChange() {
    Report report;
    report.loadFromStream(fluxo::escreverFluxo(treeWithStrangers()), u"modelo"_s);
    report.setColumns(3);
    report.band(BandKind::Detail)->setMmHeight(25000);
    report.band(BandKind::Detail)->controls().front().setTextAlignment(TextAlignment::Center);

    fluxo::Objeto expected = treeWithStrangers();
    fluxo::definir(expected, u"Columns"_s, fluxo::Valor::inteiro(3));
    fluxo::definir(expected.filhos.front(), u"mmHeight"_s, fluxo::Valor::inteiro(25000));
    fluxo::definir(expected.filhos.front().filhos.front(), u"TextAlignment"_s,
                   fluxo::Valor::identificador(u"taCentered"_s));
    QCOMPARE(report.layout(), expected);
    QCOMPARE(report.toStream(), fluxo::escreverFluxo(expected));
}

void tst_ReportModel::loadReplacesHandlerBinding() {
    int calls = 0;
    HandlerRegistry handlers;
    handlers.publish(u"ppReport1PageRequest"_s, [&](Report&) { ++calls; });
    Report report;
    report.setHandlers(&handlers);
    QVERIFY(report.hasPageRequestHandler());
    report.raisePageRequest();
    QCOMPARE(calls, 1);

    report.loadFromStream(fluxo::escreverFluxo(labelTemplate({})), u"zebra"_s);
    QVERIFY(!report.hasPageRequestHandler());
    QCOMPARE(report.onPageRequest(), QString());
    report.raisePageRequest();
    QCOMPARE(calls, 1);

    report.loadFromStream(fluxo::escreverFluxo(labelTemplate(u"ppReport1PageRequest"_s)), u"a4"_s);
    report.raisePageRequest();
    QCOMPARE(calls, 2);
}

void tst_ReportModel::unknownHandlerStaysInLayoutAndBindsNothing() {
    HandlerRegistry handlers;
    handlers.publish(u"ppReport1PageRequest"_s, [](Report&) {});
    Report report;
    report.setHandlers(&handlers);
    const QByteArray stream = fluxo::escreverFluxo(labelTemplate(u"OutroHandler"_s));
    report.loadFromStream(stream, u"modelo"_s);
    QVERIFY(!report.hasPageRequestHandler());
    QCOMPARE(report.onPageRequest(), u"OutroHandler"_s);
    QCOMPARE(report.toStream(), stream);
}

void tst_ReportModel::pipelineBoundByName() {
    plataforma::MemTable table;
    table.addField("CDESCRICAO", plataforma::FieldType::Text, 60);
    MemTablePipeline selected(u"Selecionados"_s, table);
    MemTablePipeline other(u"Outro"_s, table);
    PipelineRegistry pipelines;
    pipelines.add(selected);
    pipelines.add(other);

    Report report;
    report.setPipelines(&pipelines);
    QCOMPARE(report.pipeline(), &selected);
    report.setDataPipelineName(u"Outro"_s);
    QCOMPARE(report.pipeline(), &other);
    report.setDataPipelineName(u"Nenhum"_s);
    QCOMPARE(report.pipeline(), nullptr);
    report.loadFromStream(fluxo::escreverFluxo(labelTemplate({})), u"modelo"_s);
    QCOMPARE(report.pipeline(), &selected);
}

void tst_ReportModel::invalidFilesRefused_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    const QString invalid = u"O arquivo \"%1\" não é um modelo de etiquetas válido"_s;
    QByteArray truncated = fluxo::escreverFluxo(fluxo::arvoreDoRelatorioInicial());
    truncated.chop(3);
    fluxo::Objeto notAReport = fluxo::arvoreDoRelatorioInicial().filhos.front();
    QTest::newRow("empty") << QByteArray() << invalid + u"."_s;
    QTest::newRow("other bytes") << QByteArray("PK\x03\x04 zip") << invalid + u"."_s;
    QTest::newRow("text rendering")
        << QByteArray("object ppReport1: TppReport\r\n  Columns = 5\r\nend\r\n")
        << u"O arquivo \"%1\" é um modelo gravado como texto; só modelos gravados no formato "
           u"binário podem ser abertos."_s;
    QTest::newRow("truncated stream")
        << truncated
        << invalid +
               u" (Modelo inválido na posição %2: o conteúdo termina antes do esperado)."_s.arg(
                   truncated.size());
    QTest::newRow("band as root")
        << fluxo::escreverFluxo(notAReport)
        << invalid + u" (o objeto principal é \"TppHeaderBand\", não um relatório)."_s;
}

void tst_ReportModel::invalidFilesRefused() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"modelo.rtm"_s);
    write(path, bytes);
    Report report;
    try {
        report.loadFromFile(path);
        QFAIL("the file was accepted");
    } catch (const plataforma::Exception& error) {
        QCOMPARE(error.message(), message.arg(QDir::toNativeSeparators(path)));
    }
}

void tst_ReportModel::failedLoadKeepsLayout() {
    Report report;
    report.loadFromStream(fluxo::escreverFluxo(labelTemplate({})), u"modelo"_s);
    const QByteArray before = report.toStream();
    QVERIFY_THROWS_EXCEPTION(plataforma::Exception,
                             report.loadFromStream("TPF0\x09TppReport", u"outro"_s));
    QVERIFY_THROWS_EXCEPTION(plataforma::Exception, report.loadFromFile(u"/nao/existe.rtm"_s));
    QCOMPARE(report.toStream(), before);
}

void tst_ReportModel::saveRecordsFullPath() {
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    Report report;
    report.saveToFile(u"salvo.rtm"_s);
    const QString full = QDir::toNativeSeparators(dir.filePath(u"salvo.rtm"_s));
    QCOMPARE(report.templateFileName(), full);
    QCOMPARE(read(full), report.toStream());

    Report reread;
    reread.loadFromFile(full);
    QCOMPARE(reread.templateFileName(), full);
    QCOMPARE(reread.toStream(), report.toStream());
}

// The designer's save writes into a template that has a second name, so both names see it.
void tst_ReportModel::saveKeepsHardLink() {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"modelo.rtm"_s);
    const QString otherName = dir.filePath(u"outro.rtm"_s);
    write(path, "antigo");
    QCOMPARE(link(QFile::encodeName(path), QFile::encodeName(otherName)), 0);
    Report report;
    report.saveToFile(path);
    QCOMPARE(read(otherName), report.toStream());
    QCOMPARE(std::filesystem::hard_link_count(path.toStdString()), 2u);
}

void tst_ReportModel::failedSaveChangesNothing() {
    QTemporaryDir dir;
    const QString blocker = dir.filePath(u"arquivo"_s);
    write(blocker, "conteúdo");
    const QString path = blocker + u"/modelo.rtm"_s;
    Report report;
    const QByteArray before = report.toStream();
    try {
        report.saveToFile(path);
        QFAIL("the save succeeded");
    } catch (const plataforma::Exception& error) {
        QVERIFY2(error.message().startsWith(
                     u"Cannot create file \"%1\". "_s.arg(QDir::toNativeSeparators(path))),
                 qPrintable(error.message()));
    }
    QCOMPARE(report.toStream(), before);
    QCOMPARE(read(blocker), QByteArray("conteúdo"));
}

void tst_ReportModel::controlsReadThroughHandles() {
    fluxo::Relatorio tree;
    tree.bandas = {
        {.tipo = fluxo::TipoDeBanda::Detalhe,
         .controles = {
             fluxo::TextoDeDados{
                 .nome = u"ppDBText1"_s,
                 .campo = u"CPRECO"_s,
                 .pipeline = u"Selecionados"_s,
                 .caixa = {1000, 2000, 30000, 7154},
                 .fonte = {.nome = u"Arial"_s, .tamanho = 17, .cor = u"clRed"_s, .negrito = true},
                 .formato = u"$#,0.00;($#,0.00)"_s,
                 .alinhamento = u"taRightJustified"_s,
                 .quebraDeLinha = true},
             fluxo::Imagem{.nome = u"ppImage1"_s, .esticar = true, .png = "PNGBYTES"},
             fluxo::Linha{.nome = u"ppLine1"_s, .posicao = u"lpLeft"_s, .espessura = 2.5f},
         }}};
    Report report;
    report.setLayout(fluxo::montar(tree));
    const std::vector<Control> controls = report.band(BandKind::Detail)->controls();
    QCOMPARE(controls.size(), 3u);

    const Control& text = controls[0];
    QCOMPARE(text.kind(), ControlKind::DataText);
    QCOMPARE(text.userName(), u"DBText1"_s);
    QCOMPARE(text.box(), (MmBox{1000, 2000, 30000, 7154}));
    QCOMPARE(text.font(), (FontSettings{u"Arial"_s, 17, u"clRed"_s, true}));
    QCOMPARE(text.textAlignment(), TextAlignment::Right);
    QVERIFY(text.wordWrap());
    QVERIFY(!text.transparent());
    QCOMPARE(text.displayFormat(), u"$#,0.00;($#,0.00)"_s);
    QCOMPARE(text.dataPipelineName(), u"Selecionados"_s);

    QCOMPARE(controls[1].kind(), ControlKind::Image);
    QCOMPARE(controls[1].pictureClass(), u"TPNGObject"_s);
    QCOMPARE(controls[1].pictureBytes(), QByteArray("PNGBYTES"));
    QVERIFY(controls[1].stretch());
    QVERIFY(controls[1].maintainAspectRatio());

    QCOMPARE(controls[2].kind(), ControlKind::Line);
    QCOMPARE(controls[2].linePosition(), LinePosition::Left);
    QCOMPARE(controls[2].weight(), 2.5f);
}

QTEST_GUILESS_MAIN(tst_ReportModel)
#include "tst_report_model.moc"
