#include "plataforma/relatorio/PrinterOutput.h"

#include "plataforma/Exception.h"
#include "plataforma/relatorio/Report.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace plataforma::relatorio {

using namespace Qt::StringLiterals;

void configurePrinter(Report& report, QPrinter& printer) {
    PrinterSetup setup = report.printerSetup();
    QPrinterInfo target = QPrinterInfo::printerInfo(setup.printerName());
    if (target.isNull())
        target = QPrinterInfo::defaultPrinter();
    if (!target.isNull())
        printer.setPrinterName(target.printerName());
    printer.setDocName(setup.documentName());
    const QPageLayout layout = pageLayoutOf(report);
    // A printer may refuse the whole layout over its margins; size and orientation are what
    // place the labels.
    if (!printer.setPageLayout(layout)) {
        printer.setPageSize(layout.pageSize());
        printer.setPageOrientation(layout.orientation());
    }
}

RunSummary print(Report& report, QPrinter& printer) {
    printer.setFullPage(true);
    return paintReport(report, printer);
}

RunSummary print(Document& document, QPrinter& printer) {
    printer.setFullPage(true);
    return paintDocument(document, printer);
}

RunSummary printOnSystemPrinter(Report& report) {
    if (QPrinterInfo::availablePrinterNames().isEmpty())
        throw Exception(u"Nenhuma impressora está instalada."_s);
    QPrinter printer(QPrinter::HighResolution);
    configurePrinter(report, printer);
    return print(report, printer);
}

} // namespace plataforma::relatorio
