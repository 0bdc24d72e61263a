#include "plataforma/relatorio/PdfOutput.h"

#include "plataforma/ReplaceFile.h"
#include "plataforma/relatorio/Document.h"
#include "plataforma/relatorio/Report.h"

#include <QBuffer>
#include <QPdfWriter>
#include <functional>

namespace plataforma::relatorio {

using namespace Qt::StringLiterals;

namespace {

constexpr int Resolution = 1200;

RunSummary writeWith(Report& report, const QString& path,
                     const std::function<RunSummary(QPdfWriter&)>& paint) {
    // Made whole in memory first, so that an abandoned run leaves the file untouched.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    RunSummary summary;
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(Resolution);
        writer.setPageLayout(pageLayoutOf(report));
        writer.setTitle(report.printerSetup().documentName());
        writer.setCreator(u"Etiquetas"_s);
        summary = paint(writer);
    }
    replaceFile(path, pdf.data());
    return summary;
}

} // namespace

RunSummary writePdf(Report& report, const QString& path, int resolution) {
    return writeWith(report, path, [&report, resolution](QPdfWriter& writer) {
        return paintReport(report, writer, resolution);
    });
}

RunSummary writePdf(Document& document, const QString& path) {
    return writeWith(document.report(), path,
                     [&document](QPdfWriter& writer) { return paintDocument(document, writer); });
}

} // namespace plataforma::relatorio
