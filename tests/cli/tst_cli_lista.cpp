#include <QProcess>
#include <QTest>

class TesteCliLista : public QObject {
    Q_OBJECT

private:
    struct Resultado {
        int codigo;
        QByteArray saida;
        QByteArray erros;
    };

    static Resultado executar(const QStringList& argumentos) {
        QProcess processo;
        processo.start(QStringLiteral(ETIQUETAS_CLI), argumentos);
        if (!processo.waitForFinished(60000))
            qFatal("etiquetas-cli did not finish");
        return {processo.exitCode(), processo.readAllStandardOutput(),
                processo.readAllStandardError()};
    }

    static QString exemplo() {
        return qEnvironmentVariable("ETIQUETAS_FONTE") + QStringLiteral("/exemplos/produtos.csv");
    }

private slots:
    void listaDeExemplo();
    void arquivoQueNaoAbre();
    void usoErrado_data();
    void usoErrado();
};

void TesteCliLista::listaDeExemplo() {
    const Resultado resultado = executar({QStringLiteral("lista"), exemplo()});
    QCOMPARE(resultado.codigo, 0);
    QVERIFY(resultado.erros.isEmpty());
    QVERIFY(!resultado.saida.contains('\r'));

    const QStringList linhas = QString::fromUtf8(resultado.saida).split(u'\n');
    QCOMPARE(linhas.size(), 1 + 43 + 1);
    QCOMPARE(linhas.last(), QString());
    QCOMPARE(linhas[0], "Código\tCód. Barras\tDescrição\tQtde\tPreço\tDesconto\tPreço com Desc.\t"
                        "Preço Promo.\tValidade Promoção\tFabricante");
    QCOMPARE(linhas[2], "1008\t7890830166136\tDIPIRONA GOTAS 500MG/ML FRASCO 20ML\t2\t8,90\t10,00 "
                        "%\t8,01\t0,00\t\tLABORATÓRIO AURORA VERDE");
    QCOMPARE(linhas[3], "1015\t7891860913905\tPARACETAMOL 750MG C/20 COMPRIMIDOS\t1\t12,35\t0,00 "
                        "%\t0,00\t9,99\t31/12/2030\tINDÚSTRIA QUÍMICA BOA VISTA");
    QVERIFY(
        linhas.contains("1288\t7894788783841\tKIT HIGIENE BUCAL – 3 ITENS\t1\t24,90\t0,00 %\t0,00"
                        "\t19,90\t31/12/2030\tHIGIENE MARÉ ALTA"));
    for (const QString& linha : linhas.first(linhas.size() - 1))
        QCOMPARE(linha.count(u'\t'), 9);
}

void TesteCliLista::arquivoQueNaoAbre() {
    const Resultado resultado =
        executar({QStringLiteral("lista"), QStringLiteral("/nao/existe.csv")});
    QCOMPARE(resultado.codigo, 1);
    QVERIFY(resultado.saida.isEmpty());
    QCOMPARE(resultado.erros,
             "etiquetas-cli: /nao/existe.csv: I/O error 104 (No such file or directory)\n");
}

void TesteCliLista::usoErrado_data() {
    QTest::addColumn<QStringList>("argumentos");
    QTest::newRow("no-command") << QStringList{};
    QTest::newRow("unknown-command") << QStringList{"listas", "a.csv"};
    QTest::newRow("no-file") << QStringList{"lista"};
    QTest::newRow("two-files") << QStringList{"lista", "a.csv", "b.csv"};
}

void TesteCliLista::usoErrado() {
    QFETCH(QStringList, argumentos);
    const Resultado resultado = executar(argumentos);
    QCOMPARE(resultado.codigo, 2);
    QVERIFY(resultado.saida.isEmpty());
    QVERIFY(resultado.erros.contains("Uso: etiquetas-cli COMANDO [ARGUMENTOS]\n"));
    QVERIFY(resultado.erros.contains("  lista ARQUIVO "));
}

QTEST_GUILESS_MAIN(TesteCliLista)
#include "tst_cli_lista.moc"
