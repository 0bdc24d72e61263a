#include "plataforma/relatorio/designer/PaperSizes.h"

#include <array>
#include <cstdlib>

namespace plataforma::relatorio {

using namespace Qt::StringLiterals;

std::span<const PaperSize> standardPapers() {
    static const std::array papers{
        PaperSize{u"A4"_s, u"A4"_s, 9, 210000, 297000},
        PaperSize{u"A5"_s, u"A5"_s, 11, 148000, 210000},
        PaperSize{u"A3"_s, u"A3"_s, 8, 297000, 420000},
        PaperSize{u"Carta"_s, u"Letter"_s, 1, 215900, 279400},
        PaperSize{u"Ofício"_s, u"Legal"_s, 5, 215900, 355600},
    };
    return papers;
}

const PaperSize* matchPaper(int width, int height) {
    constexpr int Slack = 500;
    const auto near = [](int a, int b) {
        return std::abs(a - b) <= Slack;
    };
    for (const PaperSize& paper : standardPapers()) {
        if ((near(paper.width, width) && near(paper.height, height)) ||
            (near(paper.width, height) && near(paper.height, width)))
            return &paper;
    }
    return nullptr;
}

} // namespace plataforma::relatorio
