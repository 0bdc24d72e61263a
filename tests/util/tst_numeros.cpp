#include "util/Numeros.h"

#include <QTest>

class TestNumeros : public QObject {
    Q_OBJECT

private slots:
    void ehNumerico_data();
    void ehNumerico();
    void somenteNumeros_data();
    void somenteNumeros();
};

void TestNumeros::ehNumerico_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("numerico");
    QTest::newRow("menos-um") << "-1" << false;
    QTest::newRow("vazio") << "" << false;
    QTest::newRow("zero") << "0" << true;
    QTest::newRow("brancos-antes") << "  12" << true;
    QTest::newRow("branco-depois") << "12 " << false;
    QTest::newRow("negativo") << "-789" << true;
    QTest::newRow("maior-64-bits") << "9223372036854775807" << true;
    QTest::newRow("um-a-mais") << "9223372036854775808" << false;
    QTest::newRow("hexadecimal") << "$1F" << true;
    QTest::newRow("letra-depois") << "12a" << false;
    QTest::newRow("codigo-de-barras") << "7891234567890" << true;
    QTest::newRow("hexadecimal-menos-um") << "-$1" << false;
}

void TestNumeros::ehNumerico() {
    QFETCH(QString, texto);
    QFETCH(bool, numerico);
    QCOMPARE(util::EhNumerico(texto), numerico);
}

void TestNumeros::somenteNumeros_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("digitos");
    QTest::newRow("sinal") << "-789"
                           << "789";
    QTest::newRow("pontuacao") << "78.91-2"
                               << "78912";
    QTest::newRow("letras") << "abc"
                            << "";
    QTest::newRow("vazio") << ""
                           << "";
    QTest::newRow("acentos-e-brancos") << "á 1 é 2"
                                       << "12";
    QTest::newRow("digitos-nao-latinos") << QString::fromUtf8("٣4") << "4";
}

void TestNumeros::somenteNumeros() {
    QFETCH(QString, texto);
    QFETCH(QString, digitos);
    QCOMPARE(util::SomenteNumeros(texto), digitos);
}

QTEST_GUILESS_MAIN(TestNumeros)
#include "tst_numeros.moc"
