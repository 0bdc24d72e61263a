#include "plataforma/Money.h"

#include <QTest>
#include <cmath>
#include <limits>

using plataforma::Money;

class TestMoney : public QObject {
    Q_OBJECT

private slots:
    void fromDouble_data();
    void fromDouble();
    void fromDoubleRefusesWhatDoesNotFit_data();
    void fromDoubleRefusesWhatDoesNotFit();
    void roundedToCents_data();
    void roundedToCents();
    void fieldValue_data();
    void fieldValue();
};

void TestMoney::fromDouble_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("units");
    QTest::newRow("whole") << 12.0 << qint64(120000);
    QTest::newRow("two-decimals") << 11.25 << qint64(112500);
    QTest::newRow("negative") << -3.5 << qint64(-35000);
    QTest::newRow("fifth-decimal-down") << 1.00004 << qint64(10000);
    QTest::newRow("fifth-decimal-up") << 1.00006 << qint64(10001);
    // Binary fractions whose scaled value is an exact half.
    QTest::newRow("half-to-even-down") << 0.03125 << qint64(312);
    QTest::newRow("half-to-even-up") << 0.09375 << qint64(938);
    QTest::newRow("negative-half") << -0.03125 << qint64(-312);
    QTest::newRow("price-12.555") << 12.555 << qint64(125550);
    QTest::newRow("not-offered") << 9999999.99 << qint64(99999999900);
}

void TestMoney::fromDouble() {
    QFETCH(double, value);
    QFETCH(qint64, units);
    const std::optional<Money> money = Money::fromDouble(value);
    QVERIFY(money);
    QCOMPARE(money->units(), units);
}

void TestMoney::fromDoubleRefusesWhatDoesNotFit_data() {
    QTest::addColumn<double>("value");
    QTest::newRow("1E15") << 1e15;
    QTest::newRow("-1E15") << -1e15;
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity();
    QTest::newRow("2^63-units") << std::ldexp(1.0, 63) / 10000;
}

void TestMoney::fromDoubleRefusesWhatDoesNotFit() {
    QFETCH(double, value);
    QVERIFY(!Money::fromDouble(value));
}

void TestMoney::roundedToCents_data() {
    QTest::addColumn<qint64>("units");
    QTest::addColumn<qint64>("rounded");
    QTest::newRow("12.555-to-even-up") << qint64(125550) << qint64(125600);
    QTest::newRow("12.565-to-even-down") << qint64(125650) << qint64(125600);
    QTest::newRow("below-half") << qint64(125549) << qint64(125500);
    QTest::newRow("above-half") << qint64(125551) << qint64(125600);
    QTest::newRow("negative-half-even") << qint64(-125550) << qint64(-125600);
    QTest::newRow("negative-half-odd") << qint64(-125650) << qint64(-125600);
    QTest::newRow("already-cents") << qint64(125600) << qint64(125600);
    QTest::newRow("largest-count")
        << std::numeric_limits<qint64>::max() << std::numeric_limits<qint64>::max() / 100 * 100;
    QTest::newRow("smallest-count")
        << std::numeric_limits<qint64>::min() << std::numeric_limits<qint64>::min() / 100 * 100;
}

void TestMoney::roundedToCents() {
    QFETCH(qint64, units);
    QFETCH(qint64, rounded);
    QCOMPARE(Money::fromUnits(units).roundedToCents().units(), rounded);
}

void TestMoney::fieldValue_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<qint64>("stored");
    QTest::newRow("12.555") << 12.555 << true << qint64(125600);
    QTest::newRow("12.565") << 12.565 << true << qint64(125600);
    QTest::newRow("largest") << 999999999.99 << true << qint64(9999999999900);
    QTest::newRow("largest-negative") << -999999999.99 << true << qint64(-9999999999900);
    QTest::newRow("rounds-past-largest") << 999999999.995 << false << qint64(0);
    QTest::newRow("ten-digits") << 1e9 << false << qint64(0);
    QTest::newRow("1E14") << 1e14 << false << qint64(0);
}

void TestMoney::fieldValue() {
    QFETCH(double, value);
    QFETCH(bool, fits);
    QFETCH(qint64, stored);
    const std::optional<Money> field = Money::fromDouble(value)->toFieldValue();
    QCOMPARE(field.has_value(), fits);
    if (fits)
        QCOMPARE(field->units(), stored);
}

QTEST_GUILESS_MAIN(TestMoney)
#include "tst_money.moc"
