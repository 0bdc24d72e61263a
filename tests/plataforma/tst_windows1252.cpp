#include "plataforma/Windows1252Decoder.h"

#include <QTest>

class TestWindows1252 : public QObject {
    Q_OBJECT

private slots:
    void decode_data();
    void decode();
    void keepsNoStateBetweenLines();
};

void TestWindows1252::decode_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("ascii") << QByteArray("DIPIRONA;12.50") << "DIPIRONA;12.50";
    QTest::newRow("latin-letters") << QByteArray("\xC7\xE3o") << QString::fromUtf8("Ção");
    QTest::newRow("euro-sign") << QByteArray("\x80") << QString(QChar(0x20AC));
    QTest::newRow("curly-quotes") << QByteArray("\x93x\x94") << QString::fromUtf8("“x”");
    QTest::newRow("en-dash") << QByteArray("\x96") << QString(QChar(0x2013));
}

void TestWindows1252::decode() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    plataforma::Windows1252Decoder decoder;
    QCOMPARE(decoder.decode(bytes), text);
}

void TestWindows1252::keepsNoStateBetweenLines() {
    plataforma::Windows1252Decoder decoder;
    QCOMPARE(decoder.decode("\xE9"), QString::fromUtf8("é"));
    QCOMPARE(decoder.decode("a\x80"), QString::fromUtf8("a€"));
}

QTEST_GUILESS_MAIN(TestWindows1252)
#include "tst_windows1252.moc"
