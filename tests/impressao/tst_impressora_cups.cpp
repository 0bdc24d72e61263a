// Labels printed through a print spooler: a queue of a private scheduler whose backend keeps
// each job's bytes, so the test reads exactly what a printer would have received.
#include "../apoio/CupsPrivado.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QThread>

using namespace Qt::StringLiterals;

namespace {

const QString Fila = u"etiquetas-teste"_s;

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

private slots:
    void initTestCase() {
        QVERIFY2(m_cups.iniciar(), qPrintable(m_cups.erro()));
        QVERIFY2(m_cups.instalarCaptura(), qPrintable(m_cups.erro()));
    }

    void cleanupTestCase() { m_cups.parar(); }

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

        const QByteArray lista = "CODIGO;DESCRICAO;FABRICANTE;COD_BARRAS;PRECO;PRECO_DESCONTO;"
                                 "PRECO_PROMOCAO;DESCONTO;QTDE;VALIDADE_PROMOCAO\r\n"
                                 "1;Dipirona;Lab;7891000315507;12.50;0;0;0;10;\r\n"
                                 "2;Paracetamol;Lab;7896234000120;8.75;0;0;0;10;\r\n"
                                 "3;Ibuprofeno;Lab;7893456000785;23.40;0;0;0;10;\r\n";
        const QString arquivo = m_cups.caminho(u"lista.csv"_s);
        QFile csv(arquivo);
        QVERIFY(csv.open(QIODevice::WriteOnly));
        QCOMPARE(csv.write(lista), lista.size());
        csv.close();

        const CupsPrivado::Execucao impressao =
            m_cups.executar(QStringLiteral(ETIQUETAS_CLI), {u"imprimir"_s, arquivo, u"--modelo"_s,
                                                            modelo, u"--impressora"_s, Fila});
        QVERIFY2(impressao.codigo == 0, qPrintable(impressao.erro));
        QCOMPARE(impressao.saida, u"Etiquetas: 30. Páginas: %1.\n"_s.arg(paginas));

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
