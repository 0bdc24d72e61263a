#include "CupsPrivado.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>
#include <cups/cups.h>

using namespace Qt::StringLiterals;

namespace {

const QString Socket = u"cups.sock"_s;
// A Unix socket's path must fit in sockaddr_un.
constexpr qsizetype TamanhoMaximoDoSocket = 100;

bool escrever(const QString& caminho, const QByteArray& conteudo,
              QFileDevice::Permissions permissoes) {
    QFile arquivo(caminho);
    return arquivo.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           arquivo.write(conteudo) == conteudo.size() && arquivo.setPermissions(permissoes);
}

// Anyone may do anything: the socket sits in a folder only this test uses.
QByteArray cupsdConf(const QString& socket) {
    return "Listen " + socket.toUtf8() +
           "\n"
           "LogLevel debug\n"
           "Browsing No\n"
           "WebInterface No\n"
           "DefaultAuthType None\n"
           "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
           "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n";
}

QByteArray cupsFilesConf(const QString& raiz) {
    const QByteArray r = raiz.toUtf8();
    return "ServerRoot " + r + "/conf\nServerBin " + r + "/bin\nRequestRoot " + r +
           "/spool\nTempDir " + r + "/tmp\nCacheDir " + r + "/cache\nStateDir " + r +
           "/state\nErrorLog " + r + "/log/error_log\nAccessLog " + r +
           "/log/access_log\nPageLog " + r +
           "/log/page_log\n"
           "DataDir /usr/share/cups\n"
           "DocumentRoot /usr/share/cups/doc-root\n"
           "FileDevice Yes\n"
           "SystemGroup root\n"
           "Sandboxing Relaxed\n";
}

} // namespace

CupsPrivado::~CupsPrivado() {
    parar();
}

bool CupsPrivado::iniciar() {
    if (!prepararPasta() || !escreverConfiguracao() || !ligarServerBin())
        return false;
    m_tinhaServidor = qEnvironmentVariableIsSet("CUPS_SERVER");
    m_servidorAnterior = qgetenv("CUPS_SERVER");
    qputenv("CUPS_SERVER", caminho(Socket).toLocal8Bit());
    // libcups keeps the server it found first; this makes it look again.
    cupsSetServer(nullptr);
    m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
    m_cupsd.start(u"cupsd"_s, {u"-f"_s, u"-c"_s, caminho(u"conf/cupsd.conf"_s), u"-s"_s,
                               caminho(u"conf/cups-files.conf"_s)});
    if (!m_cupsd.waitForStarted(10000))
        return falhar(u"cupsd não pôde ser iniciado: "_s + m_cupsd.errorString());
    return esperarResposta();
}

void CupsPrivado::parar() {
    if (m_cupsd.state() != QProcess::NotRunning) {
        m_cupsd.terminate();
        if (!m_cupsd.waitForFinished(10000)) {
            m_cupsd.kill();
            m_cupsd.waitForFinished(5000);
        }
    }
    if (m_tinhaServidor)
        qputenv("CUPS_SERVER", m_servidorAnterior);
    else
        qunsetenv("CUPS_SERVER");
    cupsSetServer(nullptr);
    m_tinhaServidor = false;
    // Helpers the scheduler started may still be writing their last files for a moment.
    const QDeadlineTimer prazo(5000);
    while (QFileInfo::exists(m_pasta.path()) && !m_pasta.remove() && !prazo.hasExpired())
        QThread::msleep(100);
}

QString CupsPrivado::caminho(const QString& nome) const {
    return m_pasta.filePath(nome);
}

bool CupsPrivado::instalarBackend(const QString& nome, const QByteArray& script) {
    // Owner-only permissions make the scheduler run it as root, so it may write in our folder.
    if (!escrever(caminho(u"bin/backend/"_s + nome), script,
                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner))
        return falhar(u"backend %1 não pôde ser instalado"_s.arg(nome));
    return true;
}

bool CupsPrivado::instalarCaptura() {
    return instalarBackend(u"captura"_s, "#!/bin/sh\n"
                                         "[ $# -eq 0 ] && exit 0\n"
                                         "destino=${DEVICE_URI#captura:}\n"
                                         "if [ -n \"$6\" ]; then cat \"$6\"; else cat; fi "
                                         "> \"$destino.parcial\" || exit 1\n"
                                         "mv \"$destino.parcial\" \"$destino\"\n");
}

bool CupsPrivado::criarFila(const QString& fila, const QString& dispositivo,
                            const QStringList& opcoes) {
    const Execucao e =
        executar(u"lpadmin"_s, QStringList{u"-p"_s, fila, u"-E"_s, u"-v"_s, dispositivo} + opcoes);
    if (e.codigo != 0)
        return falhar(u"lpadmin não criou a fila %1: %2"_s.arg(fila, e.erro));
    return true;
}

bool CupsPrivado::removerFila(const QString& fila) {
    const Execucao e = executar(u"lpadmin"_s, {u"-x"_s, fila});
    if (e.codigo != 0)
        return falhar(u"lpadmin não removeu a fila %1: %2"_s.arg(fila, e.erro));
    return true;
}

CupsPrivado::Execucao CupsPrivado::executar(const QString& programa,
                                            const QStringList& argumentos) const {
    QProcess processo;
    processo.start(programa, argumentos);
    Execucao e;
    if (!processo.waitForFinished(120000) || processo.exitStatus() != QProcess::NormalExit) {
        e.erro = programa + u": "_s + processo.errorString();
        return e;
    }
    e.codigo = processo.exitCode();
    e.saida = QString::fromUtf8(processo.readAllStandardOutput());
    e.erro = QString::fromUtf8(processo.readAllStandardError());
    return e;
}

QString CupsPrivado::log() const {
    QFile arquivo(caminho(u"log/error_log"_s));
    return arquivo.open(QIODevice::ReadOnly) ? QString::fromUtf8(arquivo.readAll()) : QString();
}

bool CupsPrivado::prepararPasta() {
    if (!m_pasta.isValid())
        return falhar(u"pasta temporária: "_s + m_pasta.errorString());
    if (caminho(Socket).size() > TamanhoMaximoDoSocket)
        return falhar(u"caminho longo demais para o socket: "_s + caminho(Socket));
    // The scheduler's user reads the spool and runs filters from inside the folder.
    QFile::setPermissions(m_pasta.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                              QFileDevice::ExeOther | QFileDevice::ReadGroup |
                                              QFileDevice::ExeGroup);
    QDir raiz(m_pasta.path());
    for (const QString& p :
         {u"conf"_s, u"bin/backend"_s, u"spool"_s, u"tmp"_s, u"cache"_s, u"state"_s, u"log"_s}) {
        if (!raiz.mkpath(p))
            return falhar(u"pasta %1 não pôde ser criada"_s.arg(caminho(p)));
    }
    // Filters run as the scheduler's unprivileged user and write their temporary files here:
    // without it a driver's raster filter stops every job.
    QFile::setPermissions(caminho(u"tmp"_s), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                 QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                                 QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                                                 QFileDevice::ReadOther | QFileDevice::WriteOther |
                                                 QFileDevice::ExeOther);
    return true;
}

bool CupsPrivado::escreverConfiguracao() {
    const auto leitura = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                         QFileDevice::ReadOther;
    if (!escrever(caminho(u"conf/cupsd.conf"_s), cupsdConf(caminho(Socket)), leitura) ||
        !escrever(caminho(u"conf/cups-files.conf"_s), cupsFilesConf(m_pasta.path()), leitura))
        return falhar(u"configuração do cupsd não pôde ser escrita"_s);
    return true;
}

// Filters, drivers and helper programs are the system's; the backend folder is ours so that a
// test can add to it, with the system's backends linked in.
bool CupsPrivado::ligarServerBin() {
    const QString sistema = u"/usr/lib/cups"_s;
    for (const QString& p :
         {u"filter"_s, u"daemon"_s, u"cgi-bin"_s, u"monitor"_s, u"notifier"_s, u"driver"_s}) {
        if (QFileInfo::exists(sistema + u'/' + p) &&
            !QFile::link(sistema + u'/' + p, caminho(u"bin/"_s + p)))
            return falhar(u"ServerBin: %1 não pôde ser ligado"_s.arg(p));
    }
    const QDir backends(sistema + u"/backend"_s);
    for (const QFileInfo& b : backends.entryInfoList(QDir::Files)) {
        if (!QFile::link(b.absoluteFilePath(), caminho(u"bin/backend/"_s + b.fileName())))
            return falhar(u"ServerBin: backend %1 não pôde ser ligado"_s.arg(b.fileName()));
    }
    return true;
}

bool CupsPrivado::respondendo() const {
    // lpstat ends well either way; its English answer tells.
    QProcess lpstat;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(u"LC_ALL"_s, u"C"_s);
    lpstat.setProcessEnvironment(ambiente);
    lpstat.start(u"lpstat"_s, {u"-r"_s});
    return lpstat.waitForFinished(10000) &&
           lpstat.readAllStandardOutput().startsWith("scheduler is running");
}

bool CupsPrivado::esperarResposta() {
    const QDeadlineTimer prazo(20000);
    while (!prazo.hasExpired()) {
        if (m_cupsd.state() == QProcess::NotRunning)
            return falhar(u"cupsd terminou ao iniciar: "_s +
                          QString::fromLocal8Bit(m_cupsd.readAll()) + log());
        if (respondendo())
            return true;
        QThread::msleep(100);
    }
    return falhar(u"cupsd não respondeu em 20 s: "_s + log());
}

bool CupsPrivado::falhar(const QString& motivo) {
    m_erro = motivo;
    return false;
}
