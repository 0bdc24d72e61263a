#include "plataforma/relatorio/Paginator.h"

#include "plataforma/relatorio/Pipeline.h"
#include "plataforma/relatorio/Report.h"

#include <algorithm>
#include <array>
#include <optional>

namespace plataforma::relatorio {

namespace {

constexpr double MillimetresPerThousandth = 0.001;
// More than any paper can hold; a damaged template asking for millions stops here.
constexpr int MaxColumns = 1000;

// Thousandths of a millimetre, as templates store lengths: whether a band fits never depends on
// rounding. Wide enough that sums of a damaged template's lengths cannot overflow.
using Length = qint64;

// The report's page as the layout needs it, read anew for every page.
struct Geometry {
    Length paperWidth = 0;
    Length paperHeight = 0;
    MmMargins margins;
    Length columnWidth = 0;
    std::vector<Length> columnLefts;
    std::array<std::optional<Length>, 5> bandHeights; // by BandKind; empty for an absent band
    // From one detail band to the next: its height plus its bottom offset, never upwards.
    Length detailPitch = 0;
    ColumnTraversal traversal = ColumnTraversal::TopToBottom;

    Length height(BandKind kind) const { return bandHeights[static_cast<int>(kind)].value_or(0); }
    bool has(BandKind kind) const { return bandHeights[static_cast<int>(kind)].has_value(); }
    Length printableWidth() const { return paperWidth - margins.left - margins.right; }
};

Geometry readGeometry(Report& report) {
    Geometry g;
    PrinterSetup setup = report.printerSetup();
    g.paperWidth = setup.mmPaperWidth();
    g.paperHeight = setup.mmPaperHeight();
    g.margins = setup.margins();
    g.columnWidth = report.mmColumnWidth();
    const std::vector<int> positions = report.columnPositions();
    const int columns = std::clamp(report.columns(), 1, MaxColumns);
    for (int i = 0; i < columns; ++i) {
        g.columnLefts.push_back(i < static_cast<int>(positions.size())
                                    ? positions[static_cast<std::size_t>(i)]
                                    : g.margins.left + Length{i} * g.columnWidth);
    }
    for (const Band& band : report.bands()) {
        auto& height = g.bandHeights[static_cast<int>(band.kind())];
        if (height)
            continue;
        height = band.mmHeight();
        if (band.kind() == BandKind::Detail) {
            g.detailPitch = std::max<Length>(Length{band.mmHeight()} + band.mmBottomOffset(), 0);
            g.traversal = band.columnTraversal();
        }
    }
    return g;
}

QPointF point(Length x, Length y) {
    return QPointF(x * MillimetresPerThousandth, y * MillimetresPerThousandth);
}

QSizeF size(Length width, Length height) {
    return QSizeF(width * MillimetresPerThousandth, height * MillimetresPerThousandth);
}

// Fills one page with detail bands and notes which rows went to which column.
class PageBuilder {
public:
    PageBuilder(const Geometry& g, int firstRow, int rowCount)
        : m_g(g), m_nextRow(firstRow), m_rowCount(rowCount),
          m_columns(g.columnLefts.size(), {-1, -1}), m_labelsInColumn(g.columnLefts.size(), 0) {
        const MmMargins& m = g.margins;
        m_columnTop = Length{m.top} + g.height(BandKind::Header) + g.height(BandKind::ColumnHeader);
        m_columnBottom = g.paperHeight - m.bottom - g.height(BandKind::Footer) -
                         g.height(BandKind::ColumnFooter);
    }

    void placeDetails();
    Page page() const;
    int nextRow() const { return m_nextRow; }

private:
    // Whether a detail band at y fits, or must go in anyway as the first of its column or page.
    bool fits(Length y, bool first) const {
        return first || y + m_g.height(BandKind::Detail) <= m_columnBottom;
    }
    void placeDetail(int column, Length y);
    void add(std::vector<BandPlacement>& bands, BandKind kind, int row, int column, Length x,
             Length y, Length width, int pageRow = -1) const;

    const Geometry& m_g;
    int m_nextRow;
    int m_rowCount;
    Length m_columnTop = 0;
    Length m_columnBottom = 0;
    std::vector<BandPlacement> m_details;
    std::vector<std::pair<int, int>> m_columns; // first and last row of each column, -1 if none
    std::vector<int> m_labelsInColumn;
};

void PageBuilder::placeDetail(int column, Length y) {
    auto& [first, last] = m_columns[static_cast<std::size_t>(column)];
    if (first < 0)
        first = m_nextRow;
    last = m_nextRow;
    int& pageRow = m_labelsInColumn[static_cast<std::size_t>(column)];
    add(m_details, BandKind::Detail, m_nextRow, column,
        m_g.columnLefts[static_cast<std::size_t>(column)], y, m_g.columnWidth, pageRow++);
    ++m_nextRow;
}

void PageBuilder::placeDetails() {
    if (!m_g.has(BandKind::Detail)) {
        // Nowhere to print the rows: one page of header and footer.
        m_nextRow = m_rowCount;
        return;
    }
    const int columns = static_cast<int>(m_g.columnLefts.size());
    if (m_g.traversal == ColumnTraversal::LeftToRight) {
        for (Length y = m_columnTop; m_nextRow < m_rowCount && fits(y, y == m_columnTop);
             y += m_g.detailPitch) {
            for (int column = 0; column < columns && m_nextRow < m_rowCount; ++column)
                placeDetail(column, y);
        }
        return;
    }
    for (int column = 0; column < columns && m_nextRow < m_rowCount; ++column) {
        for (Length y = m_columnTop; m_nextRow < m_rowCount && fits(y, y == m_columnTop);
             y += m_g.detailPitch)
            placeDetail(column, y);
    }
}

void PageBuilder::add(std::vector<BandPlacement>& bands, BandKind kind, int row, int column,
                      Length x, Length y, Length width, int pageRow) const {
    if (m_g.has(kind))
        bands.push_back({kind, row, column, pageRow, point(x, y), size(width, m_g.height(kind))});
}

Page PageBuilder::page() const {
    const Geometry& g = m_g;
    const int firstRow = m_details.empty() ? -1 : m_details.front().row;
    const int lastRow = m_details.empty() ? -1 : m_details.back().row;
    const Length pageLeft = g.margins.left;
    const Length headerTop = g.margins.top;
    const Length columnHeaderTop = headerTop + g.height(BandKind::Header);
    const Length footerTop = g.paperHeight - g.margins.bottom - g.height(BandKind::Footer);
    const Length columnFooterTop = footerTop - g.height(BandKind::ColumnFooter);

    Page page{size(g.paperWidth, g.paperHeight), {}};
    std::vector<BandPlacement>& bands = page.bands;
    bands.reserve(m_details.size() + 2 * m_columns.size() + 2);
    add(bands, BandKind::Header, firstRow, -1, pageLeft, headerTop, g.printableWidth());
    for (std::size_t c = 0; c < m_columns.size(); ++c) {
        if (m_columns[c].first >= 0)
            add(bands, BandKind::ColumnHeader, m_columns[c].first, static_cast<int>(c),
                g.columnLefts[c], columnHeaderTop, g.columnWidth);
    }
    bands.insert(bands.end(), m_details.begin(), m_details.end());
    for (std::size_t c = 0; c < m_columns.size(); ++c) {
        if (m_columns[c].first >= 0)
            add(bands, BandKind::ColumnFooter, m_columns[c].second, static_cast<int>(c),
                g.columnLefts[c], columnFooterTop, g.columnWidth);
    }
    add(bands, BandKind::Footer, lastRow, -1, pageLeft, footerTop, g.printableWidth());
    return page;
}

} // namespace

Paginator::Paginator(Report& report) : m_report(report) {
    if (Pipeline* pipeline = report.pipeline()) {
        pipeline->open();
        m_rowCount = pipeline->rowCount();
    }
}

Page Paginator::nextPage() {
    m_report.raisePageRequest();
    const Geometry geometry = readGeometry(m_report);
    PageBuilder builder(geometry, m_nextRow, m_rowCount);
    builder.placeDetails();
    m_nextRow = builder.nextRow();
    ++m_pagesDone;
    return builder.page();
}

std::vector<Page> paginate(Report& report) {
    std::vector<Page> pages;
    Paginator paginator(report);
    while (paginator.hasNextPage())
        pages.push_back(paginator.nextPage());
    return pages;
}

} // namespace plataforma::relatorio
