#include "plataforma/Date.h"

#include <QTest>

using plataforma::Date;

class TestDate : public QObject {
    Q_OBJECT

private slots:
    void dayNumbers_data();
    void dayNumbers();
    void outOfRange();
};

void TestDate::dayNumbers_data() {
    QTest::addColumn<QDate>("day");
    QTest::addColumn<int>("number");
    QTest::newRow("date-zero") << QDate(1899, 12, 30) << 0;
    QTest::newRow("day-one") << QDate(1899, 12, 31) << 1;
    QTest::newRow("before-zero") << QDate(1899, 12, 29) << -1;
    QTest::newRow("2024-12-31") << QDate(2024, 12, 31) << 45657;
    QTest::newRow("first-year") << QDate(1, 1, 1) << -693593;
    QTest::newRow("last-year") << QDate(9999, 12, 31) << 2958465;
}

void TestDate::dayNumbers() {
    QFETCH(QDate, day);
    QFETCH(int, number);
    const std::optional<Date> date = Date::fromQDate(day);
    QVERIFY(date);
    QCOMPARE(date->dayNumber(), number);
    QCOMPARE(Date::fromDayNumber(number).toQDate(), day);
}

void TestDate::outOfRange() {
    QVERIFY(!Date::fromQDate(QDate()));
    QVERIFY(!Date::fromQDate(QDate(10000, 1, 1)));
    QVERIFY(!Date::fromQDate(QDate(-1, 12, 31)));
    QVERIFY(Date().isZero());
}

QTEST_GUILESS_MAIN(TestDate)
#include "tst_date.moc"
