// What etiquetas-cli says about itself: the help screens, the version, and how it refuses what it
// does not know.
#include "tests/apoio/Execucao.h"

#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

Execucao cli(const QStringList& argumentos) {
    return executarPrograma(QStringLiteral(ETIQUETAS_CLI), argumentos);
}

// Every command with every one of its options, as a user would look for them.
const QStringList Comandos = {u"lista"_s, u"lote"_s, u"imprimir"_s, u"modelo"_s};
const QHash<QString, QStringList> Opcoes = {
    {u"lista"_s, {}},
    {u"lote"_s, {u"--hoje DD/MM/AAAA"_s}},
    {u"imprimir"_s,
     {u"--modelo ID|MODELO.rtm"_s, u"--pdf SAIDA.pdf"_s, u"--impressora NOME"_s,
      u"--hoje DD/MM/AAAA"_s, u"--autoajuste"_s}},
    {u"modelo"_s, {u"--texto"_s}},
};

void verificarCodigosDeSaida(const QString& ajuda) {
    const qsizetype secao = ajuda.indexOf(u"\nCódigos de saída:\n"_s);
    QVERIFY2(secao >= 0, qPrintable(ajuda));
    for (int codigo = 0; codigo <= 3; ++codigo)
        QVERIFY2(ajuda.indexOf(u"\n  %1 "_s.arg(codigo), secao) > 0, qPrintable(ajuda));
}

} // namespace

class TesteCliAjuda : public QObject {
    Q_OBJECT

private slots:
    void ajudaGeral();
    void ajudaDoComando_data();
    void ajudaDoComando();
    void versao();
    void recusas_data();
    void recusas();
};

void TesteCliAjuda::ajudaGeral() {
    const Execucao e = cli({u"--help"_s});
    QCOMPARE(e.codigo, 0);
    QCOMPARE(e.erro, QString());
    QVERIFY(e.saida.startsWith(u"Uso: etiquetas-cli COMANDO [ARGUMENTOS]\n"_s));
    for (const QString& comando : Comandos) {
        QVERIFY2(e.saida.contains(QRegularExpression(u"\n +etiquetas-cli %1 "_s.arg(comando))),
                 qPrintable(u"sem exemplo de "_s + comando));
        for (const QString& opcao : Opcoes[comando])
            QVERIFY2(e.saida.contains(opcao), qPrintable(opcao));
    }
    verificarCodigosDeSaida(e.saida);
    // An 80-column terminal shows it without wrapping.
    for (const QString& linha : e.saida.split(u'\n'))
        QVERIFY2(linha.size() <= 80 || linha.startsWith(u"Uso:"_s), qPrintable(linha));
}

void TesteCliAjuda::ajudaDoComando_data() {
    QTest::addColumn<QStringList>("argumentos");
    for (const QString& comando : Comandos)
        QTest::newRow(qPrintable(comando)) << QStringList{comando, u"--help"_s};
    QTest::newRow("help-depois-de-argumentos")
        << QStringList{u"imprimir"_s, u"lista.csv"_s, u"--modelo"_s, u"1"_s, u"--help"_s};
}

void TesteCliAjuda::ajudaDoComando() {
    QFETCH(QStringList, argumentos);
    const QString comando = argumentos.first();
    const Execucao e = cli(argumentos);
    QCOMPARE(e.codigo, 0);
    QCOMPARE(e.erro, QString());
    QVERIFY2(e.saida.startsWith(u"Uso: etiquetas-cli %1 "_s.arg(comando)), qPrintable(e.saida));
    for (const QString& opcao : Opcoes[comando] + QStringList{u"--help"_s})
        QVERIFY2(e.saida.contains(u"\n  "_s + opcao), qPrintable(opcao));
    QVERIFY(e.saida.contains(u"\nExemplos:\n  etiquetas-cli %1 "_s.arg(comando)));
    for (const QString& outro : Comandos) {
        if (outro != comando)
            QVERIFY2(!e.saida.contains(u"etiquetas-cli %1 "_s.arg(outro)), qPrintable(outro));
    }
    verificarCodigosDeSaida(e.saida);
}

void TesteCliAjuda::versao() {
    const Execucao e = cli({u"--version"_s});
    QCOMPARE(e.codigo, 0);
    QCOMPARE(e.saida, u"etiquetas-cli " ETIQUETAS_VERSAO "\n"_s);
    QCOMPARE(e.erro, QString());
}

// Whatever is refused is named on standard error after the program's name, and the usage
// follows; nothing goes to standard output.
void TesteCliAjuda::recusas_data() {
    QTest::addColumn<QStringList>("argumentos");
    QTest::addColumn<QString>("motivo");
    QTest::newRow("opcao-geral") << QStringList{u"--verbose"_s}
                                 << u"Opção desconhecida: --verbose"_s;
    QTest::newRow("comando") << QStringList{u"listar"_s, u"a.csv"_s}
                             << u"Comando desconhecido: \"listar\""_s;
    QTest::newRow("opcao-de-lista")
        << QStringList{u"lista"_s, u"--todas"_s, u"a.csv"_s} << u"Opção desconhecida: --todas"_s;
    QTest::newRow("opcao-de-modelo") << QStringList{u"modelo"_s, u"--binario"_s, u"1"_s, u"a.rtm"_s}
                                     << u"Opção desconhecida: --binario"_s;
    QTest::newRow("opcao-de-imprimir")
        << QStringList{u"imprimir"_s, u"a.csv"_s, u"--modelo"_s, u"1"_s,
                       u"--pdf"_s,    u"a.pdf"_s, u"--copias"_s, u"2"_s}
        << u"Opção desconhecida: --copias"_s;
    QTest::newRow("versao-de-comando")
        << QStringList{u"lote"_s, u"--version"_s} << u"Opção desconhecida: --version"_s;
}

void TesteCliAjuda::recusas() {
    QFETCH(QStringList, argumentos);
    QFETCH(QString, motivo);
    const Execucao e = cli(argumentos);
    QCOMPARE(e.codigo, 2);
    QCOMPARE(e.saida, QString());
    QVERIFY2(e.erro.startsWith(u"etiquetas-cli: "_s + motivo + u"\nUso: etiquetas-cli COMANDO "_s),
             qPrintable(e.erro));
}

QTEST_GUILESS_MAIN(TesteCliAjuda)
#include "tst_cli_ajuda.moc"
