#include "../apoio/ModalAnswer.h"
#include "plataforma/Application.h"
#include "plataforma/AttentionBox.h"
#include "plataforma/ErrorBox.h"
#include "plataforma/Errors.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <stdexcept>

namespace {

struct Box {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QWidget* owner = nullptr;
};

Box read(QWidget* widget) {
    auto* box = qobject_cast<QMessageBox*>(widget);
    if (!box)
        return {};
    return {box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
            box->parentWidget()};
}

// Throws from inside an event, as a handler of a window would.
class Thrower : public QObject {
public:
    std::function<void()> raise;

    bool event(QEvent* event) override {
        if (event->type() == QEvent::User)
            raise();
        return QObject::event(event);
    }
};

} // namespace

class TestErrorBox : public QObject {
    Q_OBJECT

private slots:
    void fullStopRule_data();
    void fullStopRule();
    void ownedByTheActiveWindow();
    void eventLoopShowsUncaughtErrors_data();
    void eventLoopShowsUncaughtErrors();
    void silentAbortShowsNothing();
    void errorFromAClickHandler();
    void errorFromAKeyHandler();
    void attentionBox();
    void platformErrorTexts();
};

void TestErrorBox::fullStopRule_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("adds-full-stop") << "I/O error 104"
                                    << "I/O error 104.";
    QTest::newRow("keeps-full-stop") << "Done."
                                     << "Done.";
    QTest::newRow("question-mark-is-above") << "Why?"
                                            << "Why?.";
    QTest::newRow("slash-is-above") << "a/"
                                    << "a/.";
    QTest::newRow("dash-is-below") << "a-"
                                   << "a-";
    QTest::newRow("blank-is-below") << "a "
                                    << "a ";
    QTest::newRow("exclamation-is-below") << "a!"
                                          << "a!";
    QTest::newRow("accented-letter") << "Atenção"
                                     << "Atenção.";
    QTest::newRow("empty") << ""
                           << "";
}

void TestErrorBox::fullStopRule() {
    QFETCH(QString, message);
    QFETCH(QString, shown);
    Box box;
    ModalAnswer answer([&](QWidget* w) { box = read(w); });
    plataforma::showErrorBox(message);
    QCOMPARE(answer.answered(), 1);
    QCOMPARE(box.text, shown);
    QCOMPARE(box.caption, "tst_errorbox");
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.buttons, QMessageBox::Ok);
}

void TestErrorBox::ownedByTheActiveWindow() {
    QWidget window;
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    Box box;
    ModalAnswer answer([&](QWidget* w) { box = read(w); });
    plataforma::showErrorBox("x");
    QCOMPARE(box.owner, &window);
}

void TestErrorBox::eventLoopShowsUncaughtErrors_data() {
    QTest::addColumn<std::function<void()>>("raise");
    QTest::addColumn<QString>("shown");
    using Raise = std::function<void()>;
    QTest::newRow("io-error") << Raise([] { throw plataforma::IoError(104); }) << "I/O error 104.";
    QTest::newRow("common-base") << Raise([] { throw plataforma::Exception("Falhou."); })
                                 << "Falhou.";
    QTest::newRow("standard-library")
        << Raise([] { throw std::runtime_error("bad thing"); }) << "bad thing.";
    QTest::newRow("anything-else") << Raise([] { throw 42; }) << "Unknown error.";
}

void TestErrorBox::eventLoopShowsUncaughtErrors() {
    QFETCH(std::function<void()>, raise);
    QFETCH(QString, shown);
    Thrower thrower;
    thrower.raise = raise;
    Box box;
    ModalAnswer answer([&](QWidget* w) { box = read(w); });
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    QTRY_COMPARE(answer.answered(), 1);
    QCOMPARE(box.text, shown);
    QCOMPARE(box.icon, QMessageBox::Critical);

    // The program goes on: the next event is delivered as usual.
    bool delivered = false;
    thrower.raise = [&] {
        delivered = true;
    };
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    QTRY_VERIFY(delivered);
}

void TestErrorBox::silentAbortShowsNothing() {
    Thrower thrower;
    bool raised = false;
    thrower.raise = [&] {
        raised = true;
        throw plataforma::SilentAbort();
    };
    ModalAnswer answer;
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    QTRY_VERIFY(raised);
    QTest::qWait(100);
    QCOMPARE(answer.answered(), 0);
}

void TestErrorBox::errorFromAClickHandler() {
    QPushButton button("Carregar");
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, plataforma::reportingErrors([&] {
        if (++clicks == 1)
            throw plataforma::IoError(plataforma::IoError::FileNotOpenForInput);
    }));
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    QString shown;
    ModalAnswer answer([&](QWidget* w) { shown = read(w).text; });
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(answer.answered(), 1);
    QCOMPARE(shown, "I/O error 104.");
    QVERIFY(!button.isDown());
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(clicks, 2);
}

void TestErrorBox::errorFromAKeyHandler() {
    struct Window : QWidget {
        int swallowed = 0;

        void keyPressEvent(QKeyEvent* event) override {
            if (plataforma::reportErrors([&] { formKeyDown(event); }))
                QWidget::keyPressEvent(event);
            else
                ++swallowed;
        }

        static void formKeyDown(QKeyEvent* event) {
            if (event->key() == Qt::Key_Delete && event->modifiers() & Qt::ControlModifier)
                throw plataforma::SilentAbort();
            if (event->key() == Qt::Key_F3)
                throw plataforma::IoError(plataforma::IoError::FileNotOpenForInput);
        }
    } window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    {
        ModalAnswer silent;
        QTest::keyClick(&window, Qt::Key_Delete, Qt::ControlModifier);
        QTest::qWait(50);
        QCOMPARE(silent.answered(), 0);
        QCOMPARE(window.swallowed, 1);
    }
    QString shown;
    ModalAnswer answer([&](QWidget* w) { shown = read(w).text; });
    QTest::keyClick(&window, Qt::Key_F3);
    QCOMPARE(answer.answered(), 1);
    QCOMPARE(shown, "I/O error 104.");
}

void TestErrorBox::attentionBox() {
    QWidget owner;
    Box box;
    ModalAnswer answer([&](QWidget* w) { box = read(w); });
    plataforma::showAttention(&owner, "Nenhuma lista de produtos foi carregada.");
    QCOMPARE(answer.answered(), 1);
    QCOMPARE(box.caption, "Atenção");
    QCOMPARE(box.text, "Nenhuma lista de produtos foi carregada.");
    QCOMPARE(box.icon, QMessageBox::Information);
    QCOMPARE(box.buttons, QMessageBox::Ok);
    QCOMPARE(box.owner, &owner);
}

void TestErrorBox::platformErrorTexts() {
    QCOMPARE(plataforma::IoError(104).message(), "I/O error 104");
    QCOMPARE(plataforma::invalidIntegerError("1-2", "CQTDE").message(),
             "'1-2' is not a valid integer value for field 'CQTDE'");
    QCOMPARE(plataforma::fileCreationError("/x/y.rtm", "Permission denied").message(),
             "Cannot create file \"/x/y.rtm\". Permission denied");
}

int main(int argc, char** argv) {
    plataforma::Application app(argc, argv);
    TestErrorBox test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_errorbox.moc"
