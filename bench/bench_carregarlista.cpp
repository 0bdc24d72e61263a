// Loads generated product lists and prints how fast each went and how much
// memory the process needed at its peak.
//
// Usage: bench_carregarlista [LINES...]   (100000 and 1000000 by default)
//
// Sizes run in the order given; give them ascending, so that each peak is the
// one of its own size.

#include "lista/CarregarLista.h"
#include "lista/TabelaProdutos.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>

namespace {

// Lines that look like a pharmacy's export: accented descriptions, dots as
// decimal points, some promotions with a date and some without.
void gerarLista(const QString& caminho, int linhas) {
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly))
        qFatal("cannot create %s", qPrintable(caminho));
    arquivo.write("CODIGO;DESCRICAO;FABRICANTE;BARRAS;PRECO;PRECO_DESC;PRECO_PROMO;DESCONTO;"
                  "QTDE;VALIDADE\r\n");
    QByteArray linha;
    for (int i = 1; i <= linhas; ++i) {
        linha = QByteArray::number(i) +
                ";Analg\xe9sico s\xf3"
                "dico " +
                QByteArray::number(i % 997) + "mg cx.20 comprimidos;Laborat\xf3rio Exemplo " +
                QByteArray::number(i % 31) + ";789" + QByteArray::number(1000000000 + i) + ";" +
                QByteArray::number(i % 500) + ".90;" + QByteArray::number(i % 450) + ".75;" +
                (i % 3 == 0 ? QByteArray::number(i % 400) + ".49" : QByteArray()) + ";" +
                QByteArray::number(i % 15) + ";" + QByteArray::number(1 + i % 4) + ";" +
                (i % 3 == 0 ? QByteArray("31/12/2030") : QByteArray()) + "\r\n";
        arquivo.write(linha);
    }
}

// Processor time of this process so far, which other processes on a busy
// machine do not inflate as they do the wall-clock time.
double segundosDeCpu() {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    const auto segundos = [](timeval t) {
        return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6;
    };
    return segundos(uso.ru_utime) + segundos(uso.ru_stime);
}

// Loads a list of that many lines into a fresh table and prints the figures;
// false when the table did not get every line.
bool medir(int linhas) {
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("lista.csv"));
    gerarLista(caminho, linhas);
    const double megabytes = static_cast<double>(QFile(caminho).size()) / (1 << 20);

    plataforma::MemTable MemTable2;
    lista::DefinirCamposProdutos(MemTable2);
    const double cpuAntes = segundosDeCpu();
    QElapsedTimer relogio;
    relogio.start();
    lista::CarregarLista(MemTable2, caminho);
    const double segundos = static_cast<double>(relogio.nsecsElapsed()) / 1e9;
    const double cpu = segundosDeCpu() - cpuAntes;

    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    std::printf("carregar lista: %d linhas (%.1f MB) em %.3f s (cpu %.3f s): %.0f linhas/s, "
                "%.1f MB/s, pico de memoria %.1f MB\n",
                MemTable2.rowCount(), megabytes, segundos, cpu, MemTable2.rowCount() / segundos,
                megabytes / segundos, static_cast<double>(uso.ru_maxrss) / 1024);
    return MemTable2.rowCount() == linhas;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QList<int> tamanhos;
    for (const QString& argumento : app.arguments().mid(1))
        tamanhos << argumento.toInt();
    if (tamanhos.isEmpty())
        tamanhos = {100000, 1000000};
    if (tamanhos.contains(0)) {
        std::fprintf(stderr, "uso: bench_carregarlista [LINHAS...]\n");
        return 2;
    }
    bool completo = true;
    for (const int linhas : tamanhos)
        completo = medir(linhas) && completo;
    return completo ? 0 : 1;
}
