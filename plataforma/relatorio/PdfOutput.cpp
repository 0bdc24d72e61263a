#include "plataforma/relatorio/PdfOutput.h"

#include "plataforma/Errors.h"
#include "plataforma/relatorio/Document.h"
#include "plataforma/relatorio/Report.h"

#include <QDir>
#include <QPdfWriter>
#include <QSaveFile>
#include <functional>

namespace plataforma::relatorio {

using namespace Qt::StringLiterals;

namespace {

constexpr int Resolution = 1200;

RunSummary writeWith(Report& report, const QString& path,
                     const std::function<RunSummary(QPdfWriter&)>& paint) {
    const QString shown = QDir::toNativeSeparators(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw fileCreationError(shown, file.errorString());
    RunSummary summary;
    {
        QPdfWriter writer(&file);
        writer.setResolution(Resolution);
        writer.setPageLayout(pageLayoutOf(report));
        writer.setTitle(report.printerSetup().documentName());
        writer.setCreator(u"Etiquetas"_s);
        summary = paint(writer);
    }
    if (!file.commit())
        throw fileCreationError(shown, file.errorString());
    return summary;
}

} // namespace

RunSummary writePdf(Report& report, const QString& path) {
    return writeWith(report, path,
                     [&report](QPdfWriter& writer) { return paintReport(report, writer); });
}

RunSummary writePdf(Document& document, const QString& path) {
    return writeWith(document.report(), path,
                     [&document](QPdfWriter& writer) { return paintDocument(document, writer); });
}

} // namespace plataforma::relatorio
