// etiquetas-cli run as a user runs it: exit codes, what it prints, what it writes.
#include "modelos/ModelosHex.h"
#include "modelos/fluxo/TextoHex.h"
#include "tests/apoio/Execucao.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <sys/stat.h>

namespace {

Execucao executar(const QStringList& argumentos) {
    return executarPrograma(QStringLiteral(ETIQUETAS_CLI), argumentos);
}

QByteArray conteudo(const QString& arquivo) {
    QFile f(arquivo);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void gravar(const QString& arquivo, const QByteArray& bytes) {
    QFile f(arquivo);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

} // namespace

class TesteCli : public QObject {
    Q_OBJECT

private slots:
    void modeloGravaOArquivo();
    void modeloSubstituiSemPerguntar();
    void modeloInexistente_data();
    void modeloInexistente();
    void arquivoQueNaoSeGrava();
    void modeloNumaFifo();
    void modeloNumaPasta();
    void textoDoModelo();
    void textoDeArquivoMalformado();
    void textoDeArquivoInexistente();
    void textoDeArquivoGrandeDemais_data();
    void textoDeArquivoGrandeDemais();
    void usoIncorreto_data();
    void usoIncorreto();

private:
    QTemporaryDir m_pasta;
};

void TesteCli::modeloGravaOArquivo() {
    const QString arquivo = m_pasta.filePath(QStringLiteral("A4 2 Colunas promoção.rtm"));
    const Execucao execucao = executar({QStringLiteral("modelo"), QStringLiteral("8"), arquivo});
    QCOMPARE(execucao.codigo, 0);
    QCOMPARE(execucao.saida, QString());
    QCOMPARE(execucao.erro, QString());
    QString texto;
    modelos::ModeloHexA4(8, texto);
    QCOMPARE(conteudo(arquivo), fluxo::textoParaFluxo(texto));
}

void TesteCli::modeloSubstituiSemPerguntar() {
    const QString arquivo = m_pasta.filePath(QStringLiteral("existente.rtm"));
    gravar(arquivo, QByteArray(50000, 'x'));
    QCOMPARE(executar({QStringLiteral("modelo"), QStringLiteral("19"), arquivo}).codigo, 0);
    QString texto;
    modelos::ModeloHexA4Extra(19, texto);
    QCOMPARE(conteudo(arquivo), fluxo::textoParaFluxo(texto));
}

void TesteCli::modeloInexistente_data() {
    QTest::addColumn<QString>("id");
    QTest::newRow("0") << "0";
    QTest::newRow("24") << "24";
    QTest::newRow("negativo") << "-1";
    QTest::newRow("texto") << "um";
    QTest::newRow("fracao") << "1.5";
    QTest::newRow("vazio") << "";
}

void TesteCli::modeloInexistente() {
    QFETCH(QString, id);
    const QString arquivo = m_pasta.filePath(QStringLiteral("inexistente.rtm"));
    const Execucao execucao = executar({QStringLiteral("modelo"), id, arquivo});
    QCOMPARE(execucao.codigo, 2);
    QVERIFY2(execucao.erro.startsWith(
                 QStringLiteral(
                     "etiquetas-cli: Modelo inexistente: \"%1\". Os modelos vão de 1 a 23.\nUso: ")
                     .arg(id)),
             qPrintable(execucao.erro));
    QVERIFY(!QFile::exists(arquivo));
}

void TesteCli::arquivoQueNaoSeGrava() {
    const QString arquivo = m_pasta.filePath(QStringLiteral("nao-existe/x.rtm"));
    const Execucao execucao = executar({QStringLiteral("modelo"), QStringLiteral("1"), arquivo});
    QCOMPARE(execucao.codigo, 1);
    QCOMPARE(execucao.erro,
             QStringLiteral("etiquetas-cli: Cannot create file \"%1\". No such file or directory\n")
                 .arg(arquivo));
}

// A FIFO stays a FIFO, and the reader at its other end gets the template.
void TesteCli::modeloNumaFifo() {
    const QString fifo = m_pasta.filePath(QStringLiteral("fifo.rtm"));
    QCOMPARE(mkfifo(QFile::encodeName(fifo), 0600), 0);
    QProcess leitor;
    leitor.start(QStringLiteral("cat"), {fifo});
    QVERIFY(leitor.waitForStarted());
    const Execucao execucao = executar({QStringLiteral("modelo"), QStringLiteral("1"), fifo});
    QVERIFY(leitor.waitForFinished());
    QCOMPARE(execucao.codigo, 0);
    QString texto;
    modelos::ModeloHexTermico(1, texto);
    QCOMPARE(leitor.readAllStandardOutput(), fluxo::textoParaFluxo(texto));
    QVERIFY(std::filesystem::is_fifo(fifo.toStdString()));
}

void TesteCli::modeloNumaPasta() {
    const QString pasta = m_pasta.filePath(QStringLiteral("pasta.rtm"));
    QVERIFY(QDir().mkdir(pasta));
    const Execucao execucao = executar({QStringLiteral("modelo"), QStringLiteral("1"), pasta});
    QCOMPARE(execucao.codigo, 1);
    QCOMPARE(
        execucao.erro,
        QStringLiteral("etiquetas-cli: Cannot create file \"%1\". Is a directory\n").arg(pasta));
    QVERIFY(QFileInfo(pasta).isDir());
}

void TesteCli::textoDoModelo() {
    const QString arquivo = m_pasta.filePath(QStringLiteral("Zebra 2 Coluna.rtm"));
    QCOMPARE(executar({QStringLiteral("modelo"), QStringLiteral("2"), arquivo}).codigo, 0);
    const Execucao execucao =
        executar({QStringLiteral("modelo"), QStringLiteral("--texto"), arquivo});
    QCOMPARE(execucao.codigo, 0);
    QCOMPARE(execucao.erro, QString());
    QVERIFY2(
        execucao.saida.startsWith(QStringLiteral("TppReport ppReport1\n"
                                                 "  AutoStop = False (booleano)\n"
                                                 "  Columns = 2 (inteiro de 8 bits)\n"
                                                 "  ColumnPositions.Strings = 2 itens (lista)\n"
                                                 "    \"15000\" (texto curto)\n"
                                                 "    \"48000\" (texto curto)\n"
                                                 "  DataPipeline = Selecionados (identificador)\n"
                                                 "  PrinterSetup.BinName = \"Rolagem contínua\" "
                                                 "(texto UTF-8)\n")),
        qPrintable(execucao.saida));
    QVERIFY(execucao.saida.contains(QStringLiteral("  Left = 381 (inteiro de 16 bits)\n")));
    QVERIFY(execucao.saida.contains(QStringLiteral("  TppDetailBand ppDetailBand1\n"
                                                   "    ColumnTraversal = ctLeftToRight "
                                                   "(identificador)\n")));
    QVERIFY(
        execucao.saida.contains(QStringLiteral("    TppDBBarCode ppDBBarCode1\n"
                                               "      UserName = \"DBBarCode1\" (texto curto)\n")));
    QVERIFY(execucao.saida.contains(QStringLiteral("      Font.Style = [fsBold] (conjunto)\n")));
    QVERIFY(
        execucao.saida.endsWith(QStringLiteral("  TppColumnFooterBand ppColumnFooterBand1\n"
                                               "    mmBottomOffset = 0 (inteiro de 8 bits)\n"
                                               "    mmHeight = 0 (inteiro de 8 bits)\n"
                                               "    mmPrintPosition = 0 (inteiro de 8 bits)\n")));
}

void TesteCli::textoDeArquivoMalformado() {
    const QString arquivo = m_pasta.filePath(QStringLiteral("malformado.rtm"));
    gravar(arquivo, QByteArray::fromHex("54504630"
                                        "0254580000"
                                        "0000"
                                        "00"));
    const Execucao execucao =
        executar({QStringLiteral("modelo"), QStringLiteral("--texto"), arquivo});
    QCOMPARE(execucao.codigo, 1);
    QCOMPARE(execucao.saida, QString());
    QCOMPARE(execucao.erro,
             QStringLiteral("etiquetas-cli: Modelo inválido na posição 11: 1 bytes depois do fim "
                            "do conteúdo\n"));
}

void TesteCli::textoDeArquivoInexistente() {
    const QString arquivo = m_pasta.filePath(QStringLiteral("sumiu.rtm"));
    const Execucao execucao =
        executar({QStringLiteral("modelo"), QStringLiteral("--texto"), arquivo});
    QCOMPARE(execucao.codigo, 1);
    QVERIFY2(execucao.erro.startsWith(
                 QStringLiteral("etiquetas-cli: Não foi possível abrir \"%1\"").arg(arquivo)),
             qPrintable(execucao.erro));
}

// A file larger than any template, or a device without end, is refused before it is read.
void TesteCli::textoDeArquivoGrandeDemais_data() {
    QTest::addColumn<QString>("arquivo");
    QTest::newRow("arquivo de 16 MB e um byte") << m_pasta.filePath(QStringLiteral("grande.rtm"));
    QTest::newRow("dispositivo sem fim") << QStringLiteral("/dev/zero");
}

void TesteCli::textoDeArquivoGrandeDemais() {
    QFETCH(QString, arquivo);
    if (!arquivo.startsWith(u"/dev/")) {
        gravar(arquivo, "TPF0");
        QVERIFY(QFile::resize(arquivo, (16 << 20) + 1));
    }
    const Execucao execucao =
        executar({QStringLiteral("modelo"), QStringLiteral("--texto"), arquivo});
    QCOMPARE(execucao.codigo, 1);
    QCOMPARE(execucao.saida, QString());
    QCOMPARE(execucao.erro,
             QStringLiteral("etiquetas-cli: O arquivo \"%1\" é grande demais para um modelo de "
                            "etiquetas (mais de 16 MB).\n")
                 .arg(arquivo));
}

void TesteCli::usoIncorreto_data() {
    QTest::addColumn<QStringList>("argumentos");
    QTest::addColumn<QString>("motivo");
    QTest::newRow("nada") << QStringList() << QString();
    QTest::newRow("comando desconhecido") << QStringList{"modelos", "1", "x.rtm"}
                                          << "etiquetas-cli: Comando desconhecido: \"modelos\"\n";
    QTest::newRow("modelo sem argumentos") << QStringList{"modelo"} << QString();
    QTest::newRow("modelo sem arquivo") << QStringList{"modelo", "1"} << QString();
    QTest::newRow("texto sem arquivo") << QStringList{"modelo", "--texto"} << QString();
    QTest::newRow("argumento a mais") << QStringList{"modelo", "1", "a.rtm", "b.rtm"} << QString();
    QTest::newRow("texto com dois arquivos")
        << QStringList{"modelo", "--texto", "a.rtm", "b.rtm"} << QString();
}

void TesteCli::usoIncorreto() {
    QFETCH(QStringList, argumentos);
    QFETCH(QString, motivo);
    const Execucao execucao = executar(argumentos);
    QCOMPARE(execucao.codigo, 2);
    QCOMPARE(execucao.saida, QString());
    QVERIFY2(execucao.erro.startsWith(motivo +
                                      QStringLiteral("Uso: etiquetas-cli COMANDO [ARGUMENTOS]\n")),
             qPrintable(execucao.erro));
    QVERIFY(execucao.erro.contains(QStringLiteral("modelo --texto ARQUIVO")));
}

QTEST_GUILESS_MAIN(TesteCli)
#include "TesteCli.moc"
