#include "LabelBatch.h"
#include "TwoControls.h"
#include "modelos/fluxo/Leitor.h"
#include "plataforma/relatorio/Barcode.h"
#include "plataforma/relatorio/Symbology.h"
#include "plataforma/relatorio/TextShaper.h"
#include "plataforma/relatorio/designer/DesignRenderer.h"
#include "plataforma/relatorio/designer/LayoutEditor.h"
#include "plataforma/relatorio/designer/NewControl.h"
#include "plataforma/relatorio/designer/SaveTarget.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

using namespace plataforma::relatorio;
using namespace Qt::StringLiterals;

namespace {

MmBox boxOf(LayoutEditor& editor, const QString& name) {
    return editor.control(name)->box();
}

} // namespace

class TestLayoutEditor : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_report.setLayout(twoControls());
        m_editor = std::make_unique<LayoutEditor>(m_report);
    }

    void moveKeepsTheSelectionInsideTheBand_data() {
        QTest::addColumn<QStringList>("selection");
        QTest::addColumn<QPoint>("wanted");
        QTest::addColumn<QPoint>("made");
        QTest::newRow("free") << QStringList{u"ppDBText1"_s} << QPoint(1000, -2000)
                              << QPoint(1000, -2000);
        QTest::newRow("stops-at-left-edge")
            << QStringList{u"ppDBText1"_s} << QPoint(-15000, 0) << QPoint(-10000, 0);
        // The group stops when its leftmost member reaches the edge, keeping its shape.
        QTest::newRow("group-stops-together") << QStringList{u"ppShape1"_s, u"ppDBText1"_s}
                                              << QPoint(-8000, -8000) << QPoint(-5000, -5000);
    }

    void moveKeepsTheSelectionInsideTheBand() {
        QFETCH(QStringList, selection);
        QFETCH(QPoint, wanted);
        QFETCH(QPoint, made);
        const MmBox text = boxOf(*m_editor, u"ppDBText1"_s);
        m_editor->select(selection);
        QCOMPARE(m_editor->moveSelection(wanted), made);
        QCOMPARE(boxOf(*m_editor, u"ppDBText1"_s).left, text.left + made.x());
        QCOMPARE(boxOf(*m_editor, u"ppDBText1"_s).top, text.top + made.y());
        QCOMPARE(m_editor->undoStack().count(), 1);
    }

    void undoAndRedoRestoreTheWholeLayout() {
        const fluxo::Objeto before = m_report.layout();
        m_editor->select({u"ppShape1"_s});
        m_editor->moveSelection({2000, 3000});
        m_editor->deleteSelection();
        const fluxo::Objeto after = m_report.layout();
        QVERIFY(!m_editor->control(u"ppShape1"_s));
        m_editor->undoStack().undo();
        m_editor->undoStack().undo();
        QCOMPARE(m_report.layout(), before);
        m_editor->undoStack().redo();
        m_editor->undoStack().redo();
        QCOMPARE(m_report.layout(), after);
    }

    void aGestureIsOneUndoStep() {
        m_editor->select({u"ppDBText1"_s});
        const quint64 drag = m_editor->beginGesture();
        for (int step = 0; step < 5; ++step)
            m_editor->moveSelection({100, 200}, drag);
        QCOMPARE(m_editor->undoStack().count(), 1);
        QCOMPARE(boxOf(*m_editor, u"ppDBText1"_s).left, 10500);
        m_editor->moveSelection({100, 0}, m_editor->beginGesture());
        QCOMPARE(m_editor->undoStack().count(), 2);
        m_editor->moveSelection({100, 0});
        m_editor->moveSelection({100, 0});
        QCOMPARE(m_editor->undoStack().count(), 4);
    }

    void aDragBackToItsStartLeavesNothingToUndo() {
        m_editor->select({u"ppDBText1"_s});
        const quint64 drag = m_editor->beginGesture();
        m_editor->moveSelection({3000, 0}, drag);
        m_editor->moveSelection({-3000, 0}, drag);
        QCOMPARE(m_editor->undoStack().count(), 0);
        QVERIFY(!m_editor->isModified());
    }

    void propertyEditsInARowMerge() {
        const auto size = [](int points) {
            return [points](Control& control) {
                FontSettings font = control.font();
                font.size = points;
                control.setFont(font);
            };
        };
        m_editor->editControl(u"ppDBText1"_s, u"Tamanho"_s, u"Font.Size"_s, size(11));
        m_editor->editControl(u"ppDBText1"_s, u"Tamanho"_s, u"Font.Size"_s, size(12));
        QCOMPARE(m_editor->undoStack().count(), 1);
        m_editor->editControl(u"ppDBText1"_s, u"Campo"_s, u"DataField"_s,
                              [](Control& control) { control.setDataField(u"CPRECO"_s); });
        QCOMPARE(m_editor->undoStack().count(), 2);
        m_editor->undoStack().undo();
        m_editor->undoStack().undo();
        QCOMPARE(m_editor->control(u"ppDBText1"_s)->font().size, 10);
    }

    // A font change gives an auto-size label its new box at once, the box printing gives it,
    // and that box is what the layout (and so the saved template) holds.
    void autoSizeLabelTakesItsNewSizeAtOnce() {
        const QString name = m_editor->addControl(ControlKind::Label, {1000, 2000, 3000, 4000});
        m_editor->editControl(name, u"Texto"_s, u"Caption"_s, [](Control& control) {
            control.setCaption(u"R$ 12,50"_s);
            control.setAutoSize(true);
        });
        const MmBox before = boxOf(*m_editor, name);
        m_editor->editControl(name, u"Tamanho"_s, u"Font.Size"_s, [](Control& control) {
            FontSettings font = control.font();
            font.size *= 3;
            control.setFont(font);
        });
        const MmBox after = boxOf(*m_editor, name);
        QVERIFY2(after.width > 2 * before.width && after.height > 2 * before.height,
                 qPrintable(u"%1x%2 became %3x%4"_s.arg(before.width)
                                .arg(before.height)
                                .arg(after.width)
                                .arg(after.height)));
        TextShaper shaper;
        const Control label = *m_editor->control(name);
        const QRectF printed = shaper.shape(0, TextStyle::of(label), label.caption())->box;
        QCOMPARE(qRound(printed.width() * 1000), after.width);
        QCOMPARE(qRound(printed.height() * 1000), after.height);
        Report saved;
        saved.setLayout(fluxo::lerFluxo(m_report.toStream()));
        const std::vector<Control> detail = saved.band(BandKind::Detail)->controls();
        const auto savedLabel = std::find_if(detail.begin(), detail.end(),
                                             [&](const Control& c) { return c.name() == name; });
        QVERIFY(savedLabel != detail.end());
        QCOMPARE(savedLabel->box(), after);
    }

    // The file a layout belongs to is no edit: undoing past a save keeps the saved name.
    void undoKeepsTheTemplateFileName() {
        m_editor->select({u"ppShape1"_s});
        m_editor->moveSelection({1000, 0});
        m_report.setTemplateFileName(u"/tmp/salvo.rtm"_s);
        m_editor->markSaved();
        m_editor->undoStack().undo();
        QCOMPARE(m_report.templateFileName(), u"/tmp/salvo.rtm"_s);
        QCOMPARE(boxOf(*m_editor, u"ppShape1"_s).left, 5000);
        QVERIFY(m_editor->isModified());
    }

    void outsideChangesBecomeOneStep() {
        QVERIFY(!m_editor->adoptOutsideChanges(u"Ajuste"_s));
        m_report.band(BandKind::Detail)->setMmHeight(20000);
        QVERIFY(m_editor->adoptOutsideChanges(u"Ajuste"_s));
        QCOMPARE(m_editor->undoStack().count(), 1);
        m_editor->undoStack().undo();
        QCOMPARE(m_report.band(BandKind::Detail)->mmHeight(), 32808);
    }

    void addsEachPaletteKindToTheDetailBand_data() {
        QTest::addColumn<ControlKind>("kind");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("field");
        QTest::newRow("label") << ControlKind::Label << u"TppLabel"_s << u"ppLabel1"_s << QString();
        QTest::newRow("image") << ControlKind::Image << u"TppImage"_s << u"ppImage1"_s << QString();
        QTest::newRow("shape") << ControlKind::Shape << u"TppShape"_s << u"ppShape2"_s << QString();
        QTest::newRow("line") << ControlKind::Line << u"TppLine"_s << u"ppLine1"_s << QString();
        QTest::newRow("data-text")
            << ControlKind::DataText << u"TppDBText"_s << u"ppDBText2"_s << u"CID_PROD"_s;
        // A bar code starts on the first text field, the bar code of a label row.
        QTest::newRow("data-barcode")
            << ControlKind::DataBarcode << u"TppDBBarCode"_s << u"ppDBBarCode1"_s << u"CBARRAS"_s;
    }

    void addsEachPaletteKindToTheDetailBand() {
        QFETCH(ControlKind, kind);
        QFETCH(QString, className);
        QFETCH(QString, name);
        QFETCH(QString, field);
        LabelBatch batch;
        batch.bind(m_report);
        QCOMPARE(m_editor->addControl(kind, {1000, 2000, 3000, 4000}), name);
        QCOMPARE(m_editor->selection(), QStringList{name});
        const std::vector<Control> detail = m_report.band(BandKind::Detail)->controls();
        QVERIFY(std::any_of(detail.begin(), detail.end(),
                            [&name](const Control& control) { return control.name() == name; }));
        const Control added = *m_editor->control(name);
        QCOMPARE(added.className(), className);
        QCOMPARE(added.box(), (MmBox{1000, 2000, 3000, 4000}));
        QCOMPARE(added.userName(), name.mid(2));
        QCOMPARE(added.dataField(), field);
        if (!field.isEmpty())
            QCOMPARE(added.dataPipelineName(), u"Selecionados"_s);
        m_editor->undoStack().undo();
        QVERIFY(!m_editor->control(name));
        QVERIFY(m_editor->selection().isEmpty());
        m_report.setPipelines(nullptr);
    }

    void restackingKeepsEachGroupsOrder() {
        m_editor->addControl(ControlKind::Label, {0, 0, 1000, 1000});
        QCOMPARE(m_editor->controlNames(),
                 (QStringList{u"ppShape1"_s, u"ppDBText1"_s, u"ppLabel1"_s}));
        m_editor->select({u"ppLabel1"_s, u"ppDBText1"_s});
        m_editor->sendSelectionToBack();
        QCOMPARE(m_editor->controlNames(),
                 (QStringList{u"ppDBText1"_s, u"ppLabel1"_s, u"ppShape1"_s}));
        m_editor->select({u"ppDBText1"_s});
        m_editor->bringSelectionToFront();
        QCOMPARE(m_editor->controlNames(),
                 (QStringList{u"ppLabel1"_s, u"ppShape1"_s, u"ppDBText1"_s}));
        // A new shape goes under everything, where its white fill hides nothing.
        m_editor->addControl(ControlKind::Shape, {0, 0, 1000, 1000});
        QCOMPARE(m_editor->controlNames().first(), u"ppShape2"_s);
    }

    void bandHeightNeverGoesBelowZero() {
        m_editor->setBandHeight(BandKind::Header, -500);
        QCOMPARE(m_report.band(BandKind::Header)->mmHeight(), 0);
    }

    void reportEditsGoThroughTheEnginesSettings() {
        m_editor->editReport(u"Colunas"_s, u"Columns"_s, [](Report& report) {
            report.setColumns(3);
            report.setColumnPositions({2000, 70666, 139332});
        });
        QCOMPARE(m_report.columns(), 3);
        QCOMPARE(m_report.columnPositions(), (std::vector<int>{2000, 70666, 139332}));
        m_editor->undoStack().undo();
        QCOMPARE(m_report.layout(), twoControls());
    }

    void savesOnlyWhereThisSystemCanWrite_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("usable");
        const QString folder = m_folder.path();
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("windows-path") << u"C:\\Etiquetas\\Gondola.rtm"_s << false;
        QTest::newRow("relative") << u"Gondola.rtm"_s << false;
        QTest::newRow("missing-folder") << folder + u"/nada/Gondola.rtm"_s << false;
        QTest::newRow("new-file") << folder + u"/novo.rtm"_s << true;
        QTest::newRow("writable-file") << folder + u"/gravavel.rtm"_s << true;
        QTest::newRow("read-only-file") << folder + u"/somente-leitura.rtm"_s << false;
        QTest::newRow("folder") << folder << false;
    }

    void savesOnlyWhereThisSystemCanWrite() {
        QFETCH(QString, fileName);
        QFETCH(bool, usable);
        for (const QString& name : {u"gravavel.rtm"_s, u"somente-leitura.rtm"_s}) {
            QFile file(m_folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QFile::setPermissions(m_folder.filePath(u"somente-leitura.rtm"_s), QFile::ReadOwner);
        QCOMPARE(canSaveTo(fileName), usable);
    }

    // The design page shows a bar code with data of its kind; data the encoder refused would
    // leave the control blank.
    void barcodeSamplesEncode_data() {
        QTest::addColumn<QString>("type");
        for (const char* type : {"bcEAN_13", "bcEAN_8", "bcUPC_A", "bcCode128", "bcCode39",
                                 "bcCode93", "bcInterleaved2of5", "bcCodabar"})
            QTest::newRow(type) << QString::fromLatin1(type);
    }

    void barcodeSamplesEncode() {
        QFETCH(QString, type);
        const QString data = sampleBarcodeData(type);
        const Symbology* symbology = findSymbology(type);
        QVERIFY(symbology);
        if (symbology->digits > 0)
            QCOMPARE(retailDataProblem(*symbology, data), QString());
        const Barcode barcode =
            Barcode::encode({type, data, 0.33, QSizeF(60, 20), QFont(u"Courier New"_s)});
        QVERIFY2(barcode.isValid(), qPrintable(barcode.error()));
    }

    // With no row to print, the design page still shows every kind of control in its box.
    void designDrawingShowsControlsWithoutData_data() {
        QTest::addColumn<ControlKind>("kind");
        QTest::newRow("data-text") << ControlKind::DataText;
        QTest::newRow("data-barcode") << ControlKind::DataBarcode;
        QTest::newRow("image-without-picture") << ControlKind::Image;
        QTest::newRow("label") << ControlKind::Label;
    }

    void designDrawingShowsControlsWithoutData() {
        QFETCH(ControlKind, kind);
        m_editor->addControl(kind, {70000, 2000, 40000, 15000});
        DesignRenderer renderer(m_report);
        constexpr double dotsPerMm = 4;
        QImage band(qRound(120 * dotsPerMm), qRound(33 * dotsPerMm), QImage::Format_RGB32);
        band.fill(Qt::white);
        QPainter painter(&band);
        painter.scale(dotsPerMm, dotsPerMm);
        renderer.renderBand(painter, BandKind::Detail, {0, 0}, QRectF(0, 0, 120, 33));
        painter.end();
        const QImage box =
            band.copy(QRect(70 * dotsPerMm, 2 * dotsPerMm, 40 * dotsPerMm, 15 * dotsPerMm));
        int marked = 0;
        for (int y = 0; y < box.height(); ++y) {
            for (int x = 0; x < box.width(); ++x)
                marked += box.pixel(x, y) != qRgb(255, 255, 255);
        }
        QVERIFY2(marked > 50, qPrintable(QString::number(marked)));
    }

    void nextNameSkipsTakenNumbers() {
        QCOMPARE(nextControlName(m_report.layout(), u"TppShape"), u"ppShape2"_s);
        QCOMPARE(nextControlName(m_report.layout(), u"TppDBBarCode"), u"ppDBBarCode1"_s);
    }

private:
    Report m_report;
    std::unique_ptr<LayoutEditor> m_editor;
    QTemporaryDir m_folder;
};

QTEST_MAIN(TestLayoutEditor)
#include "tst_layout_editor.moc"
