#include "../apoio/ModalAnswer.h"
#include "plataforma/Application.h"
#include "util/Confirma.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>

class TestConfirma : public QObject {
    Q_OBJECT

private slots:
    void enterPressesTheDefaultButton_data();
    void enterPressesTheDefaultButton();
    void escapeAnswersNo();
    void boxAsTheOperatorSeesIt();
};

void TestConfirma::enterPressesTheDefaultButton_data() {
    QTest::addColumn<bool>("simPadrao");
    QTest::newRow("sim-padrao") << true;
    QTest::newRow("nao-padrao") << false;
}

void TestConfirma::enterPressesTheDefaultButton() {
    QFETCH(bool, simPadrao);
    ModalAnswer answer;
    QCOMPARE(util::Confirma("O arquivo já existe, deseja substituir?", simPadrao, "Confirmação..."),
             simPadrao);
    QCOMPARE(answer.answered(), 1);
}

void TestConfirma::escapeAnswersNo() {
    ModalAnswer answer({}, Qt::Key_Escape);
    QVERIFY(!util::Confirma("Continuar?", true, "Confirmação..."));
}

void TestConfirma::boxAsTheOperatorSeesIt() {
    QWidget window;
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QMessageBox* box = nullptr;
    QString yes, no, caption, text;
    QWidget* owner = nullptr;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    ModalAnswer answer([&](QWidget* w) {
        box = qobject_cast<QMessageBox*>(w);
        QVERIFY(box);
        yes = box->button(QMessageBox::Yes)->text();
        no = box->button(QMessageBox::No)->text();
        caption = box->windowTitle();
        text = box->text();
        icon = box->icon();
        owner = box->parentWidget();
    });
    util::Confirma("O arquivo já existe, deseja substituir?", true, "Confirmação...");
    QCOMPARE(yes, "&Sim");
    QCOMPARE(no, "&Não");
    QCOMPARE(caption, "Confirmação...");
    QCOMPARE(text, "O arquivo já existe, deseja substituir?");
    QCOMPARE(icon, QMessageBox::Question);
    QCOMPARE(owner, &window);
}

int main(int argc, char** argv) {
    plataforma::Application app(argc, argv);
    TestConfirma test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_confirma.moc"
