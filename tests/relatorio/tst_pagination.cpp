#include "modelos/fluxo/Construtor.h"
#include "plataforma/Exception.h"
#include "plataforma/MemTable.h"
#include "plataforma/relatorio/MemTablePipeline.h"
#include "plataforma/relatorio/Paginator.h"
#include "plataforma/relatorio/Report.h"

#include <QTest>

using namespace plataforma::relatorio;
using namespace Qt::StringLiterals;

namespace {

// Band heights and offsets in thousandths of a millimetre; a negative height leaves the band
// out of the layout.
struct Bands {
    int header = -1;
    int columnHeader = -1;
    int detail = 10000;
    int bottomOffset = 0;
    int columnFooter = -1;
    int footer = -1;
};

struct Setup {
    int paperWidth = 100000;
    int paperHeight = 100000;
    int top = 0;
    int bottom = 0;
    int left = 0;
    int right = 0;
    int columns = 1;
    std::vector<int> positions{};
    int columnWidth = 40000;
    bool leftToRight = false;
};

} // namespace

Q_DECLARE_METATYPE(Bands)
Q_DECLARE_METATYPE(Setup)

namespace {

fluxo::Objeto layout(const Setup& s, const Bands& b) {
    fluxo::Relatorio report;
    report.pipeline = u"Selecionados"_s;
    report.unidade = u"utMillimeters"_s;
    report.colunas = s.columns;
    report.posicoesDasColunas = s.positions;
    report.larguraDaColuna = s.columnWidth;
    report.pagina = {.largura = s.paperWidth,
                     .altura = s.paperHeight,
                     .margemSuperior = s.top,
                     .margemInferior = s.bottom,
                     .margemEsquerda = s.left,
                     .margemDireita = s.right};
    const auto band = [&](fluxo::TipoDeBanda kind, int height) {
        if (height >= 0)
            report.bandas.push_back({.tipo = kind, .altura = height});
    };
    band(fluxo::TipoDeBanda::Cabecalho, b.header);
    band(fluxo::TipoDeBanda::CabecalhoDeColuna, b.columnHeader);
    if (b.detail >= 0) {
        report.bandas.push_back(
            {.tipo = fluxo::TipoDeBanda::Detalhe,
             .altura = b.detail,
             .deslocamentoInferior = b.bottomOffset,
             .percursoDasColunas = s.leftToRight ? u"ctLeftToRight"_s : u"ctTopToBottom"_s});
    }
    band(fluxo::TipoDeBanda::RodapeDeColuna, b.columnFooter);
    band(fluxo::TipoDeBanda::Rodape, b.footer);
    return fluxo::montar(report);
}

QString signature(const Page& page) {
    static const char* const codes[] = {"H", "CH", "D", "CF", "F"};
    QStringList parts;
    for (const BandPlacement& band : page.bands) {
        parts << u"%1%2@%3,%4"_s.arg(QLatin1StringView(codes[static_cast<int>(band.kind)]))
                     .arg(band.row)
                     .arg(band.origin.x())
                     .arg(band.origin.y());
    }
    return parts.join(u' ');
}

// Label rows for the report, as a table of descriptions.
class Rows {
public:
    explicit Rows(int count) {
        m_table.addField("CDESCRICAO", plataforma::FieldType::Text, 60);
        m_table.open();
        for (int i = 0; i < count; ++i) {
            m_table.append();
            m_table.setString("CDESCRICAO", u"PRODUTO %1"_s.arg(i));
            m_table.post();
        }
        m_registry.add(m_pipeline);
    }
    void bind(Report& report) { report.setPipelines(&m_registry); }

private:
    plataforma::MemTable m_table;
    MemTablePipeline m_pipeline{u"Selecionados"_s, m_table};
    PipelineRegistry m_registry;
};

QStringList signatures(Report& report) {
    QStringList pages;
    for (const Page& page : paginate(report))
        pages << signature(page);
    return pages;
}

} // namespace

class tst_Pagination : public QObject {
    Q_OBJECT

private slots:
    void layout_data();
    void layout();
    void pageRequestRaisedBeforeEachPage();
    void silentAbortProducesNoPage();
    void handlerChangingBandHeightIsHonoured();
    void pipelineOpenedWhenClosed();
    void paperSizeAsStored();
};

void tst_Pagination::layout_data() {
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<Bands>("bands");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("pages");

    QTest::newRow("one column at the left margin, page breaks")
        << Setup{.paperHeight = 50000, .top = 5000, .left = 7000} << Bands{.detail = 20000} << 5
        << QStringList{u"D0@7,5 D1@7,25"_s, u"D2@7,5 D3@7,25"_s, u"D4@7,5"_s};
    QTest::newRow("left to right, columns where the template puts them")
        << Setup{.paperWidth = 81000,
                 .paperHeight = 40000,
                 .left = 17000,
                 .columns = 2,
                 .positions = {15000, 48000},
                 .columnWidth = 33000,
                 .leftToRight = true}
        << Bands{.columnHeader = 0, .detail = 19579, .columnFooter = 0} << 5
        << QStringList{u"CH0@15,0 CH1@48,0 D0@15,0 D1@48,0 D2@15,19.579 D3@48,19.579 "
                       u"CF2@15,40 CF3@48,40"_s,
                       u"CH4@15,0 D4@15,0 CF4@15,40"_s};
    QTest::newRow("top to bottom fills a column first")
        << Setup{.paperWidth = 210000,
                 .columns = 2,
                 .positions = {2000, 105000},
                 .columnWidth = 103000}
        << Bands{.detail = 30000, .bottomOffset = 1000} << 7
        << QStringList{u"D0@2,0 D1@2,31 D2@2,62 D3@105,0 D4@105,31 D5@105,62"_s, u"D6@2,0"_s};
    QTest::newRow("bottom offset is space below, a band that just fits goes in")
        << Setup{} << Bands{.detail = 30000, .bottomOffset = 5000} << 4
        << QStringList{u"D0@0,0 D1@0,35 D2@0,70"_s, u"D3@0,0"_s};
    QTest::newRow("bottom offset pushes the next band off the page")
        << Setup{} << Bands{.detail = 30000, .bottomOffset = 10000} << 3
        << QStringList{u"D0@0,0 D1@0,40"_s, u"D2@0,0"_s};
    QTest::newRow("header and footer per page, column bands per used column")
        << Setup{.top = 10000, .bottom = 10000, .left = 10000, .right = 10000, .columns = 2}
        << Bands{.header = 10000,
                 .columnHeader = 5000,
                 .detail = 20000,
                 .columnFooter = 5000,
                 .footer = 10000}
        << 5
        << QStringList{u"H0@10,10 CH0@10,20 CH2@50,20 D0@10,25 D1@10,45 D2@50,25 D3@50,45 "
                       u"CF1@10,75 CF3@50,75 F3@10,80"_s,
                       u"H4@10,10 CH4@10,20 D4@10,25 CF4@10,75 F4@10,80"_s};
    QTest::newRow("left to right starts a page when a row of labels does not fit")
        << Setup{.paperWidth = 90000,
                 .paperHeight = 18000,
                 .left = 3000,
                 .columns = 2,
                 .positions = {5000, 52000},
                 .columnWidth = 43500,
                 .leftToRight = true}
        << Bands{.detail = 15081, .bottomOffset = 2000} << 3
        << QStringList{u"D0@5,0 D1@52,0"_s, u"D2@5,0"_s};
    QTest::newRow("columns without positions follow the left margin")
        << Setup{.left = 6350, .columns = 3, .columnWidth = 30000, .leftToRight = true}
        << Bands{.detail = 60000} << 4
        << QStringList{u"D0@6.35,0 D1@36.35,0 D2@66.35,0"_s, u"D3@6.35,0"_s};
    QTest::newRow("a band taller than the page prints alone on each page")
        << Setup{.paperHeight = 30000} << Bands{.detail = 40000} << 2
        << QStringList{u"D0@0,0"_s, u"D1@0,0"_s};
    QTest::newRow("no rows: one page of header and footer")
        << Setup{.paperHeight = 50000} << Bands{.header = 10000, .footer = 10000} << 0
        << QStringList{u"H-1@0,0 F-1@0,40"_s};
    QTest::newRow("no detail band: one page")
        << Setup{} << Bands{.header = 10000, .detail = -1} << 3 << QStringList{u"H-1@0,0"_s};
}

void tst_Pagination::layout() {
    QFETCH(Setup, setup);
    QFETCH(Bands, bands);
    QFETCH(int, rows);
    QFETCH(QStringList, pages);
    Rows data(rows);
    Report report;
    report.setLayout(::layout(setup, bands));
    data.bind(report);
    QCOMPARE(signatures(report), pages);
}

void tst_Pagination::pageRequestRaisedBeforeEachPage() {
    Rows data(5);
    Report report;
    report.setLayout(::layout(Setup{.paperHeight = 20000}, Bands{}));
    data.bind(report);
    HandlerRegistry handlers;
    int requests = 0;
    handlers.publish(u"ppReport1PageRequest"_s, [&](Report&) { ++requests; });
    report.setHandlers(&handlers);
    report.setOnPageRequest(u"ppReport1PageRequest"_s);

    Paginator paginator(report);
    QCOMPARE(requests, 0);
    int pages = 0;
    while (paginator.hasNextPage()) {
        paginator.nextPage();
        QCOMPARE(requests, ++pages);
    }
    QCOMPARE(pages, 3);
}

void tst_Pagination::silentAbortProducesNoPage() {
    Rows data(5);
    Report report;
    report.setLayout(::layout(Setup{.paperHeight = 20000}, Bands{}));
    data.bind(report);
    HandlerRegistry handlers;
    int requests = 0;
    handlers.publish(u"ppReport1PageRequest"_s, [&](Report&) {
        if (++requests == 2)
            throw plataforma::SilentAbort();
    });
    report.setHandlers(&handlers);
    report.setOnPageRequest(u"ppReport1PageRequest"_s);

    Paginator paginator(report);
    QCOMPARE(signature(paginator.nextPage()), u"D0@0,0 D1@0,10"_s);
    QVERIFY_THROWS_EXCEPTION(plataforma::SilentAbort, paginator.nextPage());
    QCOMPARE(signature(paginator.nextPage()), u"D2@0,0 D3@0,10"_s);
}

void tst_Pagination::handlerChangingBandHeightIsHonoured() {
    Rows data(3);
    Report report;
    report.setLayout(::layout(Setup{.paperHeight = 30000}, Bands{.columnHeader = 40000}));
    data.bind(report);
    HandlerRegistry handlers;
    // What the page-height check does when the operator accepts: the band is shrunk so that it
    // leaves 3 units of the paper.
    handlers.publish(u"ppReport1PageRequest"_s, [](Report& sender) {
        Band band = *sender.band(BandKind::ColumnHeader);
        const float paper = sender.printerSetup().paperHeight();
        if (paper - band.height() < 3)
            band.setHeight(paper - 3);
    });
    report.setHandlers(&handlers);
    report.setOnPageRequest(u"ppReport1PageRequest"_s);
    QCOMPARE(signatures(report),
             (QStringList{u"CH0@0,0 D0@0,27"_s, u"CH1@0,0 D1@0,27"_s, u"CH2@0,0 D2@0,27"_s}));
    QCOMPARE(report.band(BandKind::ColumnHeader)->mmHeight(), 27000);
}

void tst_Pagination::pipelineOpenedWhenClosed() {
    plataforma::MemTable table;
    table.addField("CDESCRICAO", plataforma::FieldType::Text, 60);
    MemTablePipeline pipeline(u"Selecionados"_s, table);
    PipelineRegistry registry;
    registry.add(pipeline);
    Report report;
    report.setPipelines(&registry);
    Paginator paginator(report);
    QVERIFY(table.isOpen());
    QCOMPARE(paginator.rowCount(), 0);
}

void tst_Pagination::paperSizeAsStored() {
    Report report;
    report.setLayout(::layout(Setup{.paperWidth = 297000, .paperHeight = 210000}, Bands{}));
    report.printerSetup().setOrientation(Orientation::Landscape);
    Paginator paginator(report);
    QCOMPARE(paginator.nextPage().paperSize, QSizeF(297, 210));
}

QTEST_GUILESS_MAIN(tst_Pagination)
#include "tst_pagination.moc"
