#include "plataforma/relatorio/PrinterOutput.h"

#include "plataforma/Exception.h"
#include "plataforma/relatorio/PrinterResolution.h"
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

int outputResolution(const QPrinter& printer) {
    // A print dialog may send the job to a file instead, which keeps exact vectors.
    const bool queue =
        printer.outputFormat() == QPrinter::NativeFormat && printer.outputFileName().isEmpty();
    return queue ? printerResolution(printer.printerName()) : 0;
}

RunSummary print(Report& report, QPrinter& printer) {
    printer.setFullPage(true);
    return paintReport(report, printer, outputResolution(printer));
}

RunSummary print(Document& document, QPrinter& printer) {
    printer.setFullPage(true);
    return paintDocument(document, printer);
}

QString describeJob(const PrintJob& job) {
    return job.id == 0 ? QString() : u"Trabalho %1 enviado para %2"_s.arg(job.id).arg(job.queue);
}

#ifdef Q_OS_WIN
QString checkPrinter(const QPrinter&) {
    return {};
}
#else
QString checkPrinter(const QPrinter& printer) {
    return printer.outputFileName().isEmpty() ? checkQueue(printer.printerName()) : QString();
}
#endif

namespace {

#ifdef Q_OS_WIN
template <typename Source> PrintJob printThroughSpooler(Source& source, QPrinter& printer) {
    return {print(source, printer), 0, printer.printerName(), {}};
}
#else
RunSummary writeForQueue(Report& report, const QString& pdf, const QPrinter& printer) {
    return writePdf(report, pdf, outputResolution(printer));
}

// A document is laid out for its printer's resolution already.
RunSummary writeForQueue(Document& document, const QString& pdf, const QPrinter&) {
    return writePdf(document, pdf);
}

// Qt's print engine does not hand the spooler's answer back, so the pages are rendered to a
// PDF that goes to the queue through the scheduler's own library.
template <typename Source> PrintJob printThroughSpooler(Source& source, QPrinter& printer) {
    if (!printer.outputFileName().isEmpty())
        return {print(source, printer), 0, printer.printerName(), {}};
    const QString queue = printer.printerName();
    PrintJob job;
    job.queue = queue;
    job.warning = checkPrinter(printer);
    QTemporaryDir folder;
    if (!folder.isValid())
        throw Exception(u"Pasta temporária para a impressão: %1."_s.arg(folder.errorString()));
    const QString pdf = folder.filePath(u"etiquetas.pdf"_s);
    job.summary = writeForQueue(source, pdf, printer);
    const QSizeF paper = printer.pageLayout().fullRect(QPageLayout::Millimeter).size();
    job.id = submitPdf(queue, pdf, printer.docName(), printer.copyCount(), paper);
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

} // namespace plataforma::relatorio
