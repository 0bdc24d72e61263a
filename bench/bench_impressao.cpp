// The whole road of a print job, from a product list file to the finished PDF, with the
// label-batch step timed on its own as well.
//
// Usage: bench_impressao                      every scenario, each in a process of its own so
//                                             that each peak of memory is its own
//        bench_impressao pdf MODELO ETIQUETAS [DPI]
//                                             one print job with a built-in template, into a
//                                             PDF for a printer of DPI dots per inch if given
//        bench_impressao lote ETIQUETAS       building the label rows only

#include "impressao/GerarEtiquetas.h"
#include "impressao/ModeloNoRelatorio.h"
#include "impressao/ObjetosRelatorio.h"
#include "lista/CarregarLista.h"
#include "lista/TabelaProdutos.h"
#include "plataforma/relatorio/PdfOutput.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

namespace {

constexpr int CopiasPorProduto = 10;
const plataforma::Date Hoje = *plataforma::Date::fromQDate(QDate(2025, 6, 15));

QByteArray ean13(qint64 doze) {
    QByteArray codigo = QByteArray::number(doze);
    int soma = 0;
    for (int i = 0; i < 12; ++i)
        soma += (codigo[i] - '0') * (i % 2 == 0 ? 1 : 3);
    return codigo + QByteArray::number((10 - soma % 10) % 10);
}

// Products as a pharmacy exports them, ten labels each, a third of them on promotion.
void gerarLista(const QString& caminho, int produtos) {
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly))
        qFatal("cannot create %s", qPrintable(caminho));
    arquivo.write("CODIGO;DESCRICAO;FABRICANTE;BARRAS;PRECO;PRECO_DESC;PRECO_PROMO;DESCONTO;"
                  "QTDE;VALIDADE\r\n");
    for (int i = 1; i <= produtos; ++i) {
        arquivo.write(QByteArray::number(i) + ";Analg\xe9sico " + QByteArray::number(i % 997) +
                      "mg cx c/20;Laborat\xf3rio " + QByteArray::number(i % 31) + ";" +
                      ean13(789000000000 + i) + ";" + QByteArray::number(1 + i % 500) + ".90;" +
                      QByteArray::number(i % 450) + ".75;" +
                      (i % 3 == 0 ? QByteArray::number(i % 400) + ".49" : QByteArray()) + ";5;" +
                      QByteArray::number(CopiasPorProduto) + ";" +
                      (i % 3 == 0 ? QByteArray("31/12/2030") : QByteArray()) + "\r\n");
    }
}

double picoEmMegabytes() {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return static_cast<double>(uso.ru_maxrss) / 1024;
}

// Processor time of this process so far, which other processes on a busy machine do not inflate
// as they do the wall-clock time.
double segundosDeCpu() {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    const auto emSegundos = [](timeval t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return emSegundos(uso.ru_utime) + emSegundos(uso.ru_stime);
}

double segundos(const QElapsedTimer& relogio) {
    return static_cast<double>(relogio.nsecsElapsed()) / 1e9;
}

int medirPdf(int modelo, int etiquetas, int resolucao) {
    QTemporaryDir pasta;
    const QString lista = pasta.filePath(QStringLiteral("lista.csv"));
    const QString pdf = pasta.filePath(QStringLiteral("etiquetas.pdf"));
    gerarLista(lista, etiquetas / CopiasPorProduto);

    const double cpuAntes = segundosDeCpu();
    QElapsedTimer relogio;
    relogio.start();
    plataforma::MemTable MemTable2;
    lista::DefinirCamposProdutos(MemTable2);
    lista::CarregarLista(MemTable2, lista, Hoje.toQDate());
    impressao::ObjetosRelatorio objetos;
    impressao::CarregarModeloEmbutido(objetos.ppReport1(), modelo);
    impressao::GerarEtiquetas(MemTable2, objetos.MemTable3(), Hoje);
    const plataforma::relatorio::RunSummary resumo =
        plataforma::relatorio::writePdf(objetos.ppReport1(), pdf, resolucao);
    const double tempo = segundos(relogio);
    const double cpu = segundosDeCpu() - cpuAntes;

    const double bytes = static_cast<double>(QFile(pdf).size());
    const QByteArray para =
        resolucao > 0 ? " para " + QByteArray::number(resolucao) + " dpi" : QByteArray();
    std::printf("modelo %d%s: %d etiquetas, %d páginas em %.3f s (cpu %.3f s): %.0f etiquetas/s, "
                "%.1f páginas/s, %.0f bytes por página, pico de memória %.1f MB\n",
                modelo, para.constData(), objetos.MemTable3().rowCount(), resumo.pages, tempo, cpu,
                objetos.MemTable3().rowCount() / tempo, resumo.pages / tempo, bytes / resumo.pages,
                picoEmMegabytes());
    return resumo.problems.empty() ? 0 : 1;
}

// The best of a few runs: the figure is the work's, not the machine's other load.
int medirLote(int etiquetas) {
    plataforma::MemTable MemTable2;
    lista::DefinirCamposProdutos(MemTable2);
    MemTable2.open();
    for (int i = 1; i <= etiquetas / CopiasPorProduto; ++i) {
        MemTable2.append();
        MemTable2.setInteger(lista::CID_PROD, i);
        MemTable2.setString(lista::CBARRAS, QString::fromLatin1(ean13(789000000000 + i)));
        MemTable2.setString(lista::CDESCRICAO, QStringLiteral("ANALGÉSICO %1MG CX C/20").arg(i));
        MemTable2.setInteger(lista::CQTDE, CopiasPorProduto);
        MemTable2.setFloat(lista::CPRECO, 10.9);
        MemTable2.setFloat(lista::CPRECPRO, 9.49);
        MemTable2.setDate(lista::CVLD_PRO, Hoje);
        MemTable2.setString(lista::CLAB, QStringLiteral("LABORATÓRIO"));
        MemTable2.post();
    }
    impressao::ObjetosRelatorio objetos;
    double melhor = 1e9;
    for (int vez = 0; vez < 5; ++vez) {
        QElapsedTimer relogio;
        relogio.start();
        impressao::GerarEtiquetas(MemTable2, objetos.MemTable3(), Hoje);
        melhor = std::min(melhor, segundos(relogio));
    }
    std::printf("lote: %d linhas de etiqueta em %.4f s (melhor de 5): %.0f linhas/s, pico de "
                "memória %.1f MB\n",
                objetos.MemTable3().rowCount(), melhor, objetos.MemTable3().rowCount() / melhor,
                picoEmMegabytes());
    return objetos.MemTable3().rowCount() == etiquetas ? 0 : 1;
}

int todos(const QString& programa) {
    const QList<QStringList> cenarios{
        {QStringLiteral("pdf"), QStringLiteral("9"), QStringLiteral("10000")},
        // Bars on a thermal printer's dots, against the same job drawn exactly.
        {QStringLiteral("pdf"), QStringLiteral("9"), QStringLiteral("10000"),
         QStringLiteral("203")},
        {QStringLiteral("pdf"), QStringLiteral("20"), QStringLiteral("10000")},
        {QStringLiteral("lote"), QStringLiteral("100000")}};
    int falhas = 0;
    for (const QStringList& cenario : cenarios) {
        QProcess processo;
        processo.setProcessChannelMode(QProcess::ForwardedChannels);
        processo.start(programa, cenario);
        processo.waitForFinished(-1);
        falhas += processo.exitCode() != 0 ? 1 : 0;
    }
    return falhas;
}

} // namespace

int main(int argc, char* argv[]) {
    const QGuiApplication aplicacao(argc, argv);
    const QStringList argumentos = QGuiApplication::arguments();
    if ((argumentos.size() == 4 || argumentos.size() == 5) &&
        argumentos[1] == QStringLiteral("pdf"))
        return medirPdf(argumentos[2].toInt(), argumentos[3].toInt(), argumentos.value(4).toInt());
    if (argumentos.size() == 3 && argumentos[1] == QStringLiteral("lote"))
        return medirLote(argumentos[2].toInt());
    return todos(QGuiApplication::applicationFilePath());
}
