#include "plataforma/relatorio/PdfOutput.h"

#include "plataforma/ReplaceFile.h"
#include "plataforma/relatorio/Report.h"

#include <QBuffer>
#include <QPdfWriter>

namespace plataforma::relatorio {

using namespace Qt::StringLiterals;

namespace {

constexpr int Resolution = 1200;

} // namespace

RunSummary writePdf(Report& report, const QString& path) {
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
        summary = paintReport(report, writer);
    }
    replaceFile(path, pdf.data());
    return summary;
}

} // namespace plataforma::relatorio
