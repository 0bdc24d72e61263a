#include "../../apoio/CupsPrivado.h"
#include "DesignerFixture.h"
#include "modelos/ModelosHex.h"
#include "modelos/fluxo/TextoHex.h"
#include "plataforma/Exception.h"
#include "plataforma/relatorio/TemplateFile.h"
#include "plataforma/relatorio/designer/widgets/PageView.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

using namespace plataforma::relatorio;
using namespace Qt::StringLiterals;

namespace {

// Built-in template 9: three columns of gondola labels on A4, eight rows of them, whose
// page-request event names ppReport1PageRequest.
fluxo::Objeto gondola() {
    QString text;
    modelos::ModeloHexA4(9, text);
    return readTemplate(fluxo::textoParaFluxo(text), u"9"_s);
}

QString pdfText(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(u"pdftotext"_s, {u"-layout"_s, path, u"-"_s});
    if (!pdftotext.waitForFinished() || pdftotext.exitCode() != 0)
        return {};
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

} // namespace

class TestDesignerPreview : public QObject {
    Q_OBJECT

private slots:
    // The spooler's library keeps the first server it talks to: the test's own scheduler runs
    // from the start.
    void initTestCase() {
        DesignerFixture::useTestSettings();
        QVERIFY2(m_cups.iniciar(), qPrintable(m_cups.erro()));
    }

    void init() {
        m_requests = 0;
        m_onRequest = {};
        m_handlers = std::make_unique<HandlerRegistry>();
        m_handlers->publish(u"ppReport1PageRequest"_s, [this](Report& sender) {
            ++m_requests;
            if (m_onRequest)
                m_onRequest(sender);
        });
        m_fixture = std::make_unique<DesignerFixture>(gondola());
        m_fixture->report().setHandlers(m_handlers.get());
    }

    void cleanup() {
        m_fixture->editor().undoStack().setClean();
        m_fixture.reset();
    }

    void showsThePagesOfTheBatch() {
        m_fixture->batch().addGondola();
        m_fixture->show();
        m_fixture->designer().pageControl()->setCurrentIndex(1);
        auto* page = m_fixture->designer().findChild<QLabel*>(u"lblPage"_s);
        QCOMPARE(page->text(), u"Página 1 de 2"_s);
        QCOMPARE(m_requests, 2);
        QVERIFY(!m_fixture->designer().findChild<QListWidget*>(u"lstProblems"_s)->isVisible());
        QVERIFY(!m_fixture->designer().findChild<QLabel*>(u"lblNote"_s)->isVisible());
        m_fixture->designer().findChild<QAction*>(u"actNextPage"_s)->trigger();
        QCOMPARE(page->text(), u"Página 2 de 2"_s);
        QVERIFY(!m_fixture->designer().findChild<QAction*>(u"actNextPage"_s)->isEnabled());
        m_fixture->designer().findChild<QAction*>(u"actFirstPage"_s)->trigger();
        QCOMPARE(page->text(), u"Página 1 de 2"_s);
    }

    // Opening another template on the preview page shows its pages; the selection, out of
    // sight there, cannot be deleted.
    void thePreviewFollowsTheLayout() {
        m_fixture->batch().addGondola();
        QTemporaryDir folder;
        const QString twoColumns = folder.filePath(u"duas-colunas.rtm"_s);
        QString text;
        modelos::ModeloHexA4(7, text);
        QFile file(twoColumns);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(fluxo::textoParaFluxo(text));
        file.close();
        m_fixture->show();
        m_fixture->editor().select({u"ppDBText1"_s});
        m_fixture->designer().pageControl()->setCurrentIndex(1);
        QVERIFY(!m_fixture->designer().findChild<QAction*>(u"actDelete"_s)->isEnabled());
        QTest::keyClick(&m_fixture->designer(), Qt::Key_Delete);
        QVERIFY(m_fixture->editor().control(u"ppDBText1"_s));

        QVERIFY(m_fixture->designer().openTemplateFile(twoColumns));
        auto* page = m_fixture->designer().findChild<QLabel*>(u"lblPage"_s);
        QTRY_COMPARE(page->text(), u"Página 1 de 3"_s);
        QCOMPARE(m_requests, 2 + 3);
    }

    void listsTheBarcodesThatCannotPrint() {
        m_fixture->batch().add({u"ALCOOL 70 1L"_s, u"7891000315508"_s, 9.9}, 3);
        m_fixture->batch().add({u"ALGODAO 50G"_s, u"7891010249298"_s, 3.2}, 1);
        m_fixture->show();
        m_fixture->designer().pageControl()->setCurrentIndex(1);
        auto* problems = m_fixture->designer().findChild<QListWidget*>(u"lstProblems"_s);
        QVERIFY(problems->isVisible());
        QCOMPARE(problems->count(), 1);
        QVERIFY2(problems->item(0)->text().contains(u"7891000315508"_s),
                 qPrintable(problems->item(0)->text()));
        QVERIFY(problems->item(0)->text().contains(u"EAN-13"_s));
        QCOMPARE(m_fixture->designer().findChild<QLabel*>(u"lblPage"_s)->text(),
                 u"Página 1 de 1"_s);
    }

    void aSilentAbortLeavesThePreviewEmpty() {
        m_fixture->batch().addGondola();
        m_onRequest = [](Report&) {
            throw plataforma::SilentAbort();
        };
        m_fixture->show();
        const fluxo::Objeto before = m_fixture->report().layout();
        m_fixture->designer().pageControl()->setCurrentIndex(1);
        auto* note = m_fixture->designer().findChild<QLabel*>(u"lblNote"_s);
        QVERIFY(note->isVisible());
        QVERIFY(note->text().contains(u"cancelada"_s));
        QCOMPARE(m_fixture->designer().findChild<QLabel*>(u"lblPage"_s)->text(), QString());
        QCOMPARE(m_fixture->report().layout(), before);
        QCOMPARE(m_fixture->editor().undoStack().count(), 0);
    }

    // The page-request handler may shrink a band; that change can be undone like any other.
    void whatTheHandlerChangesIsOneUndoStep() {
        m_fixture->batch().addGondola();
        m_onRequest = [](Report& sender) {
            sender.band(BandKind::Detail)->setMmHeight(30000);
        };
        m_fixture->show();
        m_fixture->designer().pageControl()->setCurrentIndex(1);
        QCOMPARE(m_fixture->editor().undoStack().count(), 1);
        QVERIFY(m_fixture->editor().isModified());
        QCOMPARE(m_fixture->surface()->sheet().band(BandKind::Detail)->mmHeight, 30000);
        m_fixture->editor().undoStack().undo();
        QCOMPARE(m_fixture->report().band(BandKind::Detail)->mmHeight(), 32808);
    }

    void exportsThePdf() {
        m_fixture->batch().addGondola();
        QTemporaryDir folder;
        m_fixture->saveAnswer = folder.filePath(u"etiquetas"_s);
        m_fixture->show();
        m_fixture->designer().findChild<QAction*>(u"actExportPdf"_s)->trigger();
        const QString text = pdfText(folder.filePath(u"etiquetas.pdf"_s));
        QVERIFY2(text.contains(u"DIPIRONA SODICA"_s), qPrintable(text));
        QVERIFY(text.contains(u"PROTETOR SOLAR FPS 50"_s));
        QVERIFY(text.contains(u"ESCOVA DENTAL MACIA"_s));
        QCOMPARE(m_requests, 2);
    }

    void printsThroughThePrintDialog() {
        m_fixture->batch().addGondola();
        QTemporaryDir folder;
        const QString printed = folder.filePath(u"impresso.pdf"_s);
        bool accept = false;
        m_fixture->designer().dialogs().print = [&](QPrinter& printer, QWidget*) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(printed);
            return accept;
        };
        m_fixture->show();
        m_fixture->designer().printLabels();
        QVERIFY(!QFile::exists(printed));
        QCOMPARE(m_requests, 0);
        accept = true;
        m_fixture->designer().findChild<QAction*>(u"actPrint"_s)->trigger();
        QVERIFY(pdfText(printed).contains(u"ESCOVA DENTAL MACIA"_s));
        QCOMPARE(m_requests, 2);
    }

    void previewsAsTheChosenPrinterPrints_data() {
        QTest::addColumn<QString>("printer");
        QTest::addColumn<bool>("widened");
        QTest::newRow("203 dpi label printer") << u"termica"_s << true;
        QTest::newRow("no such printer") << u"nenhuma"_s << false;
    }
    // Template 9's 0.33 mm bars are 3 dots (0.375 mm) on a 203 dpi printer: in a 38 mm box,
    // which holds them exactly drawn, they no longer fit, and only that printer's preview says so.
    void previewsAsTheChosenPrinterPrints() {
        QFETCH(QString, printer);
        QFETCH(bool, widened);
        QVERIFY2(m_cups.criarFila(u"termica"_s, u"file:///dev/null"_s,
                                  {u"-m"_s, u"drv:///sample.drv/zebra.ppd"_s}),
                 qPrintable(m_cups.erro()));
        m_fixture->batch().addGondola();
        m_fixture->report().printerSetup().setPrinterName(printer);
        for (Band band : m_fixture->report().bands()) {
            for (Control control : band.controls()) {
                if (control.kind() == ControlKind::DataBarcode)
                    control.setBox(
                        {control.box().left, control.box().top, 38000, control.box().height});
            }
        }
        m_fixture->show();
        m_fixture->designer().pageControl()->setCurrentIndex(1);
        auto* problems = m_fixture->designer().findChild<QListWidget*>(u"lstProblems"_s);
        QCOMPARE(problems->isVisible(), widened);
        for (int i = 0; i < problems->count(); ++i)
            QVERIFY2(problems->item(i)->text().contains(u"203 dpi"_s),
                     qPrintable(problems->item(i)->text()));
        m_fixture->designer().pageControl()->setCurrentIndex(0);
        QVERIFY(m_cups.removerFila(u"termica"_s));
    }

    void zoomFitsThePage() {
        m_fixture->batch().addGondola();
        m_fixture->show();
        m_fixture->designer().pageControl()->setCurrentIndex(1);
        auto* view = m_fixture->designer().findChild<PageView*>(u"pageView"_s);
        auto* area = view->parentWidget();
        m_fixture->designer().findChild<QAction*>(u"actZoomActualSize"_s)->trigger();
        const int paper = qRound(210 / 25.4 * view->logicalDpiX());
        QVERIFY(qAbs(view->minimumWidth() - 2 * PageView::Margin - paper) <= 1);
        m_fixture->designer().findChild<QAction*>(u"actZoomPageWidth"_s)->trigger();
        QVERIFY(view->minimumWidth() <= area->width());
        QVERIFY(view->minimumWidth() > area->width() - 4 * PageView::Margin);
        m_fixture->designer().findChild<QAction*>(u"actZoomWholePage"_s)->trigger();
        QVERIFY(view->minimumHeight() <= area->height());
    }

private:
    CupsPrivado m_cups;
    std::unique_ptr<HandlerRegistry> m_handlers;
    std::unique_ptr<DesignerFixture> m_fixture;
    std::function<void(Report&)> m_onRequest;
    int m_requests = 0;
};

QTEST_MAIN(TestDesignerPreview)
#include "tst_designer_preview.moc"
