// Runs "etiquetas-cli lista" on files whose one line is huge, a header and a product line,
// and prints the time per megabyte and the peak memory of each run: time grows with the
// file's size alone, and memory stays bounded however long a line is.
//
// Usage: bench_lista_longa [MEGABYTES...]   (50 100 200 by default)

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr qint64 MB = 1 << 20;

// A file of about megabytes: a header of that size and no product, or a short header and one
// product whose description takes the size.
void gerar(const QString& caminho, qint64 megabytes, bool soCabecalho) {
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly))
        qFatal("cannot create %s", qPrintable(caminho));
    const QByteArray bloco(MB, soCabecalho ? 'H' : 'd');
    if (!soCabecalho)
        arquivo.write("CODIGO;DESCRICAO\r\n1;");
    for (qint64 i = 0; i < megabytes; ++i)
        arquivo.write(bloco);
    arquivo.write(soCabecalho ? "\r\n" : ";Lab;789;12.50;0;0;0;2;\r\n");
}

struct Medida {
    double segundos = 0;
    long picoKb = 0;
    int status = -1;
};

// The run's own figures, taken from the kernel when the child ends.
Medida executar(const char* programa, const QString& arquivo) {
    const QByteArray caminho = QFile::encodeName(arquivo);
    // The child would write again what this process has not written yet.
    std::fflush(stdout);
    QElapsedTimer relogio;
    relogio.start();
    const pid_t filho = fork();
    if (filho == 0) {
        std::freopen("/dev/null", "w", stdout);
        execl(programa, programa, "lista", caminho.constData(), static_cast<char*>(nullptr));
        _exit(127);
    }
    Medida medida;
    rusage uso{};
    int status = 0;
    if (filho < 0 || wait4(filho, &status, 0, &uso) != filho)
        return medida;
    medida.segundos = relogio.nsecsElapsed() / 1e9;
    medida.picoKb = uso.ru_maxrss;
    medida.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return medida;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication aplicacao(argc, argv);
    QList<qint64> tamanhos;
    for (const QString& argumento : QCoreApplication::arguments().mid(1))
        tamanhos << argumento.toLongLong();
    if (tamanhos.isEmpty())
        tamanhos = {50, 100, 200};
    QTemporaryDir pasta;
    bool ok = true;
    for (const bool soCabecalho : {true, false}) {
        for (const qint64 megabytes : tamanhos) {
            const QString caminho = pasta.filePath(QStringLiteral("lista.csv"));
            gerar(caminho, megabytes, soCabecalho);
            const Medida m = executar(ETIQUETAS_CLI, caminho);
            QFile::remove(caminho);
            std::printf("%-16s %4lld MB: %7.2f s  %.4f s/MB  pico %6.1f MB%s\n",
                        soCabecalho ? "cabecalho" : "linha de produto", megabytes, m.segundos,
                        m.segundos / megabytes, m.picoKb / 1024.0, m.status == 0 ? "" : "  FALHOU");
            ok = ok && m.status == 0;
        }
    }
    return ok ? 0 : 1;
}
