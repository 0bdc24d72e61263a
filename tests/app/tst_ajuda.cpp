// The help page that "Dúvidas" opens ships beside the program, with the video it shows.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

class TesteAjuda : public QObject {
    Q_OBJECT

private slots:
    void paginaAoLadoDoPrograma();
};

void TesteAjuda::paginaAoLadoDoPrograma() {
    const QDir ajuda(QFileInfo(QStringLiteral(ETIQUETAS)).dir().filePath(QStringLiteral("ajuda")));
    QFile pagina(ajuda.filePath(QStringLiteral("index.html")));
    QVERIFY2(pagina.open(QIODevice::ReadOnly), qPrintable(pagina.fileName()));
    const QString html = QString::fromUtf8(pagina.readAll());
    QVERIFY(html.contains(QLatin1String("lang=\"pt-BR\"")));
    // The five steps of the print job.
    QCOMPARE(html.count(QLatin1String("<li>")), 5);

    const QRegularExpressionMatch video =
        QRegularExpression(QStringLiteral("<video[^>]*\\ssrc=\"([^\"]+)\"")).match(html);
    QVERIFY(video.hasMatch());
    QFile filme(ajuda.filePath(video.captured(1)));
    QVERIFY2(filme.open(QIODevice::ReadOnly), qPrintable(filme.fileName()));
    // A WebM file is an EBML document naming its kind near the start.
    const QByteArray inicio = filme.read(64);
    QVERIFY(inicio.startsWith("\x1A\x45\xDF\xA3"));
    QVERIFY(inicio.contains("webm"));
    QVERIFY(filme.size() < 3 * 1024 * 1024);

    // Every file the page links to lies where the link points, the sample list among them.
    auto links = QRegularExpression(QStringLiteral("href=\"([^\"]+)\"")).globalMatch(html);
    QStringList destinos;
    while (links.hasNext())
        destinos << links.next().captured(1);
    QVERIFY(destinos.contains(QStringLiteral("../exemplos/produtos.csv")));
    for (const QString& destino : destinos)
        QVERIFY2(QFileInfo::exists(ajuda.filePath(destino)), qPrintable(destino));
}

QTEST_GUILESS_MAIN(TesteAjuda)
#include "tst_ajuda.moc"
