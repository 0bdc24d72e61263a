#pragma once

#include "plataforma/relatorio/PaintReport.h"

#include <QString>

class QPrinter;

namespace plataforma::relatorio {

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

// Prints on the system's printer, set up by configurePrinter. Throws plataforma::Exception
// when no printer is installed.
RunSummary printOnSystemPrinter(Report& report);

} // namespace plataforma::relatorio
