// Opens raw bytes as a report template and, when they are one, lays out and draws its first
// pages for three label rows, on an image and into a PDF. A damaged template may be refused or
// print nothing, but it must never crash, hang or grow without bound.
#include "plataforma/Exception.h"
#include "plataforma/MemTable.h"
#include "plataforma/relatorio/MemTablePipeline.h"
#include "plataforma/relatorio/PageRenderer.h"
#include "plataforma/relatorio/Paginator.h"
#include "plataforma/relatorio/Report.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <cstdint>
#include <cstdlib>

using namespace plataforma::relatorio;
using namespace Qt::StringLiterals;

namespace {

constexpr int PagesDrawn = 3;

struct Labels {
    Labels() {
        table.addField("CBARRAS", plataforma::FieldType::Text, 13);
        table.addField("CDESCRICAO", plataforma::FieldType::Text, 60);
        table.addField("CPRECO", plataforma::FieldType::Money)
            .setDisplayFormat(u"###,###,##0.00"_s);
        table.open();
        for (const QString& barcode : {u"7891000000014"_s, u"123"_s, QString()}) {
            table.append();
            table.setString("CBARRAS", barcode);
            table.setString("CDESCRICAO", u"DIPIRONA SODICA 500MG 10 COMPRIMIDOS"_s);
            table.setFloat("CPRECO", 12.5);
            table.post();
        }
        registry.add(pipeline);
    }

    plataforma::MemTable table;
    MemTablePipeline pipeline{u"Selecionados"_s, table};
    PipelineRegistry registry;
};

void draw(Report& report) {
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(72);
    QPainter onPdf(&writer);
    onPdf.scale(72 / 25.4, 72 / 25.4);
    QImage image(200, 280, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter onImage(&image);
    onImage.scale(0.9, 0.9);

    Paginator paginator(report);
    PageRenderer renderer(report);
    for (int page = 0; page < PagesDrawn && paginator.hasNextPage(); ++page) {
        const Page laidOut = paginator.nextPage();
        renderer.render(onPdf, laidOut);
        renderer.render(onImage, laidOut);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Labels labels;
    Report report;
    try {
        report.loadFromStream(QByteArrayView(data, static_cast<qsizetype>(size)), u"fuzz"_s);
    } catch (const plataforma::Exception&) {
        return 0;
    }
    report.setPipelines(&labels.registry);
    draw(report);
    return 0;
}
