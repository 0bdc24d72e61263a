#pragma once

#include "plataforma/relatorio/Page.h"

namespace plataforma::relatorio {

class Report;

// Lays a report's data rows out on pages, one page at a time.
//
// A page has the header band at the top of its printable area and the footer band at the
// bottom. Columns stand where the template's column positions put them, measured from the
// paper's left edge, even inside a margin or past the paper's edge; without positions the
// first column starts at the left margin and each next one a column width further. Each column
// used on a page gets the column header below the header band and the column footer above the
// footer band. Between them, one detail band per row, each followed by the band's bottom
// offset, down each column before the next (top to bottom) or across each row of columns
// before the next row (left to right). A detail band that does not fit in the room left goes
// to the next column or page; the first one of a column or page always goes in, so that a band
// taller than the page cannot stall the run.
class Paginator {
public:
    // Opens the report's pipeline and counts its rows; a report without a pipeline has none.
    explicit Paginator(Report& report);

    // There is always at least one page, even without rows.
    bool hasNextPage() const { return m_pagesDone == 0 || m_nextRow < m_rowCount; }
    // Raises the page-request event, then lays the page out with the settings and band heights
    // as the handler left them. What the handler throws goes to the caller and no page is
    // produced.
    Page nextPage();

    int rowCount() const { return m_rowCount; }

private:
    Report& m_report;
    int m_rowCount = 0;
    int m_nextRow = 0;
    int m_pagesDone = 0;
};

// Every page of the report, laid out one after the other by a Paginator.
std::vector<Page> paginate(Report& report);

} // namespace plataforma::relatorio
