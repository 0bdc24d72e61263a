#include "util/ArquivoDoPrograma.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The help page and the sample list are found beside the executable in a build folder, and in
// the data folder of an installation wherever its prefix lies.
class TesteArquivoDoPrograma : public QObject {
    Q_OBJECT

private slots:
    void acha_data();
    void acha();
};

void TesteArquivoDoPrograma::acha_data() {
    QTest::addColumn<QStringList>("existentes");
    QTest::addColumn<QString>("relativo");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("pasta-de-compilacao") << QStringList{u"app/ajuda/index.html"_s}
                                         << u"ajuda/index.html"_s << u"app/ajuda/index.html"_s;
    QTest::newRow("instalado") << QStringList{u"usr/share/etiquetas/exemplos/produtos.csv"_s}
                               << u"exemplos/produtos.csv"_s
                               << u"usr/share/etiquetas/exemplos/produtos.csv"_s;
    QTest::newRow("ao-lado-vence")
        << QStringList{u"usr/bin/ajuda/index.html"_s, u"usr/share/etiquetas/ajuda/index.html"_s}
        << u"ajuda/index.html"_s << u"usr/bin/ajuda/index.html"_s;
    // Where it should be, so that whoever opens it is told the right place.
    QTest::newRow("faltando") << QStringList{} << u"ajuda/index.html"_s
                              << u"usr/share/etiquetas/ajuda/index.html"_s;
}

void TesteArquivoDoPrograma::acha() {
    QFETCH(QStringList, existentes);
    QFETCH(QString, relativo);
    QFETCH(QString, esperado);
    QTemporaryDir raiz;
    QVERIFY(raiz.isValid());
    for (const QString& existente : existentes) {
        QVERIFY(QDir(raiz.path()).mkpath(QFileInfo(existente).path()));
        QFile arquivo(raiz.filePath(existente));
        QVERIFY(arquivo.open(QIODevice::WriteOnly));
    }
    const QString executavel = esperado.startsWith(u"app/"_s) ? u"app"_s : u"usr/bin"_s;
    QVERIFY(QDir(raiz.path()).mkpath(executavel));
    QCOMPARE(util::arquivoDoPrograma(relativo, raiz.filePath(executavel)), raiz.filePath(esperado));
}

QTEST_GUILESS_MAIN(TesteArquivoDoPrograma)
#include "tst_arquivo_do_programa.moc"
