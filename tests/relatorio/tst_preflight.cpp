// The checks a run makes on every label once its pages are laid out, before anything is drawn.
#include "modelos/fluxo/Construtor.h"
#include "plataforma/MemTable.h"
#include "plataforma/relatorio/Document.h"
#include "plataforma/relatorio/MemTablePipeline.h"
#include "plataforma/relatorio/PdfOutput.h"
#include "plataforma/relatorio/Report.h"

#include <QTemporaryDir>
#include <QTest>

using namespace plataforma::relatorio;
using namespace Qt::StringLiterals;
using plataforma::FieldType;
using plataforma::Money;

namespace {

const QString PipelineName = u"Selecionados"_s;
const QString PriceFormat = u"$#,0.00;($#,0.00)"_s;
const Money NoPrice = Money::fromUnits(99999999900);
const QString LongText = u"DIPIRONA SODICA 500MG COM 10 COMPRIMIDOS"_s;

struct Row {
    QString description = u"DIPIRONA 1G"_s;
    double price = 4.99;
    QString barcode = u"7891000315507"_s;
};

// Label rows with a code, a description, a bar code and a price, under "Selecionados".
class Rows {
public:
    explicit Rows(const std::vector<Row>& rows) {
        m_table.addField("CID_PROD", FieldType::Integer).setDisplayFormat(u"0"_s);
        m_table.addField("CDESCRICAO", FieldType::Text, 60);
        m_table.addField("CBARRAS", FieldType::Text, 13);
        m_table.addField("CPRECO", FieldType::Money).setDisplayFormat(u"###,###,##0.00"_s);
        m_table.open();
        for (const Row& row : rows) {
            m_table.append();
            m_table.setInteger("CID_PROD", m_table.rowCount());
            m_table.setString("CDESCRICAO", row.description);
            m_table.setString("CBARRAS", row.barcode);
            m_table.setFloat("CPRECO", row.price);
            m_table.post();
        }
        m_registry.add(m_pipeline);
    }

    void bind(Report& report) { report.setPipelines(&m_registry); }

private:
    plataforma::MemTable m_table;
    MemTablePipeline m_pipeline{PipelineName, m_table};
    PipelineRegistry m_registry;
};

LabelRules rules(bool withPrices = true) {
    return {.codeField = u"CID_PROD"_s,
            .descriptionField = u"CDESCRICAO"_s,
            .priceFields = withPrices ? QStringList{u"CPRECO"_s} : QStringList(),
            .noPrice = NoPrice};
}

fluxo::TextoDeDados text(const QString& field, fluxo::Caixa box) {
    return {.nome = u"ppDBText1"_s,
            .campo = field,
            .pipeline = PipelineName,
            .caixa = box,
            .fonte = {.nome = u"Arial"_s, .tamanho = 12},
            .transparente = true};
}

fluxo::TextoDeDados wrapped(fluxo::Caixa box) {
    fluxo::TextoDeDados t = text(u"CDESCRICAO"_s, box);
    t.quebraDeLinha = true;
    return t;
}

fluxo::TextoDeDados autoSized(fluxo::Caixa box) {
    fluxo::TextoDeDados t = text(u"CDESCRICAO"_s, box);
    t.tamanhoAutomatico = true;
    return t;
}

fluxo::TextoDeDados price() {
    fluxo::TextoDeDados t = text(u"CPRECO"_s, {0, 10000, 40000, 6000});
    t.formato = PriceFormat;
    return t;
}

fluxo::CodigoDeBarras barcode() {
    return {.nome = u"ppDBBarCode1"_s,
            .campo = u"CBARRAS"_s,
            .pipeline = PipelineName,
            .caixa = {0, 0, 30000, 12000},
            .fonte = {.nome = u"Courier New"_s, .tamanho = 8},
            .tipo = u"bcEAN_13"_s,
            .calcularDigito = false,
            .tamanhoAutomatico = false,
            .transparente = true,
            .larguraDaBarra = 250};
}

// Labels 45 x 20 mm in two columns on a paper 100 x 50 mm: two rows of labels to a page.
fluxo::Objeto labels(std::vector<fluxo::Controle> controls, bool leftToRight = true) {
    fluxo::Relatorio report;
    report.pipeline = PipelineName;
    report.unidade = u"utMillimeters"_s;
    report.colunas = 2;
    report.posicoesDasColunas = {5000, 55000};
    report.larguraDaColuna = 45000;
    report.pagina = {.largura = 100000, .altura = 50000, .margemSuperior = 5000};
    report.bandas = {{.tipo = fluxo::TipoDeBanda::Detalhe,
                      .altura = 20000,
                      .percursoDasColunas = leftToRight ? u"ctLeftToRight"_s : u"ctTopToBottom"_s,
                      .controles = std::move(controls)}};
    return fluxo::montar(report);
}

} // namespace

class tst_Preflight : public QObject {
    Q_OBJECT

private slots:
    void findings_data();
    void findings();
    void findingsNameTheirLabel_data();
    void findingsNameTheirLabel();
    void printRunFindsWhatThePreviewFinds();
};

void tst_Preflight::findings_data() {
    QTest::addColumn<fluxo::Controle>("control");
    QTest::addColumn<Row>("row");
    QTest::addColumn<bool>("priceRule");
    QTest::addColumn<QStringList>("reasons");

    const QString noRoom = u"O texto não cabe na caixa: tem 3 linhas e só cabem 1."_s;
    QTest::newRow("wrapped text with lines that do not fit")
        << fluxo::Controle(wrapped({0, 0, 40000, 9000})) << Row{LongText} << true
        << QStringList{noRoom};
    QTest::newRow("wrapped text that fits")
        << fluxo::Controle(wrapped({0, 0, 40000, 9000})) << Row{} << true << QStringList{};
    QTest::newRow("a line wider than a box that does not wrap")
        << fluxo::Controle(text(u"CDESCRICAO"_s, {0, 0, 40000, 6000})) << Row{LongText} << true
        << QStringList{u"O texto é mais largo que a caixa, que não quebra linhas."_s};
    QTest::newRow("auto size past the label's edge")
        << fluxo::Controle(autoSized({30000, 0, 10000, 6000})) << Row{} << true
        << QStringList{u"O texto passa da borda da etiqueta."_s};
    QTest::newRow("auto size within the label")
        << fluxo::Controle(autoSized({0, 0, 10000, 6000})) << Row{} << true << QStringList{};
    QTest::newRow("text past the paper's edge")
        << fluxo::Controle(autoSized({94000, 0, 10000, 6000})) << Row{} << true
        << QStringList{u"O texto passa da borda do papel."_s};
    QTest::newRow("price zero") << fluxo::Controle(price()) << Row{u"A"_s, 0} << true
                                << QStringList{u"Preço zerado."_s};
    QTest::newRow("the amount that stands for no price")
        << fluxo::Controle(price()) << Row{u"A"_s, NoPrice.toDouble()} << true
        << QStringList{u"Produto sem preço: a etiqueta mostra o valor que indica a falta de "
                       u"preço."_s};
    QTest::newRow("a price") << fluxo::Controle(price()) << Row{u"A"_s, 0.01} << true
                             << QStringList{};
    QTest::newRow("zero in a field the application calls no price")
        << fluxo::Controle(price()) << Row{u"A"_s, 0} << false << QStringList{};
    QTest::newRow("bar code that cannot be encoded")
        << fluxo::Controle(barcode()) << Row{u"A"_s, 1, u"7891000315508"_s} << true
        << QStringList{u"Código de barras EAN-13 inválido: \"7891000315508\" (o dígito "
                       u"verificador deveria ser 7)"_s};
    QTest::newRow("bar code that can")
        << fluxo::Controle(barcode()) << Row{} << true << QStringList{};
    QTest::newRow("shape off the paper")
        << fluxo::Controle(fluxo::Forma{.nome = u"ppShape1"_s, .caixa = {90000, 0, 10000, 5000}})
        << Row{} << true << QStringList{u"O controle sai da área de impressão do papel."_s};
    QTest::newRow("shape outside its label, on the paper")
        << fluxo::Controle(fluxo::Forma{.nome = u"ppShape1"_s, .caixa = {40000, 0, 20000, 5000}})
        << Row{} << true << QStringList{};
}

void tst_Preflight::findings() {
    QFETCH(fluxo::Controle, control);
    QFETCH(Row, row);
    QFETCH(bool, priceRule);
    QFETCH(QStringList, reasons);
    Rows rows({row});
    Report report;
    report.setLayout(labels({control}));
    report.setLabelRules(rules(priceRule));
    rows.bind(report);
    const Document document(report);
    QStringList found;
    for (const Problem& problem : document.problems()) {
        found << problem.reason;
        QCOMPARE(problem.label, (LabelPosition{0, 0, 0}));
        QCOMPARE(problem.productCode, u"1"_s);
        QCOMPARE(problem.description, row.description);
    }
    QCOMPARE(found, reasons);
}

void tst_Preflight::findingsNameTheirLabel_data() {
    QTest::addColumn<bool>("leftToRight");
    QTest::addColumn<LabelPosition>("position");
    QTest::addColumn<QString>("described");
    // Six labels, four to a page: the sixth is the second of the second page.
    QTest::newRow("across the rows first")
        << true << LabelPosition{1, 0, 1}
        << u"Página 2, linha 1, coluna 2 (6 PRODUTO 6), ppDBText1: Preço zerado."_s;
    QTest::newRow("down the columns first")
        << false << LabelPosition{1, 1, 0}
        << u"Página 2, linha 2, coluna 1 (6 PRODUTO 6), ppDBText1: Preço zerado."_s;
}

void tst_Preflight::findingsNameTheirLabel() {
    QFETCH(bool, leftToRight);
    QFETCH(LabelPosition, position);
    QFETCH(QString, described);
    std::vector<Row> data;
    for (int i = 1; i <= 6; ++i)
        data.push_back({u"PRODUTO %1"_s.arg(i), i == 6 ? 0.0 : 1.0});
    Rows rows(data);
    Report report;
    report.setLayout(labels({price()}, leftToRight));
    report.setLabelRules(rules());
    rows.bind(report);
    Document document(report);
    QCOMPARE(document.pageCount(), 2);
    QCOMPARE(document.labelCount(), 6);
    QCOMPARE(document.problems().size(), 1u);
    const Problem& problem = document.problems().front();
    QCOMPARE(problem.row, 5);
    QCOMPARE(problem.label, position);
    QCOMPARE(problem.describe(), described);
    QCOMPARE(problem.data, u"$0,00"_s);
    const QRectF box = document.labelBox(position);
    QCOMPARE(box, QRectF(leftToRight ? 55 : 5, leftToRight ? 5 : 25, 45, 20));
    QCOMPARE(labelsWithProblems(document.problems(), document.labelCount()), 1);
}

// The print run checks each page just before drawing it; what it finds is what the preview,
// which checks every page first, lists.
void tst_Preflight::printRunFindsWhatThePreviewFinds() {
    std::vector<Row> data;
    for (int i = 0; i < 9; ++i)
        data.push_back({i % 2 ? LongText : u"CURTO"_s, i % 3 ? 1.0 : 0.0,
                        i == 4 ? u"123"_s : u"7891000315507"_s});
    Rows rows(data);
    Report report;
    report.setLayout(labels({wrapped({0, 0, 40000, 9000}), price(), barcode()}));
    report.setLabelRules(rules());
    rows.bind(report);
    const std::vector<Problem> previewed = Document(report).problems();
    QCOMPARE(previewed.size(), 4u + 3u + 1u);
    QTemporaryDir dir;
    QCOMPARE(writePdf(report, dir.filePath(u"etiquetas.pdf"_s)).problems, previewed);
}

QTEST_MAIN(tst_Preflight)
#include "tst_preflight.moc"
