// Replacing a file's contents, for each kind of thing a path can name: what stays, what
// changes, and the reason given when it cannot be done.
#include "plataforma/Exception.h"
#include "plataforma/ReplaceFile.h"
#include "tests/apoio/DiscoQuaseCheio.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <optional>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

enum class Alvo {
    Novo,
    Comum,
    Fifo,
    DispositivoNulo,
    DispositivoCheio,
    Pasta,
    LinkSimbolico,
    LinkDuro,
    PastaSomenteLeitura,
    DiscoCheio,
    LinkDuroComDiscoCheio,
};

constexpr uid_t Ninguem = 65534;
const QByteArray Antigo = "conteúdo anterior";
const QByteArray Novo = QByteArray(5000, 'n');

QByteArray conteudo(const QString& arquivo) {
    QFile f(arquivo);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool gravar(const QString& arquivo, const QByteArray& bytes) {
    QFile f(arquivo);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A node like /dev/null (1,3) or /dev/full (1,7). Only root may make one; anyone else writes
// to the system's own, which they cannot replace.
QString dispositivo(const QString& pasta, unsigned menor, const char* doSistema) {
    const QString caminho = pasta + (menor == 3 ? "/nulo" : "/cheio");
    if (geteuid() != 0)
        return QString::fromLatin1(doSistema);
    return mknod(QFile::encodeName(caminho), S_IFCHR | 0666, makedev(1, menor)) == 0 ? caminho
                                                                                     : QString();
}

// Writes as an operator would, not as root, whom no folder permission stops.
class ComoOperador {
public:
    explicit ComoOperador(const QString& pasta) : m_root(geteuid() == 0) {
        if (!m_root)
            return;
        bool mudou = lchown(QFile::encodeName(pasta), Ninguem, Ninguem) == 0;
        for (const auto& item : fs::recursive_directory_iterator(pasta.toStdString()))
            mudou = mudou && lchown(item.path().c_str(), Ninguem, Ninguem) == 0;
        m_mudou = mudou && seteuid(Ninguem) == 0;
    }
    ~ComoOperador() {
        if (m_root)
            seteuid(0);
    }
    bool pronto() const { return !m_root || m_mudou; }
    ComoOperador(const ComoOperador&) = delete;
    ComoOperador& operator=(const ComoOperador&) = delete;

private:
    bool m_root;
    bool m_mudou = false;
};

} // namespace

class TesteReplaceFile : public QObject {
    Q_OBJECT

private slots:
    void cadaAlvo_data();
    void cadaAlvo();
};

void TesteReplaceFile::cadaAlvo_data() {
    QTest::addColumn<Alvo>("alvo");
    QTest::addColumn<QString>("razao");
    QTest::newRow("missing-file") << Alvo::Novo << QString();
    QTest::newRow("regular-file") << Alvo::Comum << QString();
    QTest::newRow("fifo") << Alvo::Fifo << QString();
    QTest::newRow("null-device") << Alvo::DispositivoNulo << QString();
    QTest::newRow("full-device") << Alvo::DispositivoCheio << "No space left on device";
    QTest::newRow("directory") << Alvo::Pasta << "Is a directory";
    QTest::newRow("symbolic-link") << Alvo::LinkSimbolico << QString();
    QTest::newRow("hard-link") << Alvo::LinkDuro << QString();
    QTest::newRow("read-only-folder") << Alvo::PastaSomenteLeitura << QString();
    QTest::newRow("failing-write") << Alvo::DiscoCheio << "File too large";
    QTest::newRow("hard-link-failing-write") << Alvo::LinkDuroComDiscoCheio << "File too large";
}

void TesteReplaceFile::cadaAlvo() {
    QFETCH(Alvo, alvo);
    QFETCH(QString, razao);
    QTemporaryDir temporaria;
    const QString pasta = temporaria.filePath("pasta");
    QVERIFY(QDir().mkdir(pasta));
    QString caminho = pasta + "/modelo.rtm";
    const QString outroNome = pasta + "/outro.rtm";
    QProcess leitor;

    switch (alvo) {
    case Alvo::Novo:
        break;
    case Alvo::Comum:
    case Alvo::DiscoCheio:
    case Alvo::PastaSomenteLeitura:
        QVERIFY(gravar(caminho, Antigo));
        break;
    case Alvo::Fifo:
        QCOMPARE(mkfifo(QFile::encodeName(caminho), 0666), 0);
        leitor.start("cat", {caminho});
        QVERIFY(leitor.waitForStarted());
        break;
    case Alvo::DispositivoNulo:
        caminho = dispositivo(pasta, 3, "/dev/null");
        QVERIFY(!caminho.isEmpty());
        break;
    case Alvo::DispositivoCheio:
        caminho = dispositivo(pasta, 7, "/dev/full");
        QVERIFY(!caminho.isEmpty());
        break;
    case Alvo::Pasta:
        QVERIFY(QDir().mkdir(caminho));
        break;
    case Alvo::LinkSimbolico:
        QVERIFY(gravar(outroNome, Antigo));
        QVERIFY(QFile::link("outro.rtm", caminho));
        break;
    case Alvo::LinkDuro:
    case Alvo::LinkDuroComDiscoCheio:
        QVERIFY(gravar(outroNome, Antigo));
        QCOMPARE(link(QFile::encodeName(outroNome), QFile::encodeName(caminho)), 0);
        break;
    }
    const QStringList nomesAntes = QDir(pasta).entryList(QDir::AllEntries | QDir::System);
    const fs::file_type tipoAntes = fs::symlink_status(caminho.toStdString()).type();

    QString mensagem;
    {
        ComoOperador operador(temporaria.path());
        QVERIFY(operador.pronto());
        if (alvo == Alvo::PastaSomenteLeitura)
            QVERIFY(QFile::setPermissions(pasta, QFile::ReadOwner | QFile::ExeOwner));
        std::optional<DiscoQuaseCheio> disco;
        if (alvo == Alvo::DiscoCheio || alvo == Alvo::LinkDuroComDiscoCheio)
            disco.emplace(1000);
        try {
            plataforma::replaceFile(caminho, Novo);
        } catch (const plataforma::Exception& erro) {
            mensagem = erro.message();
        }
        QFile::setPermissions(pasta, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    if (razao.isEmpty())
        QCOMPARE(mensagem, QString());
    else
        QCOMPARE(mensagem, QStringLiteral("Cannot create file \"%1\". %2").arg(caminho, razao));
    QCOMPARE(fs::symlink_status(caminho.toStdString()).type(),
             alvo == Alvo::Novo ? fs::file_type::regular : tipoAntes);
    if (alvo != Alvo::Novo)
        QCOMPARE(QDir(pasta).entryList(QDir::AllEntries | QDir::System), nomesAntes);

    switch (alvo) {
    case Alvo::Fifo:
        QVERIFY(leitor.waitForFinished());
        QCOMPARE(leitor.readAllStandardOutput(), Novo);
        break;
    case Alvo::LinkSimbolico:
    case Alvo::LinkDuro:
        QCOMPARE(conteudo(outroNome), Novo);
        QCOMPARE(conteudo(caminho), Novo);
        break;
    case Alvo::DiscoCheio:
        QCOMPARE(conteudo(caminho), Antigo);
        break;
    case Alvo::LinkDuroComDiscoCheio:
        QCOMPARE(conteudo(outroNome), Antigo);
        break;
    case Alvo::Novo:
    case Alvo::Comum:
    case Alvo::PastaSomenteLeitura:
        QCOMPARE(conteudo(caminho), Novo);
        break;
    case Alvo::DispositivoNulo:
    case Alvo::DispositivoCheio:
    case Alvo::Pasta:
        break;
    }
    if (alvo == Alvo::LinkDuro || alvo == Alvo::LinkDuroComDiscoCheio)
        QCOMPARE(fs::hard_link_count(caminho.toStdString()), 2u);
}

QTEST_GUILESS_MAIN(TesteReplaceFile)
#include "tst_replacefile.moc"
