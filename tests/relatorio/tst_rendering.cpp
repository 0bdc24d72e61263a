#include "modelos/fluxo/Construtor.h"
#include "plataforma/Exception.h"
#include "plataforma/MemTable.h"
#include "plataforma/relatorio/Document.h"
#include "plataforma/relatorio/FieldBinding.h"
#include "plataforma/relatorio/MemTablePipeline.h"
#include "plataforma/relatorio/PdfOutput.h"
#include "plataforma/relatorio/Report.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace plataforma::relatorio;
using namespace Qt::StringLiterals;
using plataforma::Date;
using plataforma::FieldType;
using plataforma::Money;

namespace {

const QString PriceFormat = u"$#,0.00;($#,0.00)"_s;
const QString PipelineName = u"Selecionados"_s;

struct Product {
    QString description;
    double price = 0;
    QString barcode = u"7891000000014"_s;
};

// The label rows a report prints, with the fields and display formats of a label batch.
class Labels {
public:
    Labels() {
        m_table.addField("CID_PROD", FieldType::Integer).setDisplayFormat(u"0"_s);
        m_table.addField("CBARRAS", FieldType::Text, 13);
        m_table.addField("CDESCRICAO", FieldType::Text, 60);
        m_table.addField("CVLD_PRO", FieldType::Date).setDisplayFormat(u"dd/mm/yyyy"_s);
        m_table.addField("CPRECOPRAT", FieldType::Money).setDisplayFormat(u"###,###,##0.00"_s);
        m_table.open();
        m_registry.add(m_pipeline);
    }

    Labels& add(const Product& product, int copies = 1) {
        for (int i = 0; i < copies; ++i) {
            m_table.append();
            m_table.setInteger("CID_PROD", m_table.rowCount());
            m_table.setString("CBARRAS", product.barcode);
            m_table.setString("CDESCRICAO", product.description);
            m_table.setDate("CVLD_PRO", *Date::fromQDate(QDate(2024, 12, 25)));
            m_table.setFloat("CPRECOPRAT", product.price);
            m_table.post();
        }
        return *this;
    }

    void bind(Report& report) { report.setPipelines(&m_registry); }

private:
    plataforma::MemTable m_table;
    MemTablePipeline m_pipeline{PipelineName, m_table};
    PipelineRegistry m_registry;
};

fluxo::TextoDeDados dataText(const QString& name, const QString& field, fluxo::Caixa box,
                             const QString& format = {}) {
    return {.nome = name,
            .campo = field,
            .pipeline = PipelineName,
            .caixa = box,
            .fonte = {.nome = u"Arial"_s, .tamanho = 12},
            .formato = format,
            .alinhamento = u"taCentered"_s,
            .transparente = true,
            .quebraDeLinha = true};
}

// One label per row down an A4 page in millimetres, as the gondola templates have them.
fluxo::Objeto labelLayout(std::vector<fluxo::Controle> controls, int detailHeight = 32808) {
    fluxo::Relatorio report;
    report.pipeline = PipelineName;
    report.unidade = u"utMillimeters"_s;
    report.colunas = 3;
    report.posicoesDasColunas = {2000, 70666, 139332};
    report.larguraDaColuna = 68666;
    report.pagina = {.papel = u"A4"_s,
                     .codigoDoPapel = 9,
                     .largura = 210000,
                     .altura = 297000,
                     .margemSuperior = 1000};
    report.bandas = {{.tipo = fluxo::TipoDeBanda::Detalhe,
                      .altura = detailHeight,
                      .controles = std::move(controls)}};
    return fluxo::montar(report);
}

std::vector<fluxo::Controle> gondolaLabel() {
    fluxo::TextoDeDados price =
        dataText(u"ppDBText2"_s, u"CPRECOPRAT"_s, {36248, 17463, 24384, 7154}, PriceFormat);
    price.fonte = {.nome = u"Arial"_s, .tamanho = 17, .negrito = true};
    price.tamanhoAutomatico = true;
    price.quebraDeLinha = false;
    return {fluxo::Forma{.nome = u"ppShape1"_s, .caixa = {0, 0, 68792, 32544}},
            dataText(u"ppDBText1"_s, u"CDESCRICAO"_s, {794, 2117, 67204, 10054}), price,
            fluxo::CodigoDeBarras{.nome = u"ppDBBarCode1"_s,
                                  .campo = u"CBARRAS"_s,
                                  .pipeline = PipelineName,
                                  .caixa = {0, 12965, 41275, 17992},
                                  .fonte = {.nome = u"Courier New"_s, .tamanho = 8},
                                  .tipo = u"bcEAN_13"_s,
                                  .calcularDigito = false,
                                  .tamanhoAutomatico = false,
                                  .transparente = true,
                                  .larguraDaBarra = 330,
                                  .razaoDaBarraLarga = 55880}};
}

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return u"<%1 did not finish>"_s.arg(program);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString pdfText(const QString& path) {
    return run(u"pdftotext"_s, {u"-layout"_s, path, u"-"_s});
}

} // namespace

class tst_Rendering : public QObject {
    Q_OBJECT

private slots:
    void pdfHoldsFormattedTexts();
    void valueFormats_data();
    void valueFormats();
    void unencodableBarcodeListedAndRunGoesOn();
    void missingFieldPrintsEmpty();
    void silentAbortLeavesNoPdf();
    void pdfPaperFromTemplate_data();
    void pdfPaperFromTemplate();
    void autoSizeKeepsAnchor_data();
    void autoSizeKeepsAnchor();
    void wordWrapAndClipping();
    void columnsPastThePaperEdge();
    void picturesStretchedOrNatural_data();
    void picturesStretchedOrNatural();
    void unknownControlsDrawNothing();
};

void tst_Rendering::pdfHoldsFormattedTexts() {
    Labels labels;
    labels.add({u"DIPIRONA 500MG"_s, 12.5}, 2)
        .add({u"ÁGUA OXIGENADA"_s, 1234.5, u"789100000001"_s});
    std::vector<fluxo::Controle> controls = gondolaLabel();
    fluxo::TextoDeDados masked =
        dataText(u"ppDBText3"_s, u"CBARRAS"_s, {0, 30000, 60000, 2500}, u"9 999999 999999;0;_"_s);
    masked.fonte.tamanho = 6;
    controls.push_back(masked);
    Report report;
    report.setLayout(labelLayout(controls));
    labels.bind(report);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"etiquetas.pdf"_s);
    const RunSummary summary = writePdf(report, path);
    QCOMPARE(summary.pages, 1);
    QVERIFY(summary.problems.empty());
    const QString text = pdfText(path);
    QCOMPARE(text.count(u"DIPIRONA 500MG"_s), 2);
    QCOMPARE(text.count(u"$12,50"_s), 2);
    QCOMPARE(text.count(u"7 891000 000014"_s), 2);
    QVERIFY2(text.contains(u"7 891000 00001_"_s), qPrintable(text));
    QVERIFY2(text.contains(u"ÁGUA OXIGENADA"_s), qPrintable(text));
    QVERIFY2(text.contains(u"$1.234,50"_s), qPrintable(text));
}

void tst_Rendering::valueFormats_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("format");
    QTest::addColumn<Product>("product");
    QTest::addColumn<QString>("expected");
    QTest::newRow("price") << u"CPRECOPRAT"_s << PriceFormat << Product{u"X"_s, 12.5}
                           << u"$12,50"_s;
    QTest::newRow("price, thousands")
        << u"CPRECOPRAT"_s << PriceFormat << Product{u"X"_s, 1234567.89} << u"$1.234.567,89"_s;
    QTest::newRow("price, negative")
        << u"CPRECOPRAT"_s << PriceFormat << Product{u"X"_s, -3} << u"($3,00)"_s;
    QTest::newRow("field's own format")
        << u"CPRECOPRAT"_s << QString() << Product{u"X"_s, 2345.6} << u"2.345,60"_s;
    QTest::newRow("integer") << u"CID_PROD"_s << u"000"_s << Product{u"X"_s} << u"001"_s;
    QTest::newRow("date") << u"CVLD_PRO"_s << u"dd/mm/yyyy"_s << Product{u"X"_s} << u"25/12/2024"_s;
    QTest::newRow("mask keeps a long description whole")
        << u"CDESCRICAO"_s << u"!99999;0; "_s << Product{u"DIPIRONA 500MG"_s}
        << u"DIPIRONA 500MG"_s;
    QTest::newRow("mask pads a short value in front")
        << u"CDESCRICAO"_s << u"!99999;0; "_s << Product{u"AB"_s} << u"   AB"_s;
    QTest::newRow("mask pads at the end without !")
        << u"CDESCRICAO"_s << u"99999;0;_"_s << Product{u"12"_s} << u"12___"_s;
    QTest::newRow("mask inserts literals")
        << u"CBARRAS"_s << u"(99) 9999-9999;0;_"_s << Product{u"X"_s, 0, u"1133334444"_s}
        << u"(11) 3333-4444"_s;
    QTest::newRow("mask changes case")
        << u"CDESCRICAO"_s << u">LLL<ll;1;_"_s << Product{u"abcDE"_s} << u"ABCde"_s;
    QTest::newRow("mask, extra characters after the last slot")
        << u"CBARRAS"_s << u"999-99;0;_"_s << Product{u"X"_s, 0, u"1234567"_s} << u"123-4567"_s;
}

void tst_Rendering::valueFormats() {
    QFETCH(QString, field);
    QFETCH(QString, format);
    QFETCH(Product, product);
    QFETCH(QString, expected);
    Labels labels;
    labels.add(product);
    Report report;
    report.setLayout(labelLayout({dataText(u"ppDBText1"_s, field, {}, format)}));
    labels.bind(report);
    ProblemList problems;
    const FieldBinding binding(report, report.band(BandKind::Detail)->controls().front(), problems);
    QCOMPARE(binding.text(0, binding.value(0)), expected);
    QCOMPARE(binding.text(1, binding.value(1)), QString());
    QVERIFY(problems.isEmpty());
}

void tst_Rendering::unencodableBarcodeListedAndRunGoesOn() {
    Labels labels;
    labels.add({u"PRIMEIRO"_s, 1}).add({u"SEGUNDO"_s, 2, u"123"_s}, 3).add({u"TERCEIRO"_s, 3});
    Report report;
    report.setLayout(labelLayout(gondolaLabel()));
    labels.bind(report);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"etiquetas.pdf"_s);
    const RunSummary summary = writePdf(report, path);
    const QString text = pdfText(path);
    for (const QString& description : {u"PRIMEIRO"_s, u"SEGUNDO"_s, u"TERCEIRO"_s})
        QVERIFY2(text.contains(description), qPrintable(text));
    // Each of the three labels, down the first column.
    QCOMPARE(summary.problems.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        const Problem& problem = summary.problems[static_cast<std::size_t>(i)];
        QCOMPARE(problem.row, 1 + i);
        QCOMPARE(problem.label, (LabelPosition{0, 1 + i, 0}));
        QCOMPARE(problem.control, u"ppDBBarCode1"_s);
        QCOMPARE(problem.data, u"123"_s);
        QCOMPARE(problem.reason, u"Código de barras EAN-13 inválido: \"123\" (são necessários 12 "
                                 u"ou 13 dígitos)"_s);
    }
    QCOMPARE(summary.problems.front().describe(),
             u"Página 1, linha 2, coluna 1, ppDBBarCode1: Código de barras EAN-13 inválido: "
             u"\"123\" (são necessários 12 ou 13 dígitos)"_s);
}

void tst_Rendering::missingFieldPrintsEmpty() {
    Labels labels;
    labels.add({u"COM LOTE"_s, 5});
    Report report;
    report.setLayout(labelLayout(
        {dataText(u"ppDBText1"_s, u"CDESCRICAO"_s, {0, 0, 60000, 8000}),
         dataText(u"ppDBText4"_s, u"CLOTE"_s, {0, 10000, 60000, 8000}),
         dataText(u"ppDBText2"_s, u"CPRECOPRAT"_s, {0, 20000, 60000, 8000}, PriceFormat)}));
    labels.bind(report);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"etiquetas.pdf"_s);
    const RunSummary summary = writePdf(report, path);
    const QString text = pdfText(path);
    QVERIFY2(text.contains(u"COM LOTE"_s) && text.contains(u"$5,00"_s), qPrintable(text));
    QCOMPARE(summary.problems, (std::vector<Problem>{{-1, u"ppDBText4"_s, u"CLOTE"_s,
                                                      u"O campo \"CLOTE\" não existe no pipeline "
                                                      u"\"Selecionados\"."_s}}));
}

void tst_Rendering::silentAbortLeavesNoPdf() {
    Labels labels;
    labels.add({u"PRODUTO"_s, 1}, 40);
    Report report;
    report.setLayout(labelLayout(gondolaLabel()));
    labels.bind(report);
    HandlerRegistry handlers;
    int requests = 0;
    handlers.publish(u"ppReport1PageRequest"_s, [&](Report&) {
        if (++requests == 2)
            throw plataforma::SilentAbort();
    });
    report.setHandlers(&handlers);
    report.setOnPageRequest(u"ppReport1PageRequest"_s);

    QTemporaryDir dir;
    const QString fresh = dir.filePath(u"novo.pdf"_s);
    QVERIFY_THROWS_EXCEPTION(plataforma::SilentAbort, writePdf(report, fresh));
    QVERIFY(!QFile::exists(fresh));

    const QString existing = dir.filePath(u"existente.pdf"_s);
    QFile file(existing);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("anterior");
    file.close();
    requests = 0;
    QVERIFY_THROWS_EXCEPTION(plataforma::SilentAbort, writePdf(report, existing));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("anterior"));
}

void tst_Rendering::pdfPaperFromTemplate_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QString>("orientation");
    QTest::addColumn<QString>("expected");
    QTest::newRow("A4") << 210000 << 297000 << u"poPortrait"_s << u"595 x 842 pts (A4)"_s;
    QTest::newRow("A4 landscape") << 297000 << 210000 << u"poLandscape"_s
                                  << u"842 x 595 pts (A4)"_s;
    QTest::newRow("Zebra label 105 x 30")
        << 105000 << 30000 << u"poPortrait"_s << u"298 x 85 pts"_s;
    QTest::newRow("Argox label 111 x 23")
        << 111000 << 23000 << u"poPortrait"_s << u"315 x 65 pts"_s;
}

void tst_Rendering::pdfPaperFromTemplate() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QString, orientation);
    QFETCH(QString, expected);
    Report report;
    PrinterSetup setup = report.printerSetup();
    setup.setMmPaperWidth(width);
    setup.setMmPaperHeight(height);
    setup.setOrientation(orientation == u"poLandscape"_s ? Orientation::Landscape
                                                         : Orientation::Portrait);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"papel.pdf"_s);
    QCOMPARE(writePdf(report, path).pages, 1);
    const QString info = run(u"pdfinfo"_s, {path});
    QVERIFY2(info.contains(u"Page size:       "_s + expected), qPrintable(info));
}

void tst_Rendering::autoSizeKeepsAnchor_data() {
    QTest::addColumn<QString>("alignment");
    QTest::addColumn<double>("anchor"); // the share of the box's width that stays put
    QTest::newRow("left edge") << u"taLeftJustified"_s << 0.0;
    QTest::newRow("centre") << u"taCentered"_s << 0.5;
    QTest::newRow("right edge") << u"taRightJustified"_s << 1.0;
}

void tst_Rendering::autoSizeKeepsAnchor() {
    QFETCH(QString, alignment);
    QFETCH(double, anchor);
    fluxo::TextoDeDados text = dataText(u"ppDBText1"_s, u"CPRECOPRAT"_s, {20000, 0, 60000, 5000});
    text.alinhamento = alignment;
    text.tamanhoAutomatico = true;
    text.quebraDeLinha = false;
    Report report;
    report.setLayout(labelLayout({text}));
    const Control control = report.band(BandKind::Detail)->controls().front();
    const TextStyle style = TextStyle::of(control);
    TextShaper shaper;
    const ShapedText shaped = *shaper.shape(0, style, u"$12,50"_s);
    QVERIFY(shaped.box.width() > 5 && shaped.box.width() < 30);
    QVERIFY(!shaped.clip);
    QCOMPARE(shaped.box.left() + anchor * shaped.box.width(), anchor * 60);
    QVERIFY(shaped.box.height() > 4 && shaped.box.height() < 6);
}

void tst_Rendering::wordWrapAndClipping() {
    const QString description = u"DIPIRONA SODICA 500MG COM 10 COMPRIMIDOS GENERICO"_s;
    fluxo::TextoDeDados text = dataText(u"ppDBText1"_s, u"CDESCRICAO"_s, {0, 0, 40000, 9000});
    Report report;
    report.setLayout(labelLayout({text}));
    TextShaper shaper;
    const TextStyle wrapped = TextStyle::of(report.band(BandKind::Detail)->controls().front());
    const ShapedText lines = *shaper.shape(0, wrapped, description);
    QCOMPARE(lines.box, QRectF(0, 0, 40, 9));
    // Four lines of 12 points, of which one fits whole in 9 mm: only that one is drawn, and
    // nothing needs cutting.
    QCOMPARE(lines.lines, 4);
    QCOMPARE(lines.linesThatFit, 1);
    QVERIFY(!lines.clip);
    QVERIFY(lines.ink.bottom() < 9);
    double lowest = 0;
    for (const QGlyphRun& run : lines.glyphs) {
        for (const QPointF& position : run.positions())
            lowest = std::max(lowest, position.y());
    }
    QVERIFY(lowest > 0 && lowest < 9 / 2.0);
    const ShapedText fitting = *shaper.shape(0, wrapped, u"DIPIRONA 500MG"_s);
    QCOMPARE(fitting.box, QRectF(0, 0, 40, 9));
    QVERIFY(!fitting.clip);
    QCOMPARE(fitting.linesThatFit, fitting.lines);

    TextStyle single = wrapped;
    single.wordWrap = false;
    const ShapedText line = *shaper.shape(1, single, description);
    QVERIFY(line.clip);
    QVERIFY(line.tooWide);
    // Cut at the box's sides: its ink fills the box's width.
    QCOMPARE(line.ink.left(), 0.0);
    QCOMPARE(line.ink.width(), 40.0);
    QVERIFY(line.glyphs.front().boundingRect().height() * single.scale < 6);
}

void tst_Rendering::columnsPastThePaperEdge() {
    Labels labels;
    labels.add({u"A"_s, 1}, 2);
    fluxo::Relatorio layout;
    layout.pipeline = PipelineName;
    layout.colunas = 2;
    layout.posicoesDasColunas = {5000, 52000};
    layout.larguraDaColuna = 43500;
    layout.pagina = {.largura = 90000, .altura = 18000, .margemEsquerda = 3000};
    layout.bandas = {
        {.tipo = fluxo::TipoDeBanda::Detalhe,
         .altura = 15081,
         .percursoDasColunas = u"ctLeftToRight"_s,
         .controles = {fluxo::Forma{.nome = u"ppShape1"_s, .caixa = {0, 0, 41540, 14000}}}}};
    Report report;
    report.setLayout(fluxo::montar(layout));
    labels.bind(report);
    Document document(report);
    QCOMPARE(document.pageCount(), 1);
    const QImage page = document.pageImage(0, 254); // ten dots per millimetre
    QCOMPARE(page.size(), QSize(900, 180));
    const auto dark = [&](double x, double y) {
        return qGray(page.pixel(int(x * 10), int(y * 10))) < 128;
    };
    QVERIFY(dark(5.1, 7)); // the first label's left edge, inside the left margin
    QVERIFY(!dark(4.8, 7));
    QVERIFY(dark(52.1, 7)); // the second label, cut by the paper's right edge
    QVERIFY(!dark(51.8, 7));
    QVERIFY(!dark(70, 7)); // inside the white shape
}

void tst_Rendering::picturesStretchedOrNatural_data() {
    QTest::addColumn<bool>("stretch");
    QTest::addColumn<bool>("keepAspect");
    QTest::addColumn<QRectF>("red"); // millimetres, from the label's corner
    // A 20 x 10 pixel picture at 96 dpi is 5.29 x 2.65 mm.
    QTest::newRow("natural size") << false << true << QRectF(0, 0, 5.29, 2.65);
    QTest::newRow("stretched") << true << false << QRectF(0, 0, 30, 10);
    QTest::newRow("stretched, proportions kept") << true << true << QRectF(0, 0, 20, 10);
}

void tst_Rendering::picturesStretchedOrNatural() {
    QFETCH(bool, stretch);
    QFETCH(bool, keepAspect);
    QFETCH(QRectF, red);
    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    QVERIFY(buffer.open(QIODevice::WriteOnly) && picture.save(&buffer, "PNG"));
    Labels labels;
    labels.add({u"A"_s, 1});
    Report report;
    report.setLayout(labelLayout({fluxo::Imagem{.nome = u"ppImage1"_s,
                                                .caixa = {0, 0, 30000, 10000},
                                                .manterProporcao = keepAspect,
                                                .esticar = stretch,
                                                .png = png}}));
    labels.bind(report);
    Document document(report);
    const QImage page = document.pageImage(0, 254);
    const QPointF label(2, 1); // first column, top margin
    const auto isRed = [&](double x, double y) {
        const QRgb pixel = page.pixel(int((label.x() + x) * 10), int((label.y() + y) * 10));
        return qRed(pixel) > 200 && qGreen(pixel) < 80;
    };
    QVERIFY(isRed(red.left() + 0.2, red.top() + 0.2));
    QVERIFY(isRed(red.right() - 0.2, red.bottom() - 0.2));
    QVERIFY(!isRed(red.right() + 0.3, red.top() + 0.2));
    QVERIFY(!isRed(red.left() + 0.2, red.bottom() + 0.3));
    QVERIFY(document.problems().empty());
}

void tst_Rendering::unknownControlsDrawNothing() {
    Labels labels;
    labels.add({u"PRODUTO"_s, 1});
    fluxo::Objeto layout =
        labelLayout({dataText(u"ppDBText1"_s, u"CDESCRICAO"_s, {0, 0, 60000, 8000})});
    layout.filhos.front().filhos.push_back(
        {u"TppMemo"_s, u"ppMemo1"_s, {}, {{u"mmLeft"_s, fluxo::Valor::inteiro(0)}}, {}});
    Report report;
    report.setLayout(layout);
    labels.bind(report);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"etiquetas.pdf"_s);
    const RunSummary summary = writePdf(report, path);
    QVERIFY(summary.problems.empty());
    QVERIFY(pdfText(path).contains(u"PRODUTO"_s));
}

QTEST_MAIN(tst_Rendering)
#include "tst_rendering.moc"
