#include "plataforma/DateFormat.h"
#include "plataforma/NumberFormat.h"

#include <QTest>

using plataforma::Date;
using plataforma::DateFormat;
using plataforma::Money;
using plataforma::NumberFormat;

namespace {

const QString Price = QStringLiteral("###,###,##0.00");
const QString Percent = QStringLiteral("###,###,##0.00 %");
const QString ReportPrice = QStringLiteral("$#,0.00;($#,0.00)");

} // namespace

class TestFormats : public QObject {
    Q_OBJECT

private slots:
    void money_data();
    void money();
    void floatingPoint_data();
    void floatingPoint();
    void integer_data();
    void integer();
    void date_data();
    void date();
};

void TestFormats::money_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<qint64>("units");
    QTest::addColumn<QString>("shown");
    QTest::newRow("price-thousands") << Price << qint64(12345000) << "1.234,50";
    QTest::newRow("price-millions") << Price << qint64(12345678900) << "1.234.567,89";
    QTest::newRow("price-largest") << Price << qint64(9999999999900) << "999.999.999,99";
    QTest::newRow("price-beyond-places")
        << Price << qint64(12345678900000000) << "1.234.567.890.000,00";
    QTest::newRow("price-zero") << Price << qint64(0) << "0,00";
    QTest::newRow("price-below-one") << Price << qint64(500) << "0,05";
    QTest::newRow("price-negative") << Price << qint64(-12345000) << "-1.234,50";
    QTest::newRow("price-rounds-half-away") << Price << qint64(125) << "0,01";
    QTest::newRow("price-negative-rounds-to-zero") << Price << qint64(-49) << "0,00";
    QTest::newRow("percent-ten") << Percent << qint64(100000) << "10,00 %";
    QTest::newRow("percent-seven-and-a-half") << Percent << qint64(75000) << "7,50 %";
    QTest::newRow("report-positive") << ReportPrice << qint64(125000) << "$12,50";
    QTest::newRow("report-negative") << ReportPrice << qint64(-30000) << "($3,00)";
    QTest::newRow("report-thousands") << ReportPrice << qint64(12345000) << "$1.234,50";
    QTest::newRow("report-zero") << ReportPrice << qint64(0) << "$0,00";
    QTest::newRow("zero-section") << "0.00;(0.00);zero" << qint64(0) << "zero";
    QTest::newRow("rounds-into-zero-section") << "0.00;(0.00);zero" << qint64(-10) << "zero";
    QTest::newRow("empty-negative-section") << "0.00;;zero" << qint64(-20000) << "-2,00";
    QTest::newRow("optional-decimals") << "0.##" << qint64(50000) << "5";
    QTest::newRow("some-optional-decimals") << "0.0#" << qint64(52000) << "5,2";
    QTest::newRow("no-integer-places") << ".00" << qint64(125000) << "12,50";
    QTest::newRow("padded-integer") << "000" << qint64(70000) << "007";
    QTest::newRow("quoted-literal") << "'R$ '0.00" << qint64(10000) << "R$ 1,00";
    QTest::newRow("quoted-placeholders") << "0 \"#0.,\"" << qint64(10000) << "1 #0.,";
    QTest::newRow("literal-between-digits") << "00-00" << qint64(12340000) << "12-34";
    QTest::newRow("plain-without-format") << "" << qint64(125000) << "12,5";
    QTest::newRow("plain-negative-fraction") << "" << qint64(-5) << "-0,0005";
}

void TestFormats::money() {
    QFETCH(QString, pattern);
    QFETCH(qint64, units);
    QFETCH(QString, shown);
    QCOMPARE(NumberFormat(pattern).format(Money::fromUnits(units)), shown);
}

void TestFormats::floatingPoint_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("decimal-half-up") << "0.00" << 1.005 << "1,01";
    QTest::newRow("binary-noise") << Price << 0.1 + 0.2 << "0,30";
    QTest::newRow("large") << Price << 1e15 << "1.000.000.000.000.000,00";
    QTest::newRow("tiny") << "0.00" << 1e-300 << "0,00";
    QTest::newRow("negative-zero") << "0.00" << -0.0 << "0,00";
    QTest::newRow("carry-into-new-digit") << "0.00" << 9.999 << "10,00";
    QTest::newRow("plain") << "" << 12.5 << "12,5";
    QTest::newRow("plain-small") << "" << 0.001 << "0,001";
    QTest::newRow("not-a-number") << "0.00" << std::numeric_limits<double>::quiet_NaN() << "NAN";
}

void TestFormats::floatingPoint() {
    QFETCH(QString, pattern);
    QFETCH(double, value);
    QFETCH(QString, shown);
    QCOMPARE(NumberFormat(pattern).format(value), shown);
}

void TestFormats::integer_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("code") << "0" << qint64(1234) << "1234";
    QTest::newRow("code-zero") << "0" << qint64(0) << "0";
    QTest::newRow("code-negative") << "0" << qint64(-17) << "-17";
    QTest::newRow("grouped") << "#,##0" << qint64(1234567) << "1.234.567";
    QTest::newRow("smallest") << "0" << std::numeric_limits<qint64>::min()
                              << "-9223372036854775808";
    QTest::newRow("optional-zero") << "#" << qint64(0) << "";
}

void TestFormats::integer() {
    QFETCH(QString, pattern);
    QFETCH(qint64, value);
    QFETCH(QString, shown);
    QCOMPARE(NumberFormat(pattern).format(value), shown);
}

void TestFormats::date_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QString>("shown");
    QTest::newRow("last-day-of-2024") << "dd/mm/yyyy" << QDate(2024, 12, 31) << "31/12/2024";
    QTest::newRow("date-zero") << "dd/mm/yyyy" << QDate(1899, 12, 30) << "30/12/1899";
    QTest::newRow("short-parts") << "d/m/yy" << QDate(2024, 3, 5) << "5/3/24";
    QTest::newRow("default-is-short-date") << "" << QDate(2024, 3, 5) << "05/03/2024";
    QTest::newRow("names") << "dddd, d 'de' mmmm 'de' yyyy" << QDate(2024, 3, 5)
                           << "terça-feira, 5 de março de 2024";
    QTest::newRow("upper-case-letters") << "DD/MM/YYYY" << QDate(2024, 3, 5) << "05/03/2024";
}

void TestFormats::date() {
    QFETCH(QString, pattern);
    QFETCH(QDate, day);
    QFETCH(QString, shown);
    QCOMPARE(DateFormat(pattern).format(*Date::fromQDate(day)), shown);
}

QTEST_GUILESS_MAIN(TestFormats)
#include "tst_formats.moc"
