#include "DesignerFixture.h"
#include "plataforma/relatorio/designer/LayoutEditor.h"

#include <QAction>
#include <QBuffer>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>

using namespace plataforma::relatorio;
using namespace Qt::StringLiterals;

namespace {

// Thousandths of a millimetre that a drag of so many pixels moves by, in steps of 0.1 mm.
int dragged(DesignSurface* surface, int pixels) {
    const int thousandths = surface->sheet().toThousandths(pixels);
    return static_cast<int>(std::lround(thousandths / 100.0)) * 100;
}

void drag(QWidget* widget, QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = {}) {
    QTest::mousePress(widget, Qt::LeftButton, modifiers, from);
    QTest::mouseMove(widget, (from + to) / 2);
    QTest::mouseMove(widget, to);
    QTest::mouseRelease(widget, Qt::LeftButton, modifiers, to);
}

} // namespace

class TestDesignerEditing : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { DesignerFixture::useTestSettings(); }

    void init() {
        m_fixture = std::make_unique<DesignerFixture>(twoControls());
        m_fixture->show();
    }

    void cleanup() {
        m_fixture->editor().undoStack().setClean();
        m_fixture.reset();
    }

    void arrowKeysMoveAndResizeTheSelection_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<MmBox>("box");
        QTest::newRow("right") << int(Qt::Key_Right) << Qt::KeyboardModifiers()
                               << MmBox{11000, 20000, 40000, 5000};
        QTest::newRow("up") << int(Qt::Key_Up) << Qt::KeyboardModifiers()
                            << MmBox{10000, 19000, 40000, 5000};
        QTest::newRow("shift-left-finer")
            << int(Qt::Key_Left) << Qt::KeyboardModifiers(Qt::ShiftModifier)
            << MmBox{9900, 20000, 40000, 5000};
        QTest::newRow("ctrl-down-taller")
            << int(Qt::Key_Down) << Qt::KeyboardModifiers(Qt::ControlModifier)
            << MmBox{10000, 20000, 40000, 6000};
        QTest::newRow("ctrl-left-narrower")
            << int(Qt::Key_Left) << Qt::KeyboardModifiers(Qt::ControlModifier)
            << MmBox{10000, 20000, 39000, 5000};
    }

    void arrowKeysMoveAndResizeTheSelection() {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(MmBox, box);
        DesignSurface* surface = m_fixture->surface();
        QTest::mouseClick(surface, Qt::LeftButton, {},
                          m_fixture->rectOf(u"ppDBText1"_s).center().toPoint());
        QCOMPARE(m_fixture->editor().selection(), QStringList{u"ppDBText1"_s});
        QTest::keyClick(surface, static_cast<Qt::Key>(key), modifiers);
        QCOMPARE(m_fixture->editor().control(u"ppDBText1"_s)->box(), box);
    }

    void dragMovesAndUndoRedoRestore() {
        DesignSurface* surface = m_fixture->surface();
        const QPoint start = m_fixture->rectOf(u"ppDBText1"_s).center().toPoint();
        drag(surface, start, start + QPoint(40, 17));
        const MmBox moved = m_fixture->editor().control(u"ppDBText1"_s)->box();
        QCOMPARE(moved.left, 10000 + dragged(surface, 40));
        QCOMPARE(moved.top, 20000 + dragged(surface, 17));
        QCOMPARE(m_fixture->editor().undoStack().count(), 1);

        QTest::keyClick(surface, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(m_fixture->editor().control(u"ppDBText1"_s)->box(),
                 (MmBox{10000, 20000, 40000, 5000}));
        QTest::keyClick(surface, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(m_fixture->editor().control(u"ppDBText1"_s)->box(), moved);
    }

    void aClickDoesNotNudge() {
        DesignSurface* surface = m_fixture->surface();
        const QPoint at = m_fixture->rectOf(u"ppDBText1"_s).center().toPoint();
        QTest::mousePress(surface, Qt::LeftButton, {}, at);
        QTest::mouseMove(surface, at + QPoint(1, 1));
        QTest::mouseRelease(surface, Qt::LeftButton, {}, at + QPoint(1, 1));
        QCOMPARE(m_fixture->editor().undoStack().count(), 0);
    }

    void handleResizes() {
        DesignSurface* surface = m_fixture->surface();
        const QRectF shape = m_fixture->rectOf(u"ppShape1"_s);
        QTest::mouseClick(surface, Qt::LeftButton, {}, (shape.topLeft() + QPointF(6, 6)).toPoint());
        QCOMPARE(m_fixture->editor().selection(), QStringList{u"ppShape1"_s});
        drag(surface, shape.bottomRight().toPoint(),
             shape.bottomRight().toPoint() + QPoint(30, -20));
        QCOMPARE(m_fixture->editor().control(u"ppShape1"_s)->box(),
                 (MmBox{5000, 5000, 60000 + dragged(surface, 30), 25000 + dragged(surface, -20)}));
        // The left handle moves the left edge and keeps the right one.
        const QRectF resized = m_fixture->rectOf(u"ppShape1"_s);
        const QPoint left(qRound(resized.left()), qRound(resized.center().y()));
        drag(surface, left, left + QPoint(-10, 0));
        const MmBox box = m_fixture->editor().control(u"ppShape1"_s)->box();
        QCOMPARE(box.left, 5000 + dragged(surface, -10));
        QCOMPARE(box.left + box.width, 65000 + dragged(surface, 30));
        QCOMPARE(m_fixture->editor().undoStack().count(), 2);
    }

    void deleteRemovesTheSelection() {
        DesignSurface* surface = m_fixture->surface();
        QTest::mouseClick(surface, Qt::LeftButton, {},
                          m_fixture->rectOf(u"ppDBText1"_s).center().toPoint());
        QTest::keyClick(surface, Qt::Key_Delete);
        QVERIFY(!m_fixture->editor().control(u"ppDBText1"_s));
        QVERIFY(m_fixture->editor().control(u"ppShape1"_s));
        QVERIFY(m_fixture->editor().selection().isEmpty());
    }

    void bandBarDragChangesTheBandHeight() {
        DesignSurface* surface = m_fixture->surface();
        const QPoint bar = surface->sheet().band(BandKind::Detail)->bar.center().toPoint();
        drag(surface, bar, bar + QPoint(0, 30));
        QCOMPARE(m_fixture->report().band(BandKind::Detail)->mmHeight(),
                 32808 + dragged(surface, 30));
        QCOMPARE(m_fixture->editor().undoStack().count(), 1);
        // Up past the band's top stops at nothing.
        const QPoint header = surface->sheet().band(BandKind::Header)->bar.center().toPoint();
        drag(surface, header, header + QPoint(0, -300));
        QCOMPARE(m_fixture->report().band(BandKind::Header)->mmHeight(), 0);
    }

    void rubberBandAndShiftClickSelect() {
        DesignSurface* surface = m_fixture->surface();
        const QRectF header = surface->sheet().band(BandKind::Header)->area;
        const QRectF text = m_fixture->rectOf(u"ppDBText1"_s);
        drag(surface, (header.topLeft() + QPointF(2, 2)).toPoint(), (text.center()).toPoint());
        QCOMPARE(m_fixture->editor().selection(), (QStringList{u"ppShape1"_s, u"ppDBText1"_s}));
        QTest::mouseClick(surface, Qt::LeftButton, Qt::ShiftModifier, text.center().toPoint());
        QCOMPARE(m_fixture->editor().selection(), QStringList{u"ppShape1"_s});
        // A click on the bare sheet selects nothing.
        QTest::mouseClick(surface, Qt::LeftButton, {}, (header.center()).toPoint());
        QVERIFY(m_fixture->editor().selection().isEmpty());
    }

    void paletteAddsEachKind_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("className");
        QTest::newRow("label") << u"actAddLabel"_s << u"TppLabel"_s;
        QTest::newRow("image") << u"actAddImage"_s << u"TppImage"_s;
        QTest::newRow("shape") << u"actAddShape"_s << u"TppShape"_s;
        QTest::newRow("line") << u"actAddLine"_s << u"TppLine"_s;
        QTest::newRow("data-text") << u"actAddDataText"_s << u"TppDBText"_s;
        QTest::newRow("data-barcode") << u"actAddDataBarcode"_s << u"TppDBBarCode"_s;
    }

    void thePaletteOffersTheSixKinds() {
        QStringList kinds;
        for (const QAction* action : m_fixture->designer().findChildren<QAction*>()) {
            if (action->objectName().startsWith(u"actAdd"_s))
                kinds.append(action->text());
        }
        QCOMPARE(kinds, (QStringList{u"Rótulo"_s, u"Imagem"_s, u"Forma"_s, u"Linha"_s,
                                     u"Texto de dados"_s, u"Código de barras de dados"_s}));
    }

    void paletteAddsEachKind() {
        QFETCH(QString, action);
        QFETCH(QString, className);
        DesignSurface* surface = m_fixture->surface();
        auto* add = m_fixture->designer().findChild<QAction*>(action);
        add->trigger();
        QVERIFY(add->isChecked());
        // A click outside the detail band adds nothing.
        const QRectF header = surface->sheet().band(BandKind::Header)->area;
        QTest::mouseClick(surface, Qt::LeftButton, {}, header.center().toPoint());
        QCOMPARE(m_fixture->editor().controlNames().size(), 2);

        const QRectF detail = surface->sheet().band(BandKind::Detail)->area;
        const QPoint at = (detail.topLeft() + QPointF(100, 10)).toPoint();
        drag(surface, at, at + QPoint(60, 40));
        const QStringList names = m_fixture->editor().controlNames();
        QCOMPARE(names.size(), 3);
        QCOMPARE(m_fixture->editor().selection().size(), 1);
        const Control added = *m_fixture->editor().control(m_fixture->editor().selection().first());
        QCOMPARE(added.className(), className);
        QCOMPARE(m_fixture->report().band(BandKind::Detail)->controls().size(), 3u);
        QCOMPARE(added.box().width, dragged(surface, 60));
        QVERIFY(m_fixture->designer().findChild<QAction*>(u"actSelect"_s)->isChecked());
    }

    void addedImageTakesThePictureChosen() {
        QTemporaryDir folder;
        QImage picture(30, 20, QImage::Format_RGB32);
        picture.fill(Qt::red);
        const QString path = folder.filePath(u"logo.bmp"_s);
        QVERIFY(picture.save(path));
        m_fixture->openAnswer = path;
        m_fixture->designer().findChild<QAction*>(u"actAddImage"_s)->trigger();
        DesignSurface* surface = m_fixture->surface();
        QTest::mouseClick(
            surface, Qt::LeftButton, {},
            (surface->sheet().band(BandKind::Detail)->area.topLeft() + QPointF(90, 20)).toPoint());
        const Control image = *m_fixture->editor().control(u"ppImage1"_s);
        QCOMPARE(image.pictureClass(), u"TPNGObject"_s);
        QVERIFY(image.pictureBytes().startsWith("\x89PNG"));
        QCOMPARE(QImage::fromData(image.pictureBytes()).size(), QSize(30, 20));
    }

    void doubleClickGoesToTheLabelsText() {
        m_fixture->editor().addControl(ControlKind::Label, {20000, 10000, 20000, 5000});
        m_fixture->editor().select({});
        DesignSurface* surface = m_fixture->surface();
        QTest::mouseDClick(surface, Qt::LeftButton, {},
                           m_fixture->rectOf(u"ppLabel1"_s).center().toPoint());
        auto* caption = m_fixture->designer().findChild<QLineEdit*>(u"edtCaption"_s);
        QTRY_VERIFY(caption->hasFocus());
        QTest::keyClicks(caption, u"Oferta"_s);
        QCOMPARE(m_fixture->editor().control(u"ppLabel1"_s)->caption(), u"Oferta"_s);
    }

    void panelEditsTheSelectedControl() {
        DesignSurface* surface = m_fixture->surface();
        QTest::mouseClick(surface, Qt::LeftButton, {},
                          m_fixture->rectOf(u"ppDBText1"_s).center().toPoint());
        auto* left = m_fixture->designer().findChild<QDoubleSpinBox*>(u"spnLeft"_s);
        QVERIFY(left->isVisible());
        QCOMPARE(left->value(), 10.0);
        left->setValue(12.5);
        QCOMPARE(m_fixture->editor().control(u"ppDBText1"_s)->box().left, 12500);

        auto* field = m_fixture->designer().findChild<QComboBox*>(u"cmbDataField"_s);
        QVERIFY(field->isVisible());
        QCOMPARE(field->currentText(), u"CDESCRICAO"_s);
        QCOMPARE(field->count(), 10);
        const int price = field->findText(u"CPRECOPRAT"_s);
        field->setCurrentIndex(price);
        emit field->textActivated(u"CPRECOPRAT"_s);
        QCOMPARE(m_fixture->editor().control(u"ppDBText1"_s)->dataField(), u"CPRECOPRAT"_s);
        // Moving the control shows in the panel.
        QTest::keyClick(surface, Qt::Key_Right);
        QCOMPARE(left->value(), 13.5);
    }

private:
    std::unique_ptr<DesignerFixture> m_fixture;
};

QTEST_MAIN(TestDesignerEditing)
#include "tst_designer_editing.moc"
