#include "plataforma/relatorio/PrinterOutput.h"

#include "plataforma/Exception.h"
#include "plataforma/relatorio/Report.h"

#include <QPrinter>
#include <QPrinterInfo>

#ifndef Q_OS_WIN
#include "plataforma/relatorio/CupsQueue.h"
#include "plataforma/relatorio/PdfOutput.h"

#include <QTemporaryDir>
#endif

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

QString describeJob(const PrintJob& job) {
    return job.id == 0 ? QString() : u"Trabalho %1 enviado para %2"_s.arg(job.id).arg(job.queue);
}

namespace {

#ifdef Q_OS_WIN
template <typename Source> PrintJob printThroughSpooler(Source& source, QPrinter& printer) {
    return {print(source, printer), 0, printer.printerName(), {}};
}
#else
// Qt's print engine does not hand the spooler's answer back, so the pages are rendered to a
// PDF that goes to the queue through the scheduler's own library.
template <typename Source> PrintJob printThroughSpooler(Source& source, QPrinter& printer) {
    if (!printer.outputFileName().isEmpty())
        return {print(source, printer), 0, printer.printerName(), {}};
    const QString queue = printer.printerName();
    PrintJob job;
    job.queue = queue;
    job.warning = checkQueue(queue);
    QTemporaryDir folder;
    if (!folder.isValid())
        throw Exception(u"Pasta temporária para a impressão: %1."_s.arg(folder.errorString()));
    const QString pdf = folder.filePath(u"etiquetas.pdf"_s);
    job.summary = writePdf(source, pdf);
    job.id = submitPdf(queue, pdf, printer.docName(), printer.copyCount());
    return job;
}
#endif

} // namespace

PrintJob printJob(Report& report, QPrinter& printer) {
    return printThroughSpooler(report, printer);
}

PrintJob printJob(Document& document, QPrinter& printer) {
    return printThroughSpooler(document, printer);
}

RunSummary printOnSystemPrinter(Report& report) {
    if (QPrinterInfo::availablePrinterNames().isEmpty())
        throw Exception(u"Nenhuma impressora está instalada."_s);
    QPrinter printer(QPrinter::HighResolution);
    configurePrinter(report, printer);
    return print(report, printer);
}

} // namespace plataforma::relatorio
