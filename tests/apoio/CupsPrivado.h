#pragma once

#include <QDir>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A print scheduler of the test's own, so that a test neither depends on nor disturbs the
// machine's queues: cupsd in the foreground with its configuration, spool, logs and socket in a
// temporary folder. While it runs, CUPS_SERVER names its socket for this process and every
// program it starts (lpadmin, lpstat, cupsreject, the command line under test).
//
// The system's filters and backends are linked into a private ServerBin, beside which a test may
// install backends of its own. FileDevice is on, but file: devices are written by the
// scheduler's unprivileged user, so the capture backend is the way to keep a job's bytes.
//
// Stopping (or destroying) it ends the scheduler with its jobs and removes the folder.
class CupsPrivado {
public:
    struct Execucao {
        int codigo = -1; // -1 when the program did not start or did not end normally
        QString saida;
        QString erro;
    };

    CupsPrivado() = default;
    ~CupsPrivado();
    CupsPrivado(const CupsPrivado&) = delete;
    CupsPrivado& operator=(const CupsPrivado&) = delete;

    // Starts the scheduler and waits until it answers. False with erro() when it cannot.
    bool iniciar();
    void parar();
    // Why the last call that returned false failed, with the scheduler's log when it helps.
    const QString& erro() const { return m_erro; }

    // A path inside the private folder, for captured jobs and other files of the test.
    QString caminho(const QString& nome) const;

    // An executable backend called nome; a queue reaches it with the device "nome:...". It runs
    // as root, with the job's file as its sixth argument (or on standard input) and the device
    // in DEVICE_URI, and is called without arguments when devices are listed.
    bool instalarBackend(const QString& nome, const QByteArray& script);
    // The backend "captura": a queue with the device "captura:/some/file" writes each job's
    // bytes, unfiltered on a queue without a driver, to that file.
    bool instalarCaptura();

    // A queue enabled and accepting jobs; opcoes go to lpadmin as they are (a driver with -m).
    bool criarFila(const QString& fila, const QString& dispositivo, const QStringList& opcoes = {});
    bool removerFila(const QString& fila);

    // Runs a program against this scheduler and waits for it (two minutes at most).
    Execucao executar(const QString& programa, const QStringList& argumentos) const;

    // The scheduler's own log, for the message of a failing test.
    QString log() const;

private:
    bool prepararPasta();
    bool escreverConfiguracao();
    bool ligarServerBin();
    bool respondendo() const;
    bool esperarResposta();
    bool falhar(const QString& motivo);

    QTemporaryDir m_pasta{QDir::tempPath() + QStringLiteral("/cups-teste-XXXXXX")};
    QProcess m_cupsd;
    QByteArray m_servidorAnterior;
    bool m_tinhaServidor = false;
    QString m_erro;
};
