#include "../../apoio/CupsPrivado.h"
#include "../../apoio/ModalAnswer.h"
#include "DesignerFixture.h"
#include "modelos/ModelosHex.h"
#include "modelos/fluxo/TextoHex.h"
#include "plataforma/Exception.h"
#include "plataforma/relatorio/TemplateFile.h"
#include "plataforma/relatorio/designer/widgets/PageView.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
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

    // Each label that comes out wrong is listed; choosing one shows its page, the label outlined.
    void listsTheLabelsThatComeOutWrong() {
        m_fixture->batch().addGondola();
        m_fixture->batch().add({u"ALCOOL 70 1L"_s, u"7891000315508"_s, 9.9}, 3);
        m_fixture->show();
        m_fixture->designer().pageControl()->setCurrentIndex(1);
        auto* problems = m_fixture->designer().findChild<QListWidget*>(u"lstProblems"_s);
        auto* count = m_fixture->designer().findChild<QLabel*>(u"lblProblemCount"_s);
        auto* page = m_fixture->designer().findChild<QLabel*>(u"lblPage"_s);
        QVERIFY(problems->isVisible());
        QCOMPARE(problems->count(), 3);
        QVERIFY(count->isVisible());
        QCOMPARE(count->text(), u"3 etiquetas com problemas"_s);
        // Nine rows of three labels to a page, down the columns first: the second of the three
        // is the fifth of the second page's first column.
        QCOMPARE(problems->item(1)->text(),
                 u"Página 2, linha 5, coluna 1 (32 ALCOOL 70 1L), ppDBBarCode1: Código de barras "
                 u"EAN-13 inválido: \"7891000315508\" (o dígito verificador deveria ser 7)"_s);
        QCOMPARE(page->text(), u"Página 1 de 2"_s);
        auto* view = m_fixture->designer().findChild<PageView*>(u"pageView"_s);
        const auto outlined = [view] {
            const QImage shown = view->grab().toImage();
            for (int y = 0; y < shown.height(); ++y) {
                for (int x = 0; x < shown.width(); ++x) {
                    const QRgb pixel = shown.pixel(x, y);
                    if (qRed(pixel) > 180 && qGreen(pixel) < 60 && qBlue(pixel) < 60)
                        return true;
                }
            }
            return false;
        };
        QVERIFY(!outlined());
        problems->setCurrentRow(1);
        QCOMPARE(page->text(), u"Página 2 de 2"_s);
        QVERIFY(outlined());
        m_fixture->designer().findChild<QAction*>(u"actFirstPage"_s)->trigger();
        QVERIFY(!outlined());

        m_fixture->designer().pageControl()->setCurrentIndex(0);
        QVERIFY(!count->isVisible());
    }

    void noProblemsNoList() {
        m_fixture->batch().addGondola();
        m_fixture->show();
        m_fixture->designer().pageControl()->setCurrentIndex(1);
        QVERIFY(!m_fixture->designer().findChild<QListWidget*>(u"lstProblems"_s)->isVisible());
        QCOMPARE(m_fixture->designer().findChild<QLabel*>(u"lblProblemCount"_s)->text(),
                 u"Nenhuma etiqueta com problemas"_s);
    }

    // Printing or exporting labels that come out wrong asks first; No, the default, leaves the
    // printer and the file alone.
    void asksBeforeLabelsWithProblemsGoOut_data() {
        QTest::addColumn<bool>("pdf");
        QTest::addColumn<bool>("yes");
        QTest::newRow("print, Enter") << false << false;
        QTest::newRow("print, Sim") << false << true;
        QTest::newRow("export, Enter") << true << false;
        QTest::newRow("export, Sim") << true << true;
    }
    void asksBeforeLabelsWithProblemsGoOut() {
        QFETCH(bool, pdf);
        QFETCH(bool, yes);
        m_fixture->batch().addGondola();
        m_fixture->batch().add({u"ALCOOL 70 1L"_s, u"7891000315508"_s, 9.9}, 2);
        QTemporaryDir folder;
        const QString output = folder.filePath(u"etiquetas.pdf"_s);
        m_fixture->saveAnswer = output;
        m_fixture->designer().dialogs().print = [&](QPrinter& printer, QWidget*) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(output);
            return true;
        };
        m_fixture->show();
        QString asked;
        ModalAnswer answer(
            [&](QWidget* box) {
                auto* message = qobject_cast<QMessageBox*>(box);
                asked = message->text();
                QCOMPARE(message->defaultButton(), message->button(QMessageBox::No));
                if (yes)
                    message->button(QMessageBox::Yes)->setFocus();
            },
            yes ? Qt::Key_Space : Qt::Key_Return);
        m_fixture->designer()
            .findChild<QAction*>(pdf ? u"actExportPdf"_s : u"actPrint"_s)
            ->trigger();
        QCOMPARE(answer.answered(), 1);
        QCOMPARE(asked, u"2 etiquetas com problemas. Imprimir assim mesmo?"_s);
        QCOMPARE(QFile::exists(output), yes);
        if (yes)
            QVERIFY(pdfText(output).contains(u"ALCOOL 70 1L"_s));
        QCOMPARE(m_requests, 2);
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

    // The operator is told a job went out only when the spooler took it; a refusal is the
    // standard error box with the scheduler's reason.
    void printsThroughTheSpooler_data() {
        QTest::addColumn<bool>("accepting");
        QTest::newRow("queue that takes the job") << true;
        QTest::newRow("queue that refuses jobs") << false;
    }
    void printsThroughTheSpooler() {
        QFETCH(bool, accepting);
        CupsPrivado& cups = m_cups;
        QVERIFY2(cups.instalarCaptura(), qPrintable(cups.erro()));
        const QString queue = u"balcao"_s;
        const QString job = cups.caminho(u"trabalho.pdf"_s);
        QVERIFY2(cups.criarFila(queue, u"captura:"_s + job), qPrintable(cups.erro()));
        if (!accepting)
            QCOMPARE(cups.executar(u"cupsreject"_s, {u"-r"_s, u"Sem etiquetas"_s, queue}).codigo,
                     0);
        m_fixture->batch().addGondola();
        m_fixture->designer().dialogs().print = [&](QPrinter& printer, QWidget*) {
            printer.setPrinterName(queue);
            return true;
        };
        m_fixture->show();
        QString shown;
        ModalAnswer answer(
            [&shown](QWidget* box) { shown = qobject_cast<QMessageBox*>(box)->text(); });
        m_fixture->designer().printLabels();
        const QString status = m_fixture->designer().findChild<QStatusBar*>()->currentMessage();
        if (accepting) {
            QCOMPARE(answer.answered(), 0);
            QVERIFY2(QRegularExpression(u"Trabalho \\d+ enviado para balcao\\."_s)
                         .match(status)
                         .hasMatch(),
                     qPrintable(status));
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(job), 30000);
        } else {
            QCOMPARE(answer.answered(), 1);
            QCOMPARE(shown,
                     u"A impressora \"balcao\" não está aceitando trabalhos: Sem etiquetas."_s);
            QVERIFY(!status.contains(u"Trabalho"_s));
        }
        QCOMPARE(m_requests, accepting ? 2 : 0);
        QVERIFY(cups.removerFila(queue));
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
