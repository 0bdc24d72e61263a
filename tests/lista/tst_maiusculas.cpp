#include "lista/Maiusculas.h"

#include <QTest>

class TesteMaiusculas : public QObject {
    Q_OBJECT

private slots:
    void comoALocalidade_data();
    void comoALocalidade();
    void cadaCaractere();
};

void TesteMaiusculas::comoALocalidade_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("ascii") << "Dipirona 500mg cx,10"
                           << "DIPIRONA 500MG CX,10";
    QTest::newRow("accents") << "ação água ênfase pôr"
                             << "AÇÃO ÁGUA ÊNFASE PÔR";
    QTest::newRow("already-upper") << "GAZE ESTÉRIL"
                                   << "GAZE ESTÉRIL";
    QTest::newRow("sharp-s-grows") << "straße"
                                   << "STRASSE";
    QTest::newRow("micro-sign") << "5µg"
                                << "5ΜG";
    QTest::newRow("y-diaeresis") << "ÿ"
                                 << "Ÿ";
    QTest::newRow("windows-1252-letters") << "œ š ž"
                                          << "Œ Š Ž";
    QTest::newRow("no-case") << "€ … – ÷ ª º"
                             << "€ … – ÷ ª º";
    QTest::newRow("empty") << ""
                           << "";
}

void TesteMaiusculas::comoALocalidade() {
    QFETCH(QString, texto);
    QFETCH(QString, esperado);
    QCOMPARE(lista::Maiusculas()(texto), esperado);
}

// The direct mapping never differs from the locale's, whatever the character.
void TesteMaiusculas::cadaCaractere() {
    const QLocale portugues(QLocale::Portuguese, QLocale::Brazil);
    const lista::Maiusculas maiusculas;
    for (char16_t c = 1; c < 0x3000; ++c) {
        const QString texto = QStringLiteral("a") + QChar(c) + QStringLiteral("z");
        QCOMPARE(maiusculas(texto), portugues.toUpper(texto));
    }
}

QTEST_GUILESS_MAIN(TesteMaiusculas)
#include "tst_maiusculas.moc"
