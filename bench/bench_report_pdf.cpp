// Prints label batches of two gondola layouts to PDF the way the label program does, and shows
// labels per second, PDF bytes per page and the process's peak memory.

#include "modelos/fluxo/Construtor.h"
#include "plataforma/MemTable.h"
#include "plataforma/relatorio/MemTablePipeline.h"
#include "plataforma/relatorio/PdfOutput.h"
#include "plataforma/relatorio/Report.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>

using namespace plataforma::relatorio;
using namespace Qt::StringLiterals;

namespace {

constexpr int Labels = 10000;
const QString PipelineName = u"Selecionados"_s;
const QString PriceFormat = u"$#,0.00;($#,0.00)"_s;

fluxo::Fonte arial(int size, bool bold = false) {
    return {.nome = u"Arial"_s, .tamanho = size, .negrito = bold};
}

fluxo::Relatorio a4(int columns, std::vector<int> positions, int width, int top) {
    fluxo::Relatorio report;
    report.pararSozinho = false;
    report.pipeline = PipelineName;
    report.unidade = u"utMillimeters"_s;
    report.colunas = columns;
    report.posicoesDasColunas = std::move(positions);
    report.larguraDaColuna = width;
    report.pagina = {.papel = u"A4"_s,
                     .codigoDoPapel = 9,
                     .largura = 210000,
                     .altura = 297000,
                     .margemSuperior = top};
    return report;
}

fluxo::CodigoDeBarras ean13(fluxo::Caixa box, int barWidth, int ratio) {
    return {.nome = u"ppDBBarCode1"_s,
            .campo = u"CBARRAS"_s,
            .pipeline = PipelineName,
            .caixa = box,
            .fonte = {.nome = u"Courier New"_s, .tamanho = 8},
            .tipo = u"bcEAN_13"_s,
            .calcularDigito = false,
            .tamanhoAutomatico = false,
            .transparente = true,
            .larguraDaBarra = barWidth,
            .razaoDaBarraLarga = ratio};
}

// Three columns of eight gondola labels: a frame, the description, the price and the EAN-13.
fluxo::Objeto gondola3x8() {
    fluxo::Relatorio report = a4(3, {2000, 70666, 139332}, 68666, 1000);
    report.bandas = {
        {.tipo = fluxo::TipoDeBanda::CabecalhoDeColuna},
        {.tipo = fluxo::TipoDeBanda::Detalhe,
         .altura = 32808,
         .controles = {fluxo::Forma{.nome = u"ppShape1"_s, .caixa = {0, 0, 68792, 32544}},
                       fluxo::TextoDeDados{.nome = u"ppDBText1"_s,
                                           .campo = u"CDESCRICAO"_s,
                                           .pipeline = PipelineName,
                                           .caixa = {794, 2117, 67204, 10054},
                                           .fonte = arial(12),
                                           .alinhamento = u"taCentered"_s,
                                           .transparente = true,
                                           .quebraDeLinha = true},
                       fluxo::TextoDeDados{.nome = u"ppDBText2"_s,
                                           .campo = u"CPRECOPRAT"_s,
                                           .pipeline = PipelineName,
                                           .caixa = {36248, 17463, 24384, 7154},
                                           .fonte = arial(17, true),
                                           .tamanhoAutomatico = true,
                                           .formato = PriceFormat,
                                           .transparente = true},
                       ean13({0, 12965, 41275, 17992}, 330, 55880)}},
        {.tipo = fluxo::TipoDeBanda::RodapeDeColuna}};
    return fluxo::montar(report);
}

// Seven columns of eighteen small labels: description, price and EAN-13, left to right.
fluxo::Objeto gondola7x18() {
    fluxo::Relatorio report =
        a4(7, {7000, 35000, 63000, 91000, 119000, 147000, 175000}, 28000, 1000);
    report.bandas = {{.tipo = fluxo::TipoDeBanda::Cabecalho},
                     {.tipo = fluxo::TipoDeBanda::CabecalhoDeColuna},
                     {.tipo = fluxo::TipoDeBanda::Detalhe,
                      .altura = 16140,
                      .percursoDasColunas = u"ctLeftToRight"_s,
                      .controles = {fluxo::TextoDeDados{.nome = u"ppDBText1"_s,
                                                        .campo = u"CDESCRICAO"_s,
                                                        .pipeline = PipelineName,
                                                        .caixa = {1588, 1058, 25135, 6085},
                                                        .fonte = arial(6, true),
                                                        .alinhamento = u"taCentered"_s,
                                                        .transparente = true,
                                                        .quebraDeLinha = true},
                                    fluxo::TextoDeDados{.nome = u"ppDBText2"_s,
                                                        .campo = u"CPRECO"_s,
                                                        .pipeline = PipelineName,
                                                        .caixa = {9790, 6085, 8636, 2582},
                                                        .fonte = arial(6, true),
                                                        .tamanhoAutomatico = true,
                                                        .formato = PriceFormat,
                                                        .transparente = true},
                                    ean13({4498, 8731, 19315, 6879}, 150, 76200)}},
                     {.tipo = fluxo::TipoDeBanda::RodapeDeColuna},
                     {.tipo = fluxo::TipoDeBanda::Rodape}};
    return fluxo::montar(report);
}

QString ean(int product) {
    const QString digits = u"789%1"_s.arg(product, 9, 10, QChar(u'0'));
    int sum = 0;
    for (qsizetype i = 0; i < digits.size(); ++i)
        sum += (digits[i].unicode() - u'0') * (i % 2 ? 3 : 1);
    return digits + QChar(u'0' + (10 - sum % 10) % 10);
}

// A label batch: each product's copies next to each other.
void fill(plataforma::MemTable& table, int copies) {
    static const char* const names[] = {
        "DIPIRONA SODICA 500MG 10 COMPRIMIDOS", "PARACETAMOL 750MG", "SHAMPOO ANTICASPA 200ML",
        "VITAMINA C EFERVESCENTE 1G 10 COMPRIMIDOS", "ESCOVA DENTAL MACIA"};
    table.close();
    table.open();
    for (int i = 0; i < Labels; ++i) {
        const int product = i / copies;
        table.append();
        table.setString("CBARRAS", ean(product));
        table.setString("CDESCRICAO",
                        u"%1 %2"_s.arg(QLatin1StringView(names[product % 5])).arg(product));
        table.setFloat("CPRECO", 3.5 + product % 400 * 0.25);
        table.setFloat("CPRECOPRAT", 2.99 + product % 300 * 0.5);
        table.post();
    }
}

struct Figures {
    double perSecond = 0;    // labels per second of elapsed time
    double perCpuSecond = 0; // labels per second of processor time
    int pages = 0;
    double bytesPerPage = 0;
};

double cpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec + now.tv_nsec / 1e9;
}

// The best of three runs: other work on the machine only ever slows a run down. Processor time
// shows the engine's own cost when the machine is busy with something else.
Figures measure(Report& report, const QString& path) {
    Figures best;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer timer;
        timer.start();
        const double cpuStart = cpuSeconds();
        const RunSummary summary = writePdf(report, path);
        const double cpu = cpuSeconds() - cpuStart;
        best.perSecond = std::max(best.perSecond, Labels / (timer.nsecsElapsed() / 1e9));
        best.perCpuSecond = std::max(best.perCpuSecond, Labels / cpu);
        best.pages = summary.pages;
        best.bytesPerPage = double(QFileInfo(path).size()) / summary.pages;
    }
    return best;
}

long peakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    plataforma::MemTable table;
    table.addField("CBARRAS", plataforma::FieldType::Text, 13);
    table.addField("CDESCRICAO", plataforma::FieldType::Text, 60);
    table.addField("CPRECO", plataforma::FieldType::Money).setDisplayFormat(u"###,###,##0.00"_s);
    table.addField("CPRECOPRAT", plataforma::FieldType::Money)
        .setDisplayFormat(u"###,###,##0.00"_s);
    MemTablePipeline pipeline(PipelineName, table);
    PipelineRegistry pipelines;
    pipelines.add(pipeline);

    const std::pair<const char*, fluxo::Objeto> layouts[] = {{"3 x 8 A4", gondola3x8()},
                                                             {"7 x 18 A4", gondola7x18()}};
    std::printf("%-10s %-22s %10s %14s %6s %11s\n", "layout", "batch", "labels/s", "labels/CPU s",
                "pages", "bytes/page");
    for (const auto& [name, layout] : layouts) {
        Report report;
        report.setLayout(layout);
        report.setPipelines(&pipelines);
        for (int copies : {1, 5, 100}) {
            fill(table, copies);
            const Figures figures = measure(report, dir.filePath(u"etiquetas.pdf"_s));
            const QString batch = u"%1 products x %2"_s.arg(Labels / copies).arg(copies);
            std::printf("%-10s %-22s %10.0f %14.0f %6d %11.0f\n", name, qPrintable(batch),
                        figures.perSecond, figures.perCpuSecond, figures.pages,
                        figures.bytesPerPage);
        }
    }
    std::printf("peak memory: %.1f MB\n", peakKilobytes() / 1024.0);
    return 0;
}
