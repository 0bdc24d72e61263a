#pragma once

#include "plataforma/relatorio/PaintReport.h"

#include <QString>

class QPrinter;

namespace plataforma::relatorio {

class Document;
class Report;

// The system printer the report prints on: the one the template names when the system has one
// by that name, the default printer otherwise; empty when there is none.
QString chosenPrinter(Report& report);

// Sets a printer up for the report: the printer the template names when the system has one by
// that name, the default printer otherwise; the template's document name, paper size (a label
// roll's custom size too) and orientation.
void configurePrinter(Report& report, QPrinter& printer);

// Prints every page of the report on a printer as it is set up (by configurePrinter, a print
// dialog or both), placing everything from the paper's corner, bar codes on the dots of the
// printer's resolution. The page-request event runs
// before each page is laid out; what it throws goes to the caller (a SilentAbort abandons the
// run) before anything reaches the printer.
RunSummary print(Report& report, QPrinter& printer);
// The resolution, in dots per inch, that pages for this printer are drawn at: its queue's, or 0
// (exact vectors) when it writes a file.
int outputResolution(const QPrinter& printer);
// The same for a document laid out and checked already.
RunSummary print(Document& document, QPrinter& printer);

// A run handed to a printer.
struct PrintJob {
    RunSummary summary;
    int id = 0;      // the spooler's job id; 0 where the spooler gives none back (Windows)
    QString queue;   // the queue that holds the job
    QString warning; // the queue's state when the job will wait there; empty otherwise
};

// Makes sure, before anything is laid out for it, that the printer's queue exists and takes
// jobs: throws plataforma::Exception with the spooler's reason when it does not. Returns a
// warning for the operator when the queue holds jobs without printing them (stopped or
// paused); empty otherwise, and for a printer that writes a file or a spooler that says nothing
// (Windows).
QString checkPrinter(const QPrinter& printer);

// "Trabalho N enviado para FILA" for a job the spooler took; empty when it gave no id.
QString describeJob(const PrintJob& job);

// Prints the report on a printer as it is set up, and returns once the spooler holds the job.
// With CUPS the pages go to the printer's queue as a PDF with the printer's copy count: the
// queue is checked before anything is rendered, and a queue that is missing or refuses the job
// throws plataforma::Exception with the scheduler's reason, so that no job counts as printed
// unless the spooler took it. On Windows, or when the printer writes a file, the pages go
// through the printer itself, as print() does.
PrintJob printJob(Report& report, QPrinter& printer);
// The same for a document laid out and checked already.
PrintJob printJob(Document& document, QPrinter& printer);

} // namespace plataforma::relatorio
