#include <QProcess>
#include <QTest>

class TesteInicio : public QObject {
    Q_OBJECT

private slots:
    void palavraDeVerificacao_data();
    void palavraDeVerificacao();
    void inicioNormal_data();
    void inicioNormal();
};

void TesteInicio::palavraDeVerificacao_data() {
    QTest::addColumn<QStringList>("argumentos");
    QTest::newRow("upper-case") << QStringList{"SELPRODLISTA"};
    QTest::newRow("lower-case-blanks") << QStringList{"  selprodlista \t"};
    QTest::newRow("mixed-case-second-argument") << QStringList{"SelProdLista", "12"};
    QTest::newRow("second-argument-not-a-number") << QStringList{"selprodlista", "abc"};
}

// The window is built and nothing else happens: the program ends at once with
// success.
void TesteInicio::palavraDeVerificacao() {
    QFETCH(QStringList, argumentos);
    QProcess programa;
    programa.start(QStringLiteral(ETIQUETAS), argumentos);
    QVERIFY(programa.waitForFinished(30000));
    QCOMPARE(programa.exitStatus(), QProcess::NormalExit);
    QCOMPARE(programa.exitCode(), 0);
}

void TesteInicio::inicioNormal_data() {
    QTest::addColumn<QStringList>("argumentos");
    QTest::newRow("no-argument") << QStringList{};
    QTest::newRow("other-word") << QStringList{"SELPRODLISTAS"};
    QTest::newRow("word-second") << QStringList{"x", "SELPRODLISTA"};
}

// Any other start shows the window and runs until it is closed.
void TesteInicio::inicioNormal() {
    QFETCH(QStringList, argumentos);
    QProcess programa;
    programa.start(QStringLiteral(ETIQUETAS), argumentos);
    QVERIFY(programa.waitForStarted());
    QVERIFY(!programa.waitForFinished(2000));
    programa.kill();
    programa.waitForFinished();
}

QTEST_GUILESS_MAIN(TesteInicio)
#include "tst_inicio.moc"
