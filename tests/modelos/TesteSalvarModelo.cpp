// Exporting a built-in template to a file: the exact bytes, replacing a file
// whole, ids without a template, and failures that leave the disk as it was.
#include "modelos/ModelosHex.h"
#include "modelos/SalvarModelo.h"
#include "modelos/fluxo/TextoHex.h"
#include "plataforma/Exception.h"
#include "tests/apoio/DiscoQuaseCheio.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <unistd.h>

namespace {

QByteArray fluxoDoModelo(int id) {
    QString texto;
    modelos::ModeloHexTermico(static_cast<quint8>(id), texto);
    modelos::ModeloHexA4(static_cast<quint8>(id), texto);
    modelos::ModeloHexA4Extra(static_cast<quint8>(id), texto);
    return fluxo::textoParaFluxo(texto);
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

// The message of the error SalvarModelo raises, or an empty text.
QString erroAoSalvar(int id, const QString& arquivo) {
    try {
        modelos::SalvarModelo(id, arquivo);
    } catch (const plataforma::Exception& erro) {
        return erro.message();
    }
    return QString();
}

} // namespace

class TesteSalvarModelo : public QObject {
    Q_OBJECT

private slots:
    void novoArquivo();
    void cadaDeposito_data();
    void cadaDeposito();
    void substituiArquivoMaior();
    void idSemModeloNaoGravaNada_data();
    void idSemModeloNaoGravaNada();
    void pastaInexistente();
    void caminhoRelativoNaMensagem();
    void discoCheioPreservaArquivo();
    void mantemLinkDuro();

private:
    QTemporaryDir m_pasta;
};

void TesteSalvarModelo::novoArquivo() {
    const QString arquivo = m_pasta.filePath(QStringLiteral("Zebra 1 Coluna.rtm"));
    QString texto;
    modelos::ModeloHexTermico(1, texto);
    modelos::SalvarModelo(1, arquivo);
    const QByteArray gravado = conteudo(arquivo);
    QVERIFY(gravado.startsWith("TPF0"));
    QCOMPARE(gravado.size(), texto.size() / 2);
    QCOMPARE(gravado, fluxo::textoParaFluxo(texto));
}

void TesteSalvarModelo::cadaDeposito_data() {
    QTest::addColumn<int>("id");
    for (int id : {6, 7, 18, 21, 22, 23}) {
        QTest::addRow("%d", id) << id;
    }
}

void TesteSalvarModelo::cadaDeposito() {
    QFETCH(int, id);
    const QString arquivo = m_pasta.filePath(QStringLiteral("modelo-%1.rtm").arg(id));
    modelos::SalvarModelo(id, arquivo);
    QCOMPARE(conteudo(arquivo), fluxoDoModelo(id));
}

void TesteSalvarModelo::substituiArquivoMaior() {
    const QString arquivo = m_pasta.filePath(QStringLiteral("maior.rtm"));
    gravar(arquivo, QByteArray(100000, 'x'));
    modelos::SalvarModelo(1, arquivo);
    QCOMPARE(conteudo(arquivo), fluxoDoModelo(1));
}

void TesteSalvarModelo::idSemModeloNaoGravaNada_data() {
    QTest::addColumn<int>("id");
    QTest::newRow("0") << 0;
    QTest::newRow("24") << 24;
    QTest::newRow("-1") << -1;
    QTest::newRow("255") << 255;
    // Would be template 1 if the id were cut to a byte.
    QTest::newRow("257") << 257;
}

void TesteSalvarModelo::idSemModeloNaoGravaNada() {
    QFETCH(int, id);
    const QString novo = m_pasta.filePath(QStringLiteral("novo-%1.rtm").arg(id));
    modelos::SalvarModelo(id, novo);
    QVERIFY(!QFile::exists(novo));

    const QString existente = m_pasta.filePath(QStringLiteral("existente-%1.rtm").arg(id));
    gravar(existente, "antigo");
    modelos::SalvarModelo(id, existente);
    QCOMPARE(conteudo(existente), QByteArray("antigo"));
}

void TesteSalvarModelo::pastaInexistente() {
    const QString arquivo = m_pasta.filePath(QStringLiteral("nao-existe/Zebra 1 Coluna.rtm"));
    QCOMPARE(erroAoSalvar(1, arquivo),
             QStringLiteral("Cannot create file \"%1\". No such file or directory").arg(arquivo));
    QVERIFY(!QFile::exists(arquivo));
}

void TesteSalvarModelo::caminhoRelativoNaMensagem() {
    const QString antes = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_pasta.path()));
    const QString mensagem = erroAoSalvar(2, QStringLiteral("falta/x.rtm"));
    QDir::setCurrent(antes);
    QVERIFY2(mensagem.startsWith(QStringLiteral("Cannot create file \"%1\". ")
                                     .arg(QDir(m_pasta.path()).absoluteFilePath("falta/x.rtm"))),
             qPrintable(mensagem));
}

void TesteSalvarModelo::discoCheioPreservaArquivo() {
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("cheio.rtm"));
    const QByteArray antigo = QByteArray("layout anterior, que deve sobreviver");
    gravar(arquivo, antigo);

    QString mensagem;
    {
        const DiscoQuaseCheio disco(1000);
        mensagem = erroAoSalvar(1, arquivo);
    }
    QCOMPARE(mensagem, QStringLiteral("Cannot create file \"%1\". File too large").arg(arquivo));
    QCOMPARE(conteudo(arquivo), antigo);
    QCOMPARE(QDir(pasta.path()).entryList(QDir::Files), QStringList{"cheio.rtm"});
}

// A template kept under two names is updated under both.
void TesteSalvarModelo::mantemLinkDuro() {
    const QString arquivo = m_pasta.filePath(QStringLiteral("ligado.rtm"));
    const QString outroNome = m_pasta.filePath(QStringLiteral("outro-nome.rtm"));
    gravar(arquivo, "antigo");
    QVERIFY(QFile::exists(arquivo));
    QCOMPARE(link(QFile::encodeName(arquivo), QFile::encodeName(outroNome)), 0);
    modelos::SalvarModelo(3, arquivo);
    QCOMPARE(conteudo(outroNome), fluxoDoModelo(3));
    QCOMPARE(std::filesystem::hard_link_count(arquivo.toStdString()), 2u);
}

QTEST_APPLESS_MAIN(TesteSalvarModelo)
#include "TesteSalvarModelo.moc"
