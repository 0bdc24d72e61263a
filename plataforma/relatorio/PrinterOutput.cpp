#include "plataforma/relatorio/PrinterOutput.h"

#include "plataforma/Exception.h"
#include "plataforma/relatorio/PrinterResolution.h"
#include "plataforma/relatorio/Report.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace plataforma::relatorio {

using namespace Qt::StringLiterals;

QString chosenPrinter(Report& report) {
    QPrinterInfo target = QPrinterInfo::printerInfo(report.printerSetup().printerName());
    if (target.isNull())
        target = QPrinterInfo::defaultPrinter();
    return target.printerName();
}

void configurePrinter(Report& report, QPrinter& printer) {
    PrinterSetup setup = report.printerSetup();
    if (const QString target = chosenPrinter(report); !target.isEmpty())
        printer.setPrinterName(target);
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
    // A print dialog may send the job to a file instead, which keeps exact vectors.
    const bool queue = printer.outputFormat() == QPrinter::NativeFormat;
    return paintReport(report, printer, queue ? printerResolution(printer.printerName()) : 0);
}

RunSummary printOnSystemPrinter(Report& report) {
    if (QPrinterInfo::availablePrinterNames().isEmpty())
        throw Exception(u"Nenhuma impressora está instalada."_s);
    QPrinter printer(QPrinter::HighResolution);
    configurePrinter(report, printer);
    return print(report, printer);
}

} // namespace plataforma::relatorio
