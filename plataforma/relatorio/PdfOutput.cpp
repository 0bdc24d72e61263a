#include "plataforma/relatorio/PdfOutput.h"

#include "plataforma/Errors.h"
#include "plataforma/relatorio/Report.h"

#include <QDir>
#include <QPdfWriter>
#include <QSaveFile>

namespace plataforma::relatorio {

using namespace Qt::StringLiterals;

namespace {

constexpr int Resolution = 1200;

} // namespace

RunSummary writePdf(Report& report, const QString& path, int resolution) {
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
        summary = paintReport(report, writer, resolution);
    }
    if (!file.commit())
        throw fileCreationError(shown, file.errorString());
    return summary;
}

} // namespace plataforma::relatorio
