#pragma once

#include <QString>

namespace plataforma::relatorio {

// The resolution a system printer prints at, in dots per inch, as its queue says: the default
// its driver is set to (for a label printer, its print head's dots). 0 when there is no such
// printer or its queue does not say.
int printerResolution(const QString& printerName);

} // namespace plataforma::relatorio
