// etiquetas-cli lote and imprimir, run as a user runs them.
#include "modelos/fluxo/Construtor.h"
#include "modelos/fluxo/Escritor.h"
#include "tests/apoio/Execucao.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

Execucao executar(const QStringList& argumentos) {
    return executarPrograma(QStringLiteral(ETIQUETAS_CLI), argumentos);
}

const QByteArray Cabecalho = "CODIGO;DESCRICAO;FABRICANTE;COD_BARRAS;PRECO;PRECO_DESCONTO;"
                             "PRECO_PROMOCAO;DESCONTO;QTDE;VALIDADE_PROMOCAO\r\n";

// The third product's bar code is too short for EAN-13.
const QByteArray ListaPequena = Cabecalho +
                                "1001;Dipirona;Lab \xC1gua;7891000315507;12.50;0;11.90;0;2;"
                                "31/12/2025\r\n"
                                "1002;Paracetamol;Lab B;7896234000120;8.75;0;0;0;0;\r\n"
                                "1003;Ibuprofeno;Lab C;123;23.40;21.06;0;10;1;\r\n";

// Labels that come out as they should.
const QByteArray ListaBoa =
    Cabecalho + "1001;Dipirona;Lab;7891000315507;12.50;0;11.90;0;2;31/12/2025\r\n";

// A4 in millimetres whose column header band leaves no room on the page.
QByteArray modeloComCabecalhoAlto() {
    fluxo::Relatorio r;
    r.unidade = u"utMillimeters"_s;
    r.pipeline = u"Selecionados"_s;
    r.aoPedirPagina = u"ppReport1PageRequest"_s;
    r.larguraDaColuna = 100000;
    r.pagina = {.papel = u"A4"_s, .codigoDoPapel = 9, .largura = 210000, .altura = 297000};
    r.bandas = {{.tipo = fluxo::TipoDeBanda::CabecalhoDeColuna, .altura = 296000},
                {.tipo = fluxo::TipoDeBanda::Detalhe, .altura = 10000}};
    return fluxo::escreverFluxo(fluxo::montar(r));
}

} // namespace

class TesteCliImpressao : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_pasta;

    QString gravar(const QString& nome, const QByteArray& conteudo) {
        const QString caminho = m_pasta.filePath(nome);
        QFile arquivo(caminho);
        if (!arquivo.open(QIODevice::WriteOnly) || arquivo.write(conteudo) != conteudo.size())
            qFatal("cannot write the fixture %s", qPrintable(caminho));
        return caminho;
    }
    QString lista() { return gravar(u"lista.csv"_s, ListaPequena); }
    QString saida(const QString& nome) { return m_pasta.filePath(nome); }

private slots:
    void loteMostraUmaLinhaPorEtiqueta() {
        const Execucao e = executar({u"lote"_s, lista(), u"--hoje"_s, u"31/12/2025"_s});
        QCOMPARE(e.erro, QString());
        QCOMPARE(e.codigo, 0);
        QCOMPARE(
            e.saida,
            u"CID_PROD\tCBARRAS\tCDESCRICAO\tCPRECO\tCPRECPRO\tCVLD_PRO\tCDESC\tCPRECO_DESC\t"
            "CLAB\tCPRECOPRAT\n"
            "1001\t7891000315507\tDIPIRONA\t12,50\t11,90\t31/12/2025\t0,00 %\t0,00\tLAB "
            "ÁGUA\t11,90\n"
            "1001\t7891000315507\tDIPIRONA\t12,50\t11,90\t31/12/2025\t0,00 %\t0,00\tLAB "
            "ÁGUA\t11,90\n"
            "1003\t123\tIBUPROFENO\t23,40\t0,00\t30/12/1899\t10,00 %\t21,06\tLAB C\t21,06\n"_s);
    }

    void lotePromocaoVencida() {
        const Execucao e = executar({u"lote"_s, lista(), u"--hoje"_s, u"01/01/2026"_s});
        QCOMPARE(e.codigo, 0);
        QVERIFY(e.saida.contains(u"\t11,90\t31/12/2025\t0,00 %\t0,00\tLAB ÁGUA\t12,50\n"_s));
    }

    void imprimeOPdfEListaOsProblemas_data() {
        QTest::addColumn<QString>("modelo");
        QTest::newRow("embutido") << u"9"_s;
        QTest::newRow("arquivo") << u"arquivo"_s;
    }
    void imprimeOPdfEListaOsProblemas() {
        QFETCH(QString, modelo);
        if (modelo == u"arquivo"_s) {
            modelo = saida(u"gondola.rtm"_s);
            QCOMPARE(executar({u"modelo"_s, u"9"_s, modelo}).codigo, 0);
        }
        const QString pdf = saida(u"gondola.pdf"_s);
        const Execucao e = executar({u"imprimir"_s, lista(), u"--modelo"_s, modelo, u"--pdf"_s, pdf,
                                     u"--hoje"_s, u"15/06/2025"_s});
        // The labels are printed all the same; the third, down the first column, has a bar
        // code that cannot print.
        QCOMPARE(e.codigo, 3);
        QCOMPARE(e.saida, u"Etiquetas: 3. Páginas: 1.\n"_s);
        QCOMPARE(e.erro, u"1\t3\t1\t1003\tppDBBarCode1\tCódigo de barras EAN-13 inválido: "
                         u"\"123\" (são necessários 12 ou 13 dígitos)\n"_s);
        QVERIFY(QFile(pdf).size() > 0);
    }

    void semProblemasSaiComZero() {
        const QString pdf = saida(u"boa.pdf"_s);
        const Execucao e = executar({u"imprimir"_s, gravar(u"boa.csv"_s, ListaBoa), u"--modelo"_s,
                                     u"9"_s, u"--pdf"_s, pdf, u"--hoje"_s, u"15/06/2025"_s});
        QCOMPARE(e.erro, QString());
        QCOMPARE(e.codigo, 0);
        QCOMPARE(e.saida, u"Etiquetas: 2. Páginas: 1.\n"_s);
        QVERIFY(QFile(pdf).size() > 0);
    }

    // Straight into a FIFO, as into a pipe to another program: it stays a FIFO.
    void pdfNumaFifo() {
        const QString fifo = saida(u"fifo.pdf"_s);
        QCOMPARE(mkfifo(QFile::encodeName(fifo), 0600), 0);
        QProcess leitor;
        leitor.start(u"cat"_s, {fifo});
        QVERIFY(leitor.waitForStarted());
        const Execucao e = executar({u"imprimir"_s, gravar(u"boa.csv"_s, ListaBoa), u"--modelo"_s,
                                     u"9"_s, u"--pdf"_s, fifo, u"--hoje"_s, u"15/06/2025"_s});
        QVERIFY(leitor.waitForFinished());
        QCOMPARE(e.codigo, 0);
        const QByteArray pdf = leitor.readAllStandardOutput();
        QVERIFY(pdf.startsWith("%PDF-"));
        QVERIFY(pdf.trimmed().endsWith("%%EOF"));
        QVERIFY(std::filesystem::is_fifo(fifo.toStdString()));
    }

    void alturaDaPagina_data() {
        QTest::addColumn<bool>("autoajuste");
        QTest::newRow("sem autoajuste") << false;
        QTest::newRow("com autoajuste") << true;
    }
    void alturaDaPagina() {
        QFETCH(bool, autoajuste);
        const QString pdf = saida(u"alto.pdf"_s);
        QFile::remove(pdf);
        QStringList argumentos{u"imprimir"_s, lista(),
                               u"--modelo"_s, gravar(u"alto.rtm"_s, modeloComCabecalhoAlto()),
                               u"--pdf"_s,    pdf};
        if (autoajuste)
            argumentos << u"--autoajuste"_s;
        const Execucao e = executar(argumentos);
        QCOMPARE(e.codigo, autoajuste ? 0 : 1);
        QCOMPARE(QFile::exists(pdf), autoajuste);
        const QString alerta =
            u"etiquetas-cli: Falha na impressão.\n\nO tamanho do conteúdo a ser impresso excede a "
            u"altura da "
            "página. Favor verifique o posicionamento dos componentes ou aplique o ajuste "
            "automático.\n"_s;
        QCOMPARE(e.erro.startsWith(alerta), !autoajuste);
    }

    void falhas_data() {
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<QString>("mensagem");
        const QString naoExiste = m_pasta.filePath(u"nao-existe/x"_s);
        QTest::newRow("lista que nao abre")
            << QStringList{u"imprimir"_s, naoExiste + u".csv"_s, u"--modelo"_s, u"9"_s, u"--pdf"_s,
                           u"x.pdf"_s}
            << naoExiste + u".csv: I/O error 104 (No such file or directory)\n"_s;
        QTest::newRow("lista que e uma pasta")
            << QStringList{u"imprimir"_s, m_pasta.path(), u"--modelo"_s,
                           u"9"_s,        u"--pdf"_s,     u"x.pdf"_s}
            << m_pasta.path() + u": I/O error 104 (file to open is a directory)\n"_s;
        QTest::newRow("modelo grande demais")
            << QStringList{u"imprimir"_s, u"LISTA"_s, u"--modelo"_s,
                           u"GRANDE"_s,   u"--pdf"_s, u"x.pdf"_s}
            << u"O arquivo \"GRANDE\" é grande demais para um modelo de etiquetas (mais de 16 "
               u"MB).\n"_s;
        QTest::newRow("modelo que nao abre")
            << QStringList{u"imprimir"_s,         u"LISTA"_s, u"--modelo"_s,
                           naoExiste + u".rtm"_s, u"--pdf"_s, u"x.pdf"_s}
            << QString();
        QTest::newRow("pdf que nao se grava")
            << QStringList{u"imprimir"_s, u"LISTA"_s, u"--modelo"_s,
                           u"9"_s,        u"--pdf"_s, naoExiste + u".pdf"_s}
            << QString();
        QTest::newRow("impressora que nao existe")
            << QStringList{u"imprimir"_s, u"LISTA"_s,        u"--modelo"_s,
                           u"9"_s,        u"--impressora"_s, u"nenhuma-impressora"_s}
            << u"Impressora não encontrada: \"nenhuma-impressora\".\n"_s;
        QTest::newRow("quantidade digitada errada")
            << QStringList{u"lote"_s, u"DEMAIS"_s}
            << u"A lista pede 99.999.999 etiquetas; o limite é 1.000.000 por impressão. Corrija "
               "as quantidades.\n"_s;
        QTest::newRow("sem quantidades")
            << QStringList{u"imprimir"_s, u"ZERADA"_s, u"--modelo"_s,
                           u"9"_s,        u"--pdf"_s,  u"x.pdf"_s}
            << u"Defina as quantidades de etiquetas a serem impressas.\n"_s;
    }
    void falhas() {
        QFETCH(QStringList, argumentos);
        QFETCH(QString, mensagem);
        argumentos.replaceInStrings(u"LISTA"_s, lista());
        argumentos.replaceInStrings(
            u"DEMAIS"_s, gravar(u"demais.csv"_s, Cabecalho + "1;A;B;789;1;0;0;0;99999999;\r\n"));
        argumentos.replaceInStrings(
            u"ZERADA"_s, gravar(u"zerada.csv"_s, Cabecalho + "1;A;B;789;1;0;0;0;0;\r\n"));
        argumentos.replaceInStrings(u"x.pdf"_s, saida(u"x.pdf"_s));
        // A template no one made: a hole of 16 MB and a byte, written in no time.
        const QString grande = gravar(u"grande.rtm"_s, "TPF0");
        QVERIFY(QFile::resize(grande, (16 << 20) + 1));
        argumentos.replaceInStrings(u"GRANDE"_s, grande);
        mensagem.replace(u"GRANDE"_s, grande);
        const Execucao e = executar(argumentos);
        QCOMPARE(e.codigo, 1);
        QCOMPARE(e.saida, QString());
        QVERIFY(!e.erro.isEmpty());
        QVERIFY(!e.erro.startsWith(u"Uso:"_s));
        if (!mensagem.isEmpty())
            QCOMPARE(e.erro, u"etiquetas-cli: "_s + mensagem);
        QVERIFY(!QFile::exists(saida(u"x.pdf"_s)));
    }

    void usoIncorreto_data() {
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("lote sem arquivo") << QStringList{u"lote"_s} << QString();
        QTest::newRow("lote com dois arquivos")
            << QStringList{u"lote"_s, u"a.csv"_s, u"b.csv"_s} << QString();
        QTest::newRow("data que nao existe")
            << QStringList{u"lote"_s, u"a.csv"_s, u"--hoje"_s, u"31/02/2025"_s}
            << u"Data inválida em --hoje: \"31/02/2025\" (use DD/MM/AAAA).\n"_s;
        QTest::newRow("opcao desconhecida") << QStringList{u"lote"_s, u"a.csv"_s, u"--amanha"_s}
                                            << u"Opção desconhecida: --amanha\n"_s;
        QTest::newRow("opcao sem valor") << QStringList{u"lote"_s, u"a.csv"_s, u"--hoje"_s}
                                         << u"Falta o valor da opção --hoje.\n"_s;
        QTest::newRow("opcao repetida")
            << QStringList{u"imprimir"_s, u"a.csv"_s, u"--modelo"_s, u"1"_s,
                           u"--modelo"_s, u"2"_s,     u"--pdf"_s,    u"x.pdf"_s}
            << u"A opção --modelo foi dada mais de uma vez.\n"_s;
        QTest::newRow("imprimir sem modelo")
            << QStringList{u"imprimir"_s, u"a.csv"_s, u"--pdf"_s, u"x.pdf"_s} << QString();
        QTest::newRow("imprimir sem saida")
            << QStringList{u"imprimir"_s, u"a.csv"_s, u"--modelo"_s, u"9"_s} << QString();
        QTest::newRow("pdf e impressora")
            << QStringList{u"imprimir"_s, u"a.csv"_s, u"--modelo"_s,     u"9"_s,
                           u"--pdf"_s,    u"x.pdf"_s, u"--impressora"_s, u"p"_s}
            << QString();
        QTest::newRow("modelo inexistente")
            << QStringList{u"imprimir"_s, u"LISTA"_s, u"--modelo"_s,
                           u"24"_s,       u"--pdf"_s, u"x.pdf"_s}
            << u"Modelo inexistente: \"24\". Os modelos vão de 1 a 23.\n"_s;
    }
    void usoIncorreto() {
        QFETCH(QStringList, argumentos);
        QFETCH(QString, motivo);
        argumentos.replaceInStrings(u"LISTA"_s, lista());
        const Execucao e = executar(argumentos);
        QCOMPARE(e.codigo, 2);
        QCOMPARE(e.saida, QString());
        const QString mensagem = motivo.isEmpty() ? QString() : u"etiquetas-cli: "_s + motivo;
        QVERIFY2(e.erro.startsWith(mensagem + u"Uso: etiquetas-cli COMANDO [ARGUMENTOS]\n"_s),
                 qPrintable(e.erro));
        QVERIFY(e.erro.contains(u"  imprimir ARQUIVO --modelo ID|MODELO.rtm"_s));
    }
};

QTEST_GUILESS_MAIN(TesteCliImpressao)
#include "tst_cli_impressao.moc"
