#include "plataforma/WholeNumber.h"

#include <QTest>
#include <optional>

using plataforma::parseInt32;
using plataforma::parseInt64;

class TestWholeNumber : public QObject {
    Q_OBJECT

private slots:
    void int32_data();
    void int32();
    void int64_data();
    void int64();
    void fallback();
};

// -1 in the "valid" column marks a text that is not a whole number.
void TestWholeNumber::int32_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");
    QTest::newRow("plain") << "1234" << true << 1234;
    QTest::newRow("leading-blanks") << "  12" << true << 12;
    QTest::newRow("plus") << "+5" << true << 5;
    QTest::newRow("minus") << "-789" << true << -789;
    QTest::newRow("leading-zeros") << "0007" << true << 7;
    QTest::newRow("largest") << "2147483647" << true << 2147483647;
    QTest::newRow("smallest") << "-2147483648" << true << int(-2147483648LL);
    QTest::newRow("one-past-largest") << "2147483648" << false << 0;
    QTest::newRow("one-past-smallest") << "-2147483649" << false << 0;
    QTest::newRow("many-digits") << "99999999999999999999999" << false << 0;
    QTest::newRow("dollar-hex") << "$1F" << true << 31;
    QTest::newRow("x-hex") << "x1f" << true << 31;
    QTest::newRow("X-hex") << "X1F" << true << 31;
    QTest::newRow("0x-hex") << "0x7FFFFFFF" << true << 2147483647;
    QTest::newRow("0X-hex") << "0Xff" << true << 255;
    QTest::newRow("negative-hex") << "-$80000000" << true << int(-2147483648LL);
    QTest::newRow("hex-past-largest") << "$80000000" << false << 0;
    QTest::newRow("hex-all-ones") << "$FFFFFFFF" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("blanks-only") << "   " << false << 0;
    QTest::newRow("sign-only") << "-" << false << 0;
    QTest::newRow("dollar-only") << "$" << false << 0;
    QTest::newRow("0x-only") << "0x" << false << 0;
    QTest::newRow("trailing-blank") << "12 " << false << 0;
    QTest::newRow("blank-after-sign") << "- 12" << false << 0;
    QTest::newRow("tab-before") << "\t12" << false << 0;
    QTest::newRow("letter-after") << "12a" << false << 0;
    QTest::newRow("sign-inside") << "1-2" << false << 0;
    QTest::newRow("two-signs") << "+-1" << false << 0;
    QTest::newRow("hex-digit-in-decimal") << "1F" << false << 0;
    QTest::newRow("decimal-point") << "1.5" << false << 0;
    QTest::newRow("arabic-indic-digit") << QString(QChar(0x0661)) << false << 0;
}

void TestWholeNumber::int32() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, value);
    const std::optional<qint32> parsed = parseInt32(text);
    QCOMPARE(parsed.has_value(), valid);
    if (valid)
        QCOMPARE(*parsed, value);
}

void TestWholeNumber::int64_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qint64>("value");
    QTest::newRow("largest") << "9223372036854775807" << true << std::numeric_limits<qint64>::max();
    QTest::newRow("one-past-largest") << "9223372036854775808" << false << qint64(0);
    QTest::newRow("smallest") << "-9223372036854775808" << true
                              << std::numeric_limits<qint64>::min();
    QTest::newRow("one-past-smallest") << "-9223372036854775809" << false << qint64(0);
    QTest::newRow("past-32-bits") << "2147483648" << true << qint64(2147483648);
    QTest::newRow("hex-largest") << "$7FFFFFFFFFFFFFFF" << true
                                 << std::numeric_limits<qint64>::max();
    QTest::newRow("hex-past-largest") << "$8000000000000000" << false << qint64(0);
    QTest::newRow("twenty-digits") << "18446744073709551616" << false << qint64(0);
}

void TestWholeNumber::int64() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(qint64, value);
    const std::optional<qint64> parsed = parseInt64(text);
    QCOMPARE(parsed.has_value(), valid);
    if (valid)
        QCOMPARE(*parsed, value);
}

void TestWholeNumber::fallback() {
    QCOMPARE(parseInt32(u"abc", 1), 1);
    QCOMPARE(parseInt32(u"7", 1), 7);
    QCOMPARE(parseInt64(u"", -1), qint64(-1));
}

QTEST_GUILESS_MAIN(TestWholeNumber)
#include "tst_wholenumber.moc"
