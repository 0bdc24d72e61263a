#include "plataforma/Application.h"
#include "plataforma/SpinEdit.h"

#include <QLineEdit>
#include <QTest>

class TestSpinEdit : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void readsTheTextLeftInTheBox_data();
    void readsTheTextLeftInTheBox();
    void takesAtMostItsLength();

private:
    plataforma::SpinEdit* m_spin = nullptr;
};

void TestSpinEdit::init() {
    m_spin = new plataforma::SpinEdit;
    m_spin->setRange(0, 9999);
    m_spin->setMaxLength(4);
    m_spin->setValue(0);
    m_spin->show();
    QApplication::setActiveWindow(m_spin);
    QVERIFY(QTest::qWaitForWindowActive(m_spin));
    m_spin->setFocus();
}

void TestSpinEdit::cleanup() {
    delete m_spin;
}

void TestSpinEdit::readsTheTextLeftInTheBox_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("value");
    QTest::newRow("number") << "12" << 12;
    QTest::newRow("largest") << "9999" << 9999;
    QTest::newRow("cleared") << "" << 0;
    QTest::newRow("zero") << "0" << 0;
}

void TestSpinEdit::readsTheTextLeftInTheBox() {
    QFETCH(QString, typed);
    QFETCH(int, value);
    QCOMPARE(m_spin->text(), "0");
    m_spin->selectAll();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    QTest::keyClicks(QApplication::focusWidget(), typed);
    QCOMPARE(m_spin->text(), typed);
    QCOMPARE(m_spin->currentValue(), value);
}

void TestSpinEdit::takesAtMostItsLength() {
    m_spin->selectAll();
    QTest::keyClicks(QApplication::focusWidget(), "123456");
    QCOMPARE(m_spin->text(), "1234");
    QCOMPARE(m_spin->currentValue(), 1234);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QCOMPARE(m_spin->currentValue(), 1235);
}

int main(int argc, char** argv) {
    plataforma::Application app(argc, argv);
    TestSpinEdit test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_spinedit.moc"
