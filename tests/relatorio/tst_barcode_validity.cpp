#include "plataforma/relatorio/Barcode.h"

#include <QTest>

using namespace plataforma::relatorio;
using namespace Qt::StringLiterals;

class BarcodeValidityTest : public QObject {
    Q_OBJECT

private slots:
    void validity_data();
    void validity();
    void badGeometryIsRefused_data();
    void badGeometryIsRefused();
};

void BarcodeValidityTest::validity_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("error");

    const QString ean =
        u"Código de barras EAN-13 inválido: \"%1\" (são necessários 12 ou 13 dígitos)"_s;
    QTest::newRow("ean13-12-digits") << u"bcEAN_13"_s << u"789100000001"_s << QString();
    QTest::newRow("ean13-right-check") << u"bcEAN_13"_s << u"7891000000014"_s << QString();
    QTest::newRow("ean13-right-check-other") << u"bcEAN_13"_s << u"4006381333931"_s << QString();
    QTest::newRow("ean13-wrong-check")
        << u"bcEAN_13"_s << u"7891000000017"_s
        << u"Código de barras EAN-13 inválido: \"7891000000017\" (o dígito verificador deveria ser 4)"_s;
    for (const QString& data :
         {u"123"_s, u"1234567"_s, u"12345670"_s, u"78910000000"_s, u"78910000000140"_s,
          u"78910000000A"_s, u" 789100000001"_s, u"789100000001 "_s, u"789100 000001"_s,
          u"７89100000001"_s, QString()})
        QTest::addRow("ean13-refused-\"%s\"", qPrintable(data))
            << u"bcEAN_13"_s << data << ean.arg(data);

    QTest::newRow("ean8-7-digits") << u"bcEAN_8"_s << u"1234567"_s << QString();
    QTest::newRow("ean8-add-on-length")
        << u"bcEAN_8"_s << u"12345"_s
        << u"Código de barras EAN-8 inválido: \"12345\" (são necessários 7 ou 8 dígitos)"_s;
    QTest::newRow("upca-11-digits") << u"bcUPC_A"_s << u"01234567890"_s << QString();
    QTest::newRow("upca-wrong-check")
        << u"bcUPC_A"_s << u"012345678901"_s
        << u"Código de barras UPC-A inválido: \"012345678901\" (o dígito verificador deveria ser 5)"_s;

    QTest::newRow("code128-text") << u"bcCode128"_s << u"Abc 12,5%"_s << QString();
    QTest::newRow("code128-digits") << u"bcCode128"_s << u"7891000000017"_s << QString();
    QTest::newRow("code128-latin1") << u"bcCode128"_s << u"Pão"_s << QString();
    QTest::newRow("code128-empty")
        << u"bcCode128"_s << QString() << u"Código de barras Code 128 inválido: \"\" (sem dados)"_s;
    QTest::newRow("code128-outside-latin1")
        << u"bcCode128"_s << u"€ 10"_s
        << u"Código de barras Code 128 inválido: \"€ 10\" (caractere não permitido)"_s;
    QTest::newRow("code39-text") << u"bcCode39"_s << u"ABC-12"_s << QString();
    QTest::newRow("i2of5-letters")
        << u"bcInterleaved2of5"_s << u"12A4"_s
        << u"Código de barras Interleaved 2 of 5 inválido: \"12A4\" (caractere não permitido)"_s;
    QTest::newRow("unsupported-type") << u"bcPostNet"_s << u"12345"_s
                                      << u"Tipo de código de barras não suportado: \"bcPostNet\""_s;
    QTest::newRow("type-is-case-sensitive")
        << u"bcean_13"_s << u"789100000001"_s
        << u"Tipo de código de barras não suportado: \"bcean_13\""_s;
}

void BarcodeValidityTest::validity() {
    QFETCH(QString, type);
    QFETCH(QString, data);
    QFETCH(QString, error);

    const Barcode barcode =
        Barcode::encode({type, data, 0.33, QSizeF(40, 15), QFont(u"Courier New"_s, 8)});
    QCOMPARE(barcode.error(), error);
    QCOMPARE(barcode.isValid(), error.isEmpty());
}

void BarcodeValidityTest::badGeometryIsRefused_data() {
    QTest::addColumn<double>("moduleWidth");
    QTest::addColumn<QSizeF>("box");

    QTest::newRow("no-module-width") << 0.0 << QSizeF(40, 15);
    QTest::newRow("negative-module-width") << -0.33 << QSizeF(40, 15);
    QTest::newRow("module-width-nan") << qQNaN() << QSizeF(40, 15);
    QTest::newRow("no-box-width") << 0.33 << QSizeF(0, 15);
    QTest::newRow("no-box-height") << 0.33 << QSizeF(40, 0);
    QTest::newRow("infinite-box") << 0.33 << QSizeF(qInf(), 15);
}

void BarcodeValidityTest::badGeometryIsRefused() {
    QFETCH(double, moduleWidth);
    QFETCH(QSizeF, box);

    const Barcode barcode =
        Barcode::encode({u"bcEAN_13"_s, u"789100000001"_s, moduleWidth, box, QFont()});
    QCOMPARE(barcode.error(), u"Dimensões inválidas no código de barras EAN-13"_s);
}

QTEST_MAIN(BarcodeValidityTest)
#include "tst_barcode_validity.moc"
