#pragma once

#include <QString>
#include <span>

namespace plataforma::relatorio {

// A standard paper an operator can pick; lengths in thousandths of a millimetre, portrait.
struct PaperSize {
    QString displayName; // "Carta"
    QString paperName;   // what the template records, "Letter"
    int code;            // the Windows paper code
    int width;
    int height;
};

std::span<const PaperSize> standardPapers();

// The standard paper of that size, either way round (within half a millimetre, as templates
// saved for one printer round A4 a little), or null.
const PaperSize* matchPaper(int width, int height);

} // namespace plataforma::relatorio
