#include "util/Iif.h"

#include <QTest>

using util::Variante;

Q_DECLARE_METATYPE(Variante)

class TestIif : public QObject {
    Q_OBJECT

private slots:
    void escolhe_data();
    void escolhe();
};

void TestIif::escolhe_data() {
    QTest::addColumn<bool>("condicao");
    QTest::addColumn<Variante>("seVerdadeiro");
    QTest::addColumn<Variante>("seFalso");
    QTest::addColumn<Variante>("resultado");
    const Variante preco = plataforma::Money::fromUnits(85000);
    const Variante zero = qint64(0);
    QTest::newRow("falso-inteiro-ou-texto")
        << false << Variante(qint64(1)) << Variante(QString("x")) << Variante(QString("x"));
    QTest::newRow("verdadeiro-inteiro-ou-texto")
        << true << Variante(qint64(1)) << Variante(QString("x")) << Variante(qint64(1));
    QTest::newRow("promocao-em-vigor") << true << preco << zero << preco;
    QTest::newRow("promocao-vencida") << false << preco << zero << zero;
    QTest::newRow("nada") << true << Variante() << Variante(2.5) << Variante();
    QTest::newRow("data") << false << Variante() << Variante(plataforma::Date())
                          << Variante(plataforma::Date());
}

void TestIif::escolhe() {
    QFETCH(bool, condicao);
    QFETCH(Variante, seVerdadeiro);
    QFETCH(Variante, seFalso);
    QFETCH(Variante, resultado);
    QVERIFY(util::Iif(condicao, seVerdadeiro, seFalso) == resultado);
}

QTEST_GUILESS_MAIN(TestIif)
#include "tst_iif.moc"
