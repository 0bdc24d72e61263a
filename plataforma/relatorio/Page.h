#pragma once

#include "plataforma/relatorio/Band.h"

#include <QPointF>
#include <QSizeF>
#include <vector>

namespace plataforma::relatorio {

// One printing of a band on a page. Lengths are in millimetres from the paper's top-left
// corner.
struct BandPlacement {
    BandKind kind;
    // The data row the band prints: its own for a detail band; for the others the first row
    // below a header and the last row above a footer on the page or in the column. -1 when the
    // page or column holds no row.
    int row;
    int column; // -1 for the page's header and footer
    // For a detail band, its row of labels on the page, counted from 0 in its column; -1 for
    // the other bands.
    int pageRow;
    QPointF origin;
    QSizeF size; // as the band was when the page was laid out
};

// A page as a cheap descriptor: which band prints where, for which row. Drawing happens later,
// page by page, from these.
struct Page {
    QSizeF paperSize; // millimetres, as printed: wider than high for landscape paper
    std::vector<BandPlacement> bands; // in drawing order
};

} // namespace plataforma::relatorio
