// Labels printed through a print spooler: a queue of a private scheduler whose backend keeps
// each job's bytes, so the test reads exactly what a printer would have received.
#include "../apoio/CupsPrivado.h"
#include "plataforma/Exception.h"
#include "plataforma/relatorio/CupsQueue.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QThread>

using namespace Qt::StringLiterals;

namespace {

const QString Fila = u"etiquetas-teste"_s;

const QByteArray Lista = "CODIGO;DESCRICAO;FABRICANTE;COD_BARRAS;PRECO;PRECO_DESCONTO;"
                         "PRECO_PROMOCAO;DESCONTO;QTDE;VALIDADE_PROMOCAO\r\n"
                         "1;Dipirona;Lab;7891000315507;12.50;0;0;0;10;\r\n"
                         "2;Paracetamol;Lab;7896234000120;8.75;0;0;0;10;\r\n"
                         "3;Ibuprofeno;Lab;7893456000785;23.40;0;0;0;10;\r\n";

// A printer that takes the job's bytes and then breaks down.
const QByteArray BackendQueFalha = "#!/bin/sh\n"
                                   "[ $# -eq 0 ] && exit 0\n"
                                   "cat ${6:+\"$6\"} > /dev/null\n"
                                   "echo 'ERROR: sem papel' >&2\n"
                                   "exit 1\n";

// The job's file once the backend has written it whole; empty after the wait.
QString esperarArquivo(const QString& caminho, int segundos) {
    const QDeadlineTimer prazo(segundos * 1000);
    while (!prazo.hasExpired()) {
        if (QFile::exists(caminho))
            return caminho;
        QThread::msleep(100);
    }
    return {};
}

} // namespace

class TesteImpressoraCups : public QObject {
    Q_OBJECT

private:
    CupsPrivado m_cups;
    int m_trabalhos = 0;

    QString escreverLista() {
        const QString arquivo = m_cups.caminho(u"lista.csv"_s);
        QFile csv(arquivo);
        if (!csv.open(QIODevice::WriteOnly) || csv.write(Lista) != Lista.size())
            qFatal("a lista não pôde ser escrita");
        return arquivo;
    }

private slots:
    void initTestCase() {
        QVERIFY2(m_cups.iniciar(), qPrintable(m_cups.erro()));
        QVERIFY2(m_cups.instalarCaptura(), qPrintable(m_cups.erro()));
    }

    void cleanupTestCase() { m_cups.parar(); }

    // The job counts only when the scheduler took it: a queue that refuses jobs or does not
    // exist fails with the scheduler's reason and no job; a stopped queue holds the job (a
    // warning says so) and a printer that fails after the job was spooled is the printer's
    // business, not the run's.
    void respostaDoSpooler_data() {
        QTest::addColumn<QString>("preparo"); // how the queue is put in its state
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QString>("saida"); // pattern of standard output
        QTest::addColumn<QString>("erro");  // pattern of standard error
        const QString enviado =
            u"^Etiquetas: 30\\. Páginas: 2\\.\nTrabalho \\d+ enviado para %1\n$"_s.arg(Fila);
        QTest::newRow("fila que recusa trabalhos")
            << u"recusar"_s << 1 << u"^$"_s
            << u"^etiquetas-cli: A impressora \"%1\" não está aceitando trabalhos: Trocando o rolo\\.\n$"_s
                   .arg(Fila);
        QTest::newRow("fila inexistente")
            << u"remover"_s << 1 << u"^$"_s
            << u"^etiquetas-cli: Impressora não encontrada: \"%1\"\\.\n$"_s.arg(Fila);
        QTest::newRow("fila pausada") << u"pausar"_s << 0 << enviado
                                      << u"^etiquetas-cli: A impressora \"%1\" está pausada "
                                         u"\\(Trocando o rolo\\): o trabalho espera "
                                         u"nela até que seja retomada\\.\n$"_s.arg(Fila);
        QTest::newRow("impressora falha depois do spool") << u"falhar"_s << 0 << enviado << u"^$"_s;
    }
    void respostaDoSpooler() {
        QFETCH(QString, preparo);
        QFETCH(int, codigo);
        QFETCH(QString, saida);
        QFETCH(QString, erro);
        const QString trabalho = m_cups.caminho(u"trabalho-%1.pdf"_s.arg(++m_trabalhos));
        QVERIFY(m_cups.instalarBackend(u"falha"_s, BackendQueFalha));
        const QString dispositivo =
            preparo == u"falhar"_s ? u"falha:/"_s : u"captura:"_s + trabalho;
        QVERIFY2(m_cups.criarFila(Fila, dispositivo), qPrintable(m_cups.erro()));
        const QHash<QString, QStringList> comandos{
            {u"recusar"_s, {u"cupsreject"_s, u"-r"_s, u"Trocando o rolo"_s, Fila}},
            {u"pausar"_s, {u"cupsdisable"_s, u"-r"_s, u"Trocando o rolo"_s, Fila}},
            {u"remover"_s, {u"lpadmin"_s, u"-x"_s, Fila}}};
        if (comandos.contains(preparo)) {
            const QStringList comando = comandos.value(preparo);
            const CupsPrivado::Execucao e = m_cups.executar(comando[0], comando.mid(1));
            QVERIFY2(e.codigo == 0, qPrintable(e.erro));
        }

        const CupsPrivado::Execucao impressao = m_cups.executar(
            QStringLiteral(ETIQUETAS_CLI),
            {u"imprimir"_s, escreverLista(), u"--modelo"_s, u"9"_s, u"--impressora"_s, Fila});
        QVERIFY2(impressao.codigo == codigo, qPrintable(impressao.erro));
        QVERIFY2(QRegularExpression(saida).match(impressao.saida).hasMatch(),
                 qPrintable(impressao.saida));
        QVERIFY2(QRegularExpression(erro).match(impressao.erro).hasMatch(),
                 qPrintable(impressao.erro));
        // The scheduler knows the job the command named, and none when it failed.
        const QString jobs = m_cups.executar(u"lpstat"_s, {u"-W"_s, u"all"_s, u"-o"_s}).saida;
        const QRegularExpressionMatch id =
            QRegularExpression(u"Trabalho (\\d+)"_s).match(impressao.saida);
        QCOMPARE(jobs.contains(u"%1-%2 "_s.arg(Fila, id.captured(1))), codigo == 0);
        m_cups.removerFila(Fila);
    }

    // A queue may stop taking jobs between the check and the job: the refusal at the hand-over
    // is an error with the scheduler's reason too, not a job.
    void entregaRecusada() {
        QVERIFY2(m_cups.criarFila(Fila, u"captura:"_s + m_cups.caminho(u"recusado.pdf"_s)),
                 qPrintable(m_cups.erro()));
        QCOMPARE(m_cups.executar(u"cupsreject"_s, {Fila}).codigo, 0);
        const QString pdf = m_cups.caminho(u"recusado.pdf"_s);
        QFile arquivo(pdf);
        QVERIFY(arquivo.open(QIODevice::WriteOnly));
        QVERIFY(arquivo.write("%PDF-1.4\n%%EOF\n") > 0);
        arquivo.close();
        try {
            plataforma::relatorio::submitPdf(Fila, pdf, u"Etiquetas"_s, 1, QSizeF(210, 297));
            QFAIL("a fila recusa trabalhos, mas a entrega não falhou");
        } catch (const plataforma::Exception& erro) {
            QVERIFY2(
                erro.message().startsWith(u"A impressora \"%1\" recusou o trabalho: "_s.arg(Fila)),
                qPrintable(erro.message()));
            QVERIFY2(erro.message().contains(u"not accepting jobs"_s), qPrintable(erro.message()));
        }
        m_cups.removerFila(Fila);
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
            << u"1"_s << 30 << u"298 x 85 pts"_s << QStringList{u"EAN-13:7891000315507"_s};
    }
    void imprimeNaFila() {
        QFETCH(QString, modelo);
        QFETCH(int, paginas);
        QFETCH(QString, papel);
        QFETCH(QStringList, codigosDaPrimeiraPagina);
        const QString trabalho = m_cups.caminho(u"trabalho-%1.pdf"_s.arg(++m_trabalhos));
        QVERIFY2(m_cups.criarFila(Fila, u"captura:"_s + trabalho), qPrintable(m_cups.erro()));

        const QString arquivo = escreverLista();
        const CupsPrivado::Execucao impressao =
            m_cups.executar(QStringLiteral(ETIQUETAS_CLI), {u"imprimir"_s, arquivo, u"--modelo"_s,
                                                            modelo, u"--impressora"_s, Fila});
        QVERIFY2(impressao.codigo == 0, qPrintable(impressao.erro));
        QVERIFY2(
            QRegularExpression(
                u"^Etiquetas: 30\\. Páginas: %1\\.\nTrabalho \\d+ enviado para %2\n$"_s.arg(paginas)
                    .arg(Fila))
                .match(impressao.saida)
                .hasMatch(),
            qPrintable(impressao.saida));

        const QString pdf = esperarArquivo(trabalho, 60);
        QVERIFY2(!pdf.isEmpty(),
                 qPrintable(u"o trabalho não chegou ao backend:\n"_s + m_cups.log()));
        const QString info = m_cups.executar(u"pdfinfo"_s, {pdf}).saida;
        QVERIFY2(info.contains(QRegularExpression(u"^Pages:\\s+%1$"_s.arg(paginas),
                                                  QRegularExpression::MultilineOption)),
                 qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression(u"^Page size:\\s+"_s + papel,
                                                  QRegularExpression::MultilineOption)),
                 qPrintable(info));

        // The spooled PDF carries the labels: the first page's bar codes scan (zbarimg names
        // each code once per image).
        const QString png = m_cups.caminho(u"primeira-pagina"_s);
        m_cups.executar(u"pdftoppm"_s, {u"-r"_s, u"300"_s, u"-gray"_s, u"-png"_s, u"-singlefile"_s,
                                        u"-f"_s, u"1"_s, u"-l"_s, u"1"_s, pdf, png});
        QStringList lidos = m_cups.executar(u"zbarimg"_s, {u"-q"_s, u"--nodbus"_s, png + u".png"_s})
                                .saida.split(u'\n', Qt::SkipEmptyParts);
        lidos.sort();
        QCOMPARE(lidos, codigosDaPrimeiraPagina);
    }
};

QTEST_GUILESS_MAIN(TesteImpressoraCups)
#include "tst_impressora_cups.moc"
