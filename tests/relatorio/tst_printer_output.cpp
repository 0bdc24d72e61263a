#include "plataforma/Exception.h"
#include "plataforma/MemTable.h"
#include "plataforma/relatorio/MemTablePipeline.h"
#include "plataforma/relatorio/PrinterOutput.h"
#include "plataforma/relatorio/Report.h"

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace plataforma::relatorio;
using namespace Qt::StringLiterals;

class tst_PrinterOutput : public QObject {
    Q_OBJECT

private slots:
    void paperFromTemplate_data();
    void paperFromTemplate();
    void abandonedRunSendsNothing();
};

void tst_PrinterOutput::paperFromTemplate_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<QSizeF>("paper"); // millimetres, as printed
    QTest::addColumn<QString>("pdfSize");
    QTest::newRow("A4") << 210000 << 297000 << false << QSizeF(210, 297) << u"595 x 842 pts"_s;
    QTest::newRow("A4 landscape") << 297000 << 210000 << true << QSizeF(297, 210)
                                  << u"842 x 595 pts"_s;
    QTest::newRow("label roll 105 x 30")
        << 105000 << 30000 << false << QSizeF(105, 30) << u"298 x 85 pts"_s;
}

// Without a print spooler the printer writes a PDF, which shows the paper it was given.
void tst_PrinterOutput::paperFromTemplate() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(bool, landscape);
    QFETCH(QSizeF, paper);
    QFETCH(QString, pdfSize);
    Report report;
    PrinterSetup setup = report.printerSetup();
    setup.setPrinterName(u"Impressora que não existe"_s);
    setup.setMmPaperWidth(width);
    setup.setMmPaperHeight(height);
    setup.setOrientation(landscape ? Orientation::Landscape : Orientation::Portrait);

    QTemporaryDir dir;
    const QString path = dir.filePath(u"impresso.pdf"_s);
    QPrinter printer(QPrinter::HighResolution);
    configurePrinter(report, printer);
    printer.setOutputFileName(path);
    QCOMPARE(printer.pageLayout().fullRect(QPageLayout::Millimeter).size().toSize(),
             paper.toSize());
    QCOMPARE(printer.docName(), u"Report"_s);
    QCOMPARE(print(report, printer).pages, 1);
    QVERIFY(printer.fullPage());

    QProcess pdfinfo;
    pdfinfo.start(u"pdfinfo"_s, {path});
    QVERIFY(pdfinfo.waitForFinished());
    const QString info = QString::fromUtf8(pdfinfo.readAllStandardOutput());
    QVERIFY2(info.contains(u"Page size:       "_s + pdfSize), qPrintable(info));
}

// A print job cannot be taken back once its pages have gone out: a page request that abandons
// the run on the last page must leave the printer without a job.
void tst_PrinterOutput::abandonedRunSendsNothing() {
    Report report;
    report.setColumns(1);
    report.printerSetup().setMmPaperHeight(30000);
    report.band(BandKind::Detail)->setMmHeight(20000);
    plataforma::MemTable table;
    table.addField("CDESCRICAO", plataforma::FieldType::Text, 60);
    MemTablePipeline pipeline(u"Selecionados"_s, table);
    pipeline.open();
    for (int i = 0; i < 3; ++i) {
        table.append();
        table.post();
    }
    PipelineRegistry pipelines;
    pipelines.add(pipeline);
    HandlerRegistry handlers;
    int requests = 0;
    handlers.publish(u"ppReport1PageRequest"_s, [&](Report&) {
        if (++requests == 3)
            throw plataforma::SilentAbort();
    });
    report.setPipelines(&pipelines);
    report.setHandlers(&handlers);

    QTemporaryDir dir;
    const QString path = dir.filePath(u"impresso.pdf"_s);
    QPrinter printer(QPrinter::HighResolution);
    configurePrinter(report, printer);
    printer.setOutputFileName(path);
    QVERIFY_THROWS_EXCEPTION(plataforma::SilentAbort, print(report, printer));
    QCOMPARE(requests, 3);
    QVERIFY(!QFile::exists(path));
}

QTEST_MAIN(tst_PrinterOutput)
#include "tst_printer_output.moc"
