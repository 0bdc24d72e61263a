#include "../../apoio/ModalAnswer.h"
#include "DesignerFixture.h"
#include "modelos/ModelosHex.h"
#include "modelos/fluxo/Escritor.h"
#include "modelos/fluxo/TextoHex.h"
#include "plataforma/Exception.h"
#include "plataforma/NumberFormat.h"
#include "plataforma/relatorio/Properties.h"
#include "plataforma/relatorio/TemplateFile.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

using namespace plataforma::relatorio;
using namespace Qt::StringLiterals;

namespace {

QByteArray builtInStream(int id) {
    QString text;
    modelos::ModeloHexA4(static_cast<quint8>(id), text);
    return fluxo::textoParaFluxo(text);
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString native(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

QString fileNameIn(const fluxo::Objeto& layout) {
    return properties::text(layout, u"Template.FileName");
}

} // namespace

class TestDesignerWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { DesignerFixture::useTestSettings(); }

    void init() {
        m_fixture = std::make_unique<DesignerFixture>(twoControls());
        // What the system's save hook does: the layout to the template's file.
        m_fixture->designer().setCustomSaveHandler([this](Report& sender) {
            m_saved.append(sender.templateFileName());
            sender.saveToFile(sender.templateFileName());
        });
        m_saved.clear();
    }

    void cleanup() {
        m_fixture->editor().undoStack().setClean();
        m_fixture.reset();
        QFile::remove(DesignerSettings::filePath());
    }

    void opensOnTheDesignPageEachTimeItIsShown() {
        ReportDesigner& designer = m_fixture->designer();
        int shown = 0;
        designer.setShowHandler([&shown](ReportDesigner& sender) {
            ++shown;
            sender.report().setLanguage(Language::PortugueseBrazil);
            sender.pageControl()->setCurrentIndex(0);
        });
        QCOMPARE(designer.windowTitle(), u"Etiquetas"_s);
        QTabWidget* pages = designer.pageControl();
        QCOMPARE(pages->objectName(), u"pgcDesigner"_s);
        QCOMPARE(pages->count(), 2);
        QCOMPARE(pages->widget(0)->objectName(), u"tshDesign"_s);
        QCOMPARE(pages->tabText(0), u"Design"_s);
        QCOMPARE(pages->widget(1)->objectName(), u"tshPreview"_s);
        QCOMPARE(pages->tabText(1), u"Visualizar"_s);
        pages->setCurrentIndex(1);

        m_fixture->show();
        QCOMPARE(shown, 1);
        QCOMPARE(pages->currentIndex(), 0);
        QVERIFY(designer.windowState() & Qt::WindowMaximized);
        QCOMPARE(m_fixture->report().language(), Language::PortugueseBrazil);
        // The handler's language is no change of the operator's.
        QVERIFY(!m_fixture->editor().isModified());

        pages->setCurrentIndex(1);
        designer.reject();
        QVERIFY(!designer.isVisible());
        QTimer::singleShot(0, &designer, [&] {
            QCOMPARE(pages->currentIndex(), 0);
            designer.reject();
        });
        designer.exec();
        QCOMPARE(shown, 2);
    }

    void anInvalidFileKeepsTheLayout_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray stream = builtInStream(9);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not-a-template") << QByteArray("Descrição;Preço\n");
        QTest::newRow("text-rendering") << QByteArray("object ppReport1: TppReport\nend\n");
        QTest::newRow("cut-short") << stream.left(stream.size() / 2);
    }

    void anInvalidFileKeepsTheLayout() {
        QFETCH(QByteArray, bytes);
        QTemporaryDir folder;
        const QString path = folder.filePath(u"Etiquetas da gôndola.rtm"_s);
        QVERIFY(writeFile(path, bytes));
        m_fixture->show();
        m_fixture->editor().select({u"ppDBText1"_s});
        QTest::keyClick(m_fixture->surface(), Qt::Key_Right);
        const fluxo::Objeto before = m_fixture->report().layout();

        QString shown;
        ModalAnswer answer([&shown](QWidget* box) {
            QCOMPARE(box->objectName(), u"msgOpenFailed"_s);
            shown = qobject_cast<QMessageBox*>(box)->text();
        });
        QVERIFY(!m_fixture->designer().openTemplateFile(path));
        QCOMPARE(answer.answered(), 1);
        QVERIFY2(shown.contains(u"Etiquetas da gôndola.rtm"_s), qPrintable(shown));
        QVERIFY(shown.contains(u"continua como estava"_s));
        QCOMPARE(m_fixture->report().layout(), before);
        QVERIFY(m_fixture->editor().isModified());
    }

    void saveCallsTheHookWithTheFileLastOpened() {
        QTemporaryDir folder;
        const QString path = folder.filePath(u"gondola.rtm"_s);
        QVERIFY(writeFile(path, builtInStream(9)));
        m_fixture->show();
        m_fixture->openAnswer = path;
        m_fixture->designer().findChild<QAction*>(u"actOpen"_s)->trigger();
        QCOMPARE(m_fixture->report().templateFileName(), native(path));

        m_fixture->editor().select({u"ppDBText1"_s});
        QTest::keyClick(m_fixture->surface(), Qt::Key_Down);
        QTest::keyClick(m_fixture->surface(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(m_saved, QStringList{native(path)});
        QVERIFY(m_fixture->saveStarts.isEmpty());
        QVERIFY(!m_fixture->editor().isModified());
        Report reread;
        reread.loadFromFile(path);
        QCOMPARE(reread.layout(), m_fixture->report().layout());
    }

    void saveWithoutAUsableFileNameAsksForOne_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("suggested");
        QTest::newRow("new-layout") << QString() << false << u"Etiquetas.rtm"_s;
        QTest::newRow("saved-on-windows") << u"C:\\Etiquetas\\3 Colunas x 8 Linhas.rtm"_s << false
                                          << u"3 Colunas x 8 Linhas.rtm"_s;
        QTest::newRow("read-only-file")
            << u"somente-leitura.rtm"_s << true << u"somente-leitura.rtm"_s;
    }

    void saveWithoutAUsableFileNameAsksForOne() {
        QFETCH(QString, fileName);
        QFETCH(bool, readOnly);
        QFETCH(QString, suggested);
        QTemporaryDir folder;
        if (readOnly) {
            fileName = folder.filePath(fileName);
            QVERIFY(writeFile(fileName, builtInStream(9)));
            QFile::setPermissions(fileName, QFile::ReadOwner | QFile::ReadUser);
        }
        m_fixture->report().setTemplateFileName(fileName);
        m_fixture->show();

        // Cancelling the dialog saves nothing.
        m_fixture->designer().save();
        QCOMPARE(m_fixture->saveStarts.size(), 1);
        QCOMPARE(QFileInfo(m_fixture->saveStarts.first()).fileName(), suggested);
        QVERIFY(m_saved.isEmpty());

        m_fixture->saveAnswer = folder.filePath(u"escolhido"_s);
        m_fixture->designer().findChild<QAction*>(u"actSave"_s)->trigger();
        const QString chosen = native(folder.filePath(u"escolhido.rtm"_s));
        QCOMPARE(m_saved, QStringList{chosen});
        QCOMPARE(m_fixture->report().templateFileName(), chosen);
        QCOMPARE(fileNameIn(readTemplateFile(chosen)), chosen);
        // Now the file name is usable: Save goes there without asking.
        m_fixture->designer().save();
        QCOMPARE(m_fixture->saveStarts.size(), 2);
        QCOMPARE(m_saved.size(), 2);
    }

    void aFailedSaveIsShownAndChangesNothing() {
        QTemporaryDir folder;
        m_fixture->designer().setCustomSaveHandler(
            [](Report&) { throw plataforma::Exception(u"Não foi possível criar o arquivo"_s); });
        m_fixture->show();
        m_fixture->editor().select({u"ppDBText1"_s});
        QTest::keyClick(m_fixture->surface(), Qt::Key_Down);
        m_fixture->saveAnswer = folder.filePath(u"novo.rtm"_s);
        QString shown;
        ModalAnswer answer(
            [&shown](QWidget* box) { shown = qobject_cast<QMessageBox*>(box)->text(); });
        QVERIFY(!m_fixture->designer().saveAs());
        QCOMPARE(answer.answered(), 1);
        QCOMPARE(shown, u"Não foi possível criar o arquivo."_s);
        QCOMPARE(m_fixture->report().templateFileName(), QString());
        QVERIFY(m_fixture->editor().isModified());
    }

    // Opening a built-in template and saving it unchanged changes nothing but the file it
    // names.
    void aBuiltInTemplateSavedUnchangedKeepsItsBytes() {
        QTemporaryDir folder;
        const QString exported = folder.filePath(u"exportado.rtm"_s);
        const QString opened = folder.filePath(u"aberto.rtm"_s);
        QVERIFY(writeFile(exported, builtInStream(9)));
        QVERIFY(QFile::copy(exported, opened));
        m_fixture->show();
        QVERIFY(m_fixture->designer().openTemplateFile(opened));
        QVERIFY(m_fixture->designer().save());
        QCOMPARE(m_saved, QStringList{native(opened)});

        const fluxo::Objeto original = readTemplateFile(exported);
        fluxo::Objeto saved = readTemplateFile(opened);
        QVERIFY(fileNameIn(original).startsWith(u"C:\\"_s));
        QCOMPARE(fileNameIn(saved), native(opened));
        properties::setText(saved, u"Template.FileName"_s, fileNameIn(original));
        QCOMPARE(saved, original);
        QCOMPARE(fluxo::escreverFluxo(saved), builtInStream(9));
    }

    void settingsKeepTheLastFolderAndRecentFiles() {
        QTemporaryDir folder;
        const QString path = folder.filePath(u"gondola.rtm"_s);
        QVERIFY(writeFile(path, builtInStream(9)));
        m_fixture->show();
        m_fixture->openAnswer = path;
        m_fixture->designer().openTemplate();
        m_fixture->designer().reject();

        QCOMPARE(QFileInfo(DesignerSettings::filePath()).fileName(), u"RBuilder.ini"_s);
        QCOMPARE(QFileInfo(DesignerSettings::filePath()).absolutePath(),
                 QStandardPaths::writableLocation(QStandardPaths::ConfigLocation));
        QSettings ini(DesignerSettings::filePath(), QSettings::IniFormat);
        QCOMPARE(ini.value(u"Designer/RecentFiles"_s).toStringList(),
                 QStringList{QFileInfo(path).absoluteFilePath()});

        DesignerFixture again(twoControls());
        again.show();
        again.designer().openTemplate();
        QCOMPARE(again.openStarts, QStringList{QFileInfo(path).absolutePath()});
        QMenu* recent = again.designer().findChild<QMenu*>(u"mnuRecent"_s);
        QCOMPARE(recent->actions().size(), 1);
        recent->actions().first()->trigger();
        QCOMPARE(again.report().templateFileName(), native(path));
    }

    void theSystemFileDialogOpensTheChosenFile() {
        QTemporaryDir folder;
        const QString path = folder.filePath(u"gondola.rtm"_s);
        QVERIFY(writeFile(path, builtInStream(9)));
        DesignerFixture system(twoControls(), DesignerFixture::Dialogs::System);
        system.show();
        ModalAnswer answer([&path](QWidget* dialog) {
            auto* name = dialog->findChild<QLineEdit*>(u"fileNameEdit"_s);
            QVERIFY(name);
            name->setText(path);
            name->setFocus();
        });
        system.designer().openTemplate();
        QCOMPARE(answer.answered(), 1);
        QCOMPARE(system.report().templateFileName(), native(path));
    }

    // "Novo" brings back the layout the report held when the designer was made, with no file.
    void newBringsBackTheStartingLayout() {
        QTemporaryDir folder;
        const QString path = folder.filePath(u"gondola.rtm"_s);
        QVERIFY(writeFile(path, builtInStream(9)));
        m_fixture->show();
        QVERIFY(m_fixture->designer().openTemplateFile(path));
        m_fixture->editor().select({u"ppDBText1"_s});
        QTest::keyClick(m_fixture->surface(), Qt::Key_Down);
        ModalAnswer discard(
            [](QWidget* box) {
                qobject_cast<QMessageBox*>(box)->button(QMessageBox::No)->setFocus();
            },
            Qt::Key_Space);
        m_fixture->designer().findChild<QAction*>(u"actNew"_s)->trigger();
        QCOMPARE(discard.answered(), 1);
        QCOMPARE(m_fixture->report().layout(), twoControls());
        QCOMPARE(m_fixture->report().templateFileName(), QString());
        QCOMPARE(m_fixture->editor().undoStack().count(), 0);
        m_fixture->designer().save();
        QCOMPARE(m_fixture->saveStarts.size(), 1);
    }

    void pageSetupShowsTheReportsSettings() {
        m_fixture->show();
        m_fixture->designer().pageControl()->setCurrentIndex(1);
        m_fixture->editor().select({u"ppDBText1"_s});
        m_fixture->designer().findChild<QAction*>(u"actPageSetup"_s)->trigger();
        QCOMPARE(m_fixture->designer().pageControl()->currentIndex(), 0);
        QVERIFY(m_fixture->editor().selection().isEmpty());
        QWidget* paper = m_fixture->designer().findChild<QWidget*>(u"cmbPaper"_s);
        QVERIFY(paper->isVisible());
        QTRY_VERIFY(paper->hasFocus());
    }

    void closingWithUnsavedChangesAsks() {
        m_fixture->show();
        const QByteArray before = m_fixture->designer().report().toStream();
        m_fixture->editor().select({u"ppDBText1"_s});
        QTest::keyClick(m_fixture->surface(), Qt::Key_Down);
        ReportDesigner& designer = m_fixture->designer();
        {
            ModalAnswer cancel(
                [](QWidget* box) { QCOMPARE(box->objectName(), u"msgSaveChanges"_s); },
                Qt::Key_Escape);
            designer.findChild<QAction*>(u"actClose"_s)->trigger();
            QCOMPARE(cancel.answered(), 1);
            QVERIFY(designer.isVisible());
        }
        ModalAnswer discard(
            [](QWidget* box) {
                qobject_cast<QMessageBox*>(box)->button(QMessageBox::No)->setFocus();
            },
            Qt::Key_Space);
        designer.findChild<QAction*>(u"actClose"_s)->trigger();
        QCOMPARE(discard.answered(), 1);
        QVERIFY(!designer.isVisible());
        QVERIFY(m_saved.isEmpty());
        // "Não" leaves nothing of the changes for the next show or for printing.
        QCOMPARE(designer.report().toStream(), before);
        QVERIFY(!m_fixture->editor().isModified());
    }

    void saveAsHasCtrlShiftS() {
        const auto* saveAs = m_fixture->designer().findChild<QAction*>(u"actSaveAs"_s);
        QCOMPARE(saveAs->shortcut(), QKeySequence(u"Ctrl+Shift+S"_s));
    }

    void displayFormatsOfferBrazilianCurrency_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("shown");
        QTest::newRow("reais") << u"R$ #,##0.00"_s << u"R$ 1.234,50"_s;
        QTest::newRow("reais-negative-in-brackets") << u"R$ #,0.00;(R$ #,0.00)"_s << u"(R$ 3,00)"_s;
        QTest::newRow("existing-kept") << u"$#,0.00;($#,0.00)"_s << u"$1.234,50"_s;
    }

    void displayFormatsOfferBrazilianCurrency() {
        QFETCH(QString, format);
        QFETCH(QString, shown);
        const auto* formats = m_fixture->designer().findChild<QComboBox*>(u"cmbDisplayFormat"_s);
        QVERIFY(formats);
        QVERIFY(formats->findText(format) >= 0);
        const plataforma::Money value =
            plataforma::Money::fromUnits(shown.startsWith(u'(') ? -30000 : 12345000);
        QCOMPARE(plataforma::NumberFormat(format).format(value), shown);
    }

private:
    std::unique_ptr<DesignerFixture> m_fixture;
    QStringList m_saved;
};

QTEST_MAIN(TestDesignerWindow)
#include "tst_designer_window.moc"
