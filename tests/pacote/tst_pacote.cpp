// The Debian package as a store's IT person meets it: built from this build folder, its file
// list and dependencies read, its menu entry validated, and its programs run from a throw-away
// root it was unpacked into.
#include "modelos/SalvarModelo.h"
#include "tests/apoio/Execucao.h"

#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QStringList arquivosEsperados() {
    QStringList arquivos = {
        u"usr/bin/etiquetas"_s,
        u"usr/bin/etiquetas-cli"_s,
        u"usr/share/applications/etiquetas.desktop"_s,
        u"usr/share/etiquetas/ajuda/index.html"_s,
        u"usr/share/etiquetas/ajuda/video-ajuda.webm"_s,
        u"usr/share/etiquetas/exemplos/produtos.csv"_s,
        u"usr/share/icons/hicolor/scalable/apps/etiquetas.svg"_s,
        u"usr/share/man/man1/etiquetas-cli.1.gz"_s,
        u"usr/share/mime/packages/etiquetas-modelo.xml"_s,
    };
    for (int tamanho : {16, 22, 24, 32, 48, 64, 128, 256})
        arquivos << u"usr/share/icons/hicolor/%1x%1/apps/etiquetas.png"_s.arg(tamanho);
    arquivos.sort();
    return arquivos;
}

} // namespace

class TestePacote : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void listaDeArquivos();
    void controle();
    void entradaDoMenu();
    void icones();
    void tipoDeArquivo_data();
    void tipoDeArquivo();
    void programasInstalados();
    void manual();

private:
    QString instalado(const QString& caminho) const { return m_raiz.filePath(caminho); }

    QTemporaryDir m_pasta;
    QDir m_raiz;
    QString m_deb;
};

void TestePacote::initTestCase() {
    QVERIFY(m_pasta.isValid());
    const Execucao cpack =
        executarPrograma(QStringLiteral(CPACK),
                         {u"-G"_s, u"DEB"_s, u"-B"_s, m_pasta.filePath(u"pacote"_s), u"--config"_s,
                          QStringLiteral(ETIQUETAS_COMPILACAO) + u"/CPackConfig.cmake"_s});
    QVERIFY2(cpack.codigo == 0, qPrintable(cpack.saida + cpack.erro));
    const QStringList debs =
        QDir(m_pasta.filePath(u"pacote"_s)).entryList({u"etiquetas_*.deb"_s}, QDir::Files);
    QCOMPARE(debs.size(), 1);
    m_deb = m_pasta.filePath(u"pacote/"_s + debs[0]);
    m_raiz.setPath(m_pasta.filePath(u"raiz"_s));
    const Execucao extrair = executarPrograma(u"dpkg-deb"_s, {u"-x"_s, m_deb, m_raiz.path()});
    QVERIFY2(extrair.codigo == 0, qPrintable(extrair.erro));
    // The desktop reads the installed data: the file types among them.
    qputenv("XDG_DATA_DIRS", QFile::encodeName(instalado(u"usr/share"_s)));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_pasta.filePath(u"vazio"_s)));
    const Execucao tipos =
        executarPrograma(u"update-mime-database"_s, {instalado(u"usr/share/mime"_s)});
    QVERIFY2(tipos.codigo == 0 && tipos.erro.isEmpty(), qPrintable(tipos.erro));
}

// Exactly the programs and their files: no test program, no build tool, nothing left out.
void TestePacote::listaDeArquivos() {
    const Execucao lista = executarPrograma(u"dpkg-deb"_s, {u"-c"_s, m_deb});
    QCOMPARE(lista.codigo, 0);
    QStringList arquivos;
    for (const QString& linha : lista.saida.split(u'\n', Qt::SkipEmptyParts)) {
        if (linha.startsWith(u'-'))
            arquivos << linha.section(u"./"_s, -1);
    }
    arquivos.sort();
    QCOMPARE(arquivos, arquivosEsperados());
    QVERIFY(QFileInfo(instalado(u"usr/bin/etiquetas"_s)).isExecutable());
    QVERIFY(QFileInfo(instalado(u"usr/bin/etiquetas-cli"_s)).isExecutable());
}

void TestePacote::controle() {
    const Execucao campos =
        executarPrograma(u"dpkg-deb"_s, {u"-f"_s, m_deb, u"Package"_s, u"Version"_s, u"Depends"_s});
    QCOMPARE(campos.codigo, 0);
    QVERIFY2(campos.saida.startsWith(u"Package: etiquetas\nVersion: " ETIQUETAS_VERSAO "\n"_s),
             qPrintable(campos.saida));
    // Worked out from the programs' libraries, plus what they only load by name.
    for (const QString& pacote : {u"libqt6widgets6"_s, u"libqt6printsupport6"_s, u"libzint"_s,
                                  u"fonts-liberation2"_s, u"qt6-translations-l10n"_s})
        QVERIFY2(campos.saida.contains(pacote), qPrintable(pacote + u" em "_s + campos.saida));
}

void TestePacote::entradaDoMenu() {
    const QString entrada = instalado(u"usr/share/applications/etiquetas.desktop"_s);
    const Execucao validacao = executarPrograma(u"desktop-file-validate"_s, {entrada});
    QVERIFY2(validacao.codigo == 0 && validacao.saida.isEmpty(),
             qPrintable(validacao.saida + validacao.erro));
    QFile arquivo(entrada);
    QVERIFY(arquivo.open(QIODevice::ReadOnly));
    const QStringList linhas = QString::fromUtf8(arquivo.readAll()).split(u'\n');
    for (const QString& linha :
         {u"Name=Etiquetas de Gôndola"_s, u"Exec=etiquetas %f"_s, u"Icon=etiquetas"_s,
          u"Categories=Office;"_s, u"MimeType=application/x-etiquetas-modelo;"_s})
        QVERIFY2(linhas.contains(linha), qPrintable(linha));
}

void TestePacote::icones() {
    const Execucao svg = executarPrograma(
        u"rsvg-convert"_s, {u"-w"_s, u"64"_s, u"-h"_s, u"64"_s,
                            instalado(u"usr/share/icons/hicolor/scalable/apps/etiquetas.svg"_s),
                            u"-o"_s, m_pasta.filePath(u"icone.png"_s)});
    QVERIFY2(svg.codigo == 0, qPrintable(svg.erro));
    for (int tamanho : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QImage png(
            instalado(u"usr/share/icons/hicolor/%1x%1/apps/etiquetas.png"_s.arg(tamanho)));
        QCOMPARE(png.size(), QSize(tamanho, tamanho));
        QVERIFY(png.hasAlphaChannel());
    }
}

// Found by its content as well as by its name, and nothing else taken for it.
void TestePacote::tipoDeArquivo_data() {
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QByteArray>("conteudo");
    QTest::addColumn<bool>("modelo");
    QTest::newRow("modelo-pelo-nome") << u"zebra.rtm"_s << QByteArray() << true;
    QTest::newRow("modelo-renomeado") << u"modelo da loja"_s << QByteArray() << true;
    QTest::newRow("lista") << u"produtos.csv"_s << QByteArray("CODIGO;DESCRICAO\r\n") << false;
    QTest::newRow("outro-fluxo") << u"formulario"_s
                                 << QByteArray("TPF0\x06TForm1\x05"
                                               "Form1\x00\x00",
                                               19)
                                 << false;
}

void TestePacote::tipoDeArquivo() {
    QFETCH(QString, nome);
    QFETCH(QByteArray, conteudo);
    QFETCH(bool, modelo);
    const QString arquivo = m_pasta.filePath(u"tipos/"_s + nome);
    QVERIFY(QDir().mkpath(QFileInfo(arquivo).path()));
    if (conteudo.isEmpty()) {
        modelos::SalvarModelo(1, arquivo);
    } else {
        QFile f(arquivo);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(conteudo);
    }
    const QString tipo = QMimeDatabase().mimeTypeForFile(arquivo).name();
    QVERIFY2((tipo == u"application/x-etiquetas-modelo"_s) == modelo, qPrintable(tipo));
}

// The installed programs run from where the package put them, with the files it put beside them.
void TestePacote::programasInstalados() {
    const QString cli = instalado(u"usr/bin/etiquetas-cli"_s);
    const Execucao versao = executarPrograma(cli, {u"--version"_s});
    QCOMPARE(versao.codigo, 0);
    QCOMPARE(versao.saida, u"etiquetas-cli " ETIQUETAS_VERSAO "\n"_s);
    const Execucao lista = executarPrograma(
        cli, {u"lista"_s, instalado(u"usr/share/etiquetas/exemplos/produtos.csv"_s)});
    QCOMPARE(lista.codigo, 0);
    QCOMPARE(lista.erro, QString());
    const Execucao daCompilacao = executarPrograma(
        QStringLiteral(ETIQUETAS_CLI),
        {u"lista"_s, qEnvironmentVariable("ETIQUETAS_FONTE") + u"/exemplos/produtos.csv"_s});
    QCOMPARE(lista.saida, daCompilacao.saida);
    QVERIFY(lista.saida.count(u'\n') > 40);
    const Execucao janela =
        executarPrograma(instalado(u"usr/bin/etiquetas"_s), {u"SELPRODLISTA"_s});
    QCOMPARE(janela.codigo, 0);
    // The help page's link to the sample list holds where the package puts both.
    const QDir ajuda(instalado(u"usr/share/etiquetas/ajuda"_s));
    QVERIFY(QFileInfo::exists(ajuda.filePath(u"../exemplos/produtos.csv"_s)));
}

void TestePacote::manual() {
    const QString pagina = m_pasta.filePath(u"etiquetas-cli.1"_s);
    QCOMPARE(
        executarPrograma(u"sh"_s, {u"-c"_s, u"zcat \"$0\" > \"$1\""_s,
                                   instalado(u"usr/share/man/man1/etiquetas-cli.1.gz"_s), pagina})
            .codigo,
        0);
    const Execucao texto = executarPrograma(
        u"groff"_s, {u"-k"_s, u"-man"_s, u"-Tutf8"_s, u"-ww"_s, u"-P-cbou"_s, pagina});
    QCOMPARE(texto.codigo, 0);
    QVERIFY2(texto.erro.isEmpty(), qPrintable(texto.erro));
    for (const QString& trecho :
         {u"etiquetas-cli - monta e imprime etiquetas"_s, u"CÓDIGOS DE SAÍDA"_s,
          u"modelo --texto ARQUIVO"_s, u"--impressora NOME"_s, u"--autoajuste"_s})
        QVERIFY2(texto.saida.contains(trecho), qPrintable(trecho));
}

QTEST_GUILESS_MAIN(TestePacote)
#include "tst_pacote.moc"
