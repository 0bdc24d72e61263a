#include "lista/Maiusculas.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

class TesteMaiusculas : public QObject {
    Q_OBJECT

private slots:
    void textos_data();
    void textos();
    void cadaCodigoWindows1252_data();
    void cadaCodigoWindows1252();
};

void TesteMaiusculas::textos_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("ascii") << "Dipirona 500mg cx,10"
                           << "DIPIRONA 500MG CX,10";
    QTest::newRow("accents") << "ação água ênfase pôr"
                             << "AÇÃO ÁGUA ÊNFASE PÔR";
    QTest::newRow("already-upper") << "GAZE ESTÉRIL"
                                   << "GAZE ESTÉRIL";
    QTest::newRow("micro-sign-kept") << "Vitamina B12 500µg"
                                     << "VITAMINA B12 500µG";
    QTest::newRow("sharp-s-kept") << "straße"
                                  << "STRAßE";
    QTest::newRow("y-diaeresis") << "ÿ"
                                 << "Ÿ";
    QTest::newRow("windows-1252-letters") << "œ š ž"
                                          << "Œ Š Ž";
    QTest::newRow("no-case") << "€ … – ÷ ª º"
                             << "€ … – ÷ ª º";
    QTest::newRow("outside-windows-1252") << "ǆ ı ω"
                                          << "ǆ I ω";
    QTest::newRow("empty") << ""
                           << "";
}

void TesteMaiusculas::textos() {
    QFETCH(QString, texto);
    QFETCH(QString, esperado);
    QCOMPARE(lista::Maiusculas(texto), esperado);
}

// Each code of the list's character set, with the capital an operator expects:
// the letter's single-character capital when Windows-1252 can store it, and
// otherwise the character itself.
void TesteMaiusculas::cadaCodigoWindows1252_data() {
    QTest::addColumn<QString>("caractere");
    QTest::addColumn<QString>("esperado");
    QStringDecoder decodificador("windows-1252");
    QStringDecoder volta("windows-1252");
    QStringEncoder codificador("windows-1252");
    for (int codigo = 1; codigo < 256; ++codigo) {
        const char byte = static_cast<char>(codigo);
        const QString caractere = decodificador.decode(QByteArrayView(&byte, 1));
        const QString capital = caractere.toUpper();
        const QByteArray capitalEmBytes = codificador.encode(capital);
        const bool guardavel =
            capitalEmBytes.size() == 1 && volta.decode(capitalEmBytes) == capital;
        QTest::addRow("0x%02X", codigo) << caractere << (guardavel ? capital : caractere);
    }
}

void TesteMaiusculas::cadaCodigoWindows1252() {
    QFETCH(QString, caractere);
    QFETCH(QString, esperado);
    QCOMPARE(lista::Maiusculas(caractere), esperado);
}

QTEST_GUILESS_MAIN(TesteMaiusculas)
#include "tst_maiusculas.moc"
