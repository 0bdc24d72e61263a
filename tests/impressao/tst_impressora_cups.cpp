// Labels printed through a real print spooler: a local CUPS queue whose printer writes PDF files.
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using namespace Qt::StringLiterals;

namespace {

const QString Fila = u"etiquetas-teste"_s;

struct Execucao {
    int codigo = -1;
    QString saida;
    QString erro;
};

Execucao executar(const QString& programa, const QStringList& argumentos) {
    QProcess processo;
    processo.start(programa, argumentos);
    Execucao e;
    if (!processo.waitForFinished(120000) || processo.exitStatus() != QProcess::NormalExit)
        return e;
    e.codigo = processo.exitCode();
    e.saida = QString::fromUtf8(processo.readAllStandardOutput());
    e.erro = QString::fromUtf8(processo.readAllStandardError());
    return e;
}

bool spoolerNoAr() {
    return executar(u"lpstat"_s, {u"-r"_s}).saida.contains(u"scheduler is running"_s);
}

// Where the PDF printer leaves its files: its configured folder for the user printing, and the
// folder of anonymous jobs.
QStringList pastasDoCupsPdf() {
    QString saida = u"/var/spool/cups-pdf/${USER}"_s;
    QFile conf(u"/etc/cups/cups-pdf.conf"_s);
    if (conf.open(QIODevice::ReadOnly)) {
        const QRegularExpression out(u"^Out\\s+(\\S+)"_s, QRegularExpression::MultilineOption);
        const QRegularExpressionMatch m = out.match(QString::fromUtf8(conf.readAll()));
        if (m.hasMatch())
            saida = m.captured(1);
    }
    saida.replace(u"${HOME}"_s, QDir::homePath());
    saida.replace(u"${USER}"_s, qEnvironmentVariable("USER", u"root"_s));
    return {saida, u"/var/spool/cups-pdf/ANONYMOUS"_s};
}

// Each PDF with the time it was last written: the printer names its files after the job's
// title, so a new job may replace an old file.
QHash<QString, QDateTime> pdfsEm(const QStringList& pastas) {
    QHash<QString, QDateTime> pdfs;
    for (const QString& pasta : pastas) {
        for (const QFileInfo& info : QDir(pasta).entryInfoList({u"*.pdf"_s}, QDir::Files))
            pdfs.insert(info.absoluteFilePath(), info.lastModified());
    }
    return pdfs;
}

// The first PDF written since antes that pdfinfo reads whole; empty after the wait.
QString esperarPdfNovo(const QStringList& pastas, const QHash<QString, QDateTime>& antes,
                       int segundos) {
    const QDateTime limite = QDateTime::currentDateTime().addSecs(segundos);
    while (QDateTime::currentDateTime() < limite) {
        const QHash<QString, QDateTime> agora = pdfsEm(pastas);
        for (auto pdf = agora.cbegin(); pdf != agora.cend(); ++pdf) {
            if (antes.value(pdf.key()) != pdf.value() &&
                executar(u"pdfinfo"_s, {pdf.key()}).codigo == 0)
                return pdf.key();
        }
        QThread::msleep(250);
    }
    return {};
}

} // namespace

class TesteImpressoraCups : public QObject {
    Q_OBJECT

private:
    QProcess m_cupsd;
    QTemporaryDir m_pasta;

private slots:
    void initTestCase() {
        if (spoolerNoAr())
            return;
        // Our own scheduler, in the foreground, so that it ends with the test.
        m_cupsd.start(u"cupsd"_s, {u"-f"_s});
        if (!m_cupsd.waitForStarted(5000))
            QSKIP("cupsd não pôde ser iniciado");
        for (int i = 0; i < 100 && !spoolerNoAr(); ++i) {
            if (m_cupsd.state() == QProcess::NotRunning)
                QSKIP(qPrintable(u"cupsd terminou ao iniciar: "_s +
                                 QString::fromLocal8Bit(m_cupsd.readAllStandardError())));
            QThread::msleep(100);
        }
        if (!spoolerNoAr())
            QSKIP("cupsd não respondeu");
    }

    void cleanupTestCase() {
        executar(u"lpadmin"_s, {u"-x"_s, Fila});
        if (m_cupsd.state() != QProcess::NotRunning) {
            m_cupsd.terminate();
            m_cupsd.waitForFinished(10000);
        }
    }

    void imprimeNaFila_data() {
        QTest::addColumn<QString>("modelo");
        QTest::addColumn<int>("paginas");
        QTest::addColumn<QString>("papel");
        QTest::addColumn<QStringList>("codigosDaPrimeiraPagina");
        // Nine rows of three labels to an A4 page.
        QTest::newRow("A4") << u"9"_s << 2 << u"595 x 842 pts"_s
                            << QStringList{u"EAN-13:7891000315507"_s, u"EAN-13:7893456000785"_s,
                                           u"EAN-13:7896234000120"_s};
        // One label to a page of the roll, 105 x 30 mm.
        QTest::newRow("rolo termico")
            << u"1"_s << 30 << u"297 x 85 pts"_s << QStringList{u"EAN-13:7891000315507"_s};
    }
    void imprimeNaFila() {
        QFETCH(QString, modelo);
        QFETCH(int, paginas);
        QFETCH(QString, papel);
        QFETCH(QStringList, codigosDaPrimeiraPagina);
        const Execucao fila =
            executar(u"lpadmin"_s, {u"-p"_s, Fila, u"-E"_s, u"-v"_s, u"cups-pdf:/"_s, u"-m"_s,
                                    u"lsb/usr/cups-pdf/CUPS-PDF_noopt.ppd"_s});
        QVERIFY2(fila.codigo == 0, qPrintable(fila.erro));

        const QByteArray lista = "CODIGO;DESCRICAO;FABRICANTE;COD_BARRAS;PRECO;PRECO_DESCONTO;"
                                 "PRECO_PROMOCAO;DESCONTO;QTDE;VALIDADE_PROMOCAO\r\n"
                                 "1;Dipirona;Lab;7891000315507;12.50;0;0;0;10;\r\n"
                                 "2;Paracetamol;Lab;7896234000120;8.75;0;0;0;10;\r\n"
                                 "3;Ibuprofeno;Lab;7893456000785;23.40;0;0;0;10;\r\n";
        const QString arquivo = m_pasta.filePath(u"lista.csv"_s);
        QFile csv(arquivo);
        QVERIFY(csv.open(QIODevice::WriteOnly));
        QCOMPARE(csv.write(lista), lista.size());
        csv.close();

        const QStringList pastas = pastasDoCupsPdf();
        const QHash<QString, QDateTime> antes = pdfsEm(pastas);
        const Execucao impressao =
            executar(QStringLiteral(ETIQUETAS_CLI),
                     {u"imprimir"_s, arquivo, u"--modelo"_s, modelo, u"--impressora"_s, Fila});
        QVERIFY2(impressao.codigo == 0, qPrintable(impressao.erro));
        QCOMPARE(impressao.saida, u"Etiquetas: 30. Páginas: %1.\n"_s.arg(paginas));

        const QString pdf = esperarPdfNovo(pastas, antes, 60);
        QVERIFY2(!pdf.isEmpty(), qPrintable(u"nenhum PDF novo em "_s + pastas.join(u", ")));
        const QString info = executar(u"pdfinfo"_s, {pdf}).saida;
        const QString png = m_pasta.filePath(u"primeira-pagina"_s);
        executar(u"pdftoppm"_s, {u"-r"_s, u"300"_s, u"-gray"_s, u"-png"_s, u"-singlefile"_s,
                                 u"-f"_s, u"1"_s, u"-l"_s, u"1"_s, pdf, png});
        QFile::remove(pdf);
        QVERIFY2(info.contains(QRegularExpression(u"^Pages:\\s+%1$"_s.arg(paginas),
                                                  QRegularExpression::MultilineOption)),
                 qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression(u"^Page size:\\s+"_s + papel,
                                                  QRegularExpression::MultilineOption)),
                 qPrintable(info));

        // The spooler's PDF carries the labels: the first page's bar codes scan (zbarimg names
        // each code once per image).
        QStringList lidos = executar(u"zbarimg"_s, {u"-q"_s, u"--nodbus"_s, png + u".png"_s})
                                .saida.split(u'\n', Qt::SkipEmptyParts);
        lidos.sort();
        QCOMPARE(lidos, codigosDaPrimeiraPagina);
    }
};

QTEST_GUILESS_MAIN(TesteImpressoraCups)
#include "tst_impressora_cups.moc"
