#include "RowStore.h"

#include <algorithm>

namespace plataforma {

void RowStore::clear() {
    m_blocks.clear();
    m_rows = 0;
}

void RowStore::appendRow() {
    if (m_rows % RowsPerBlock == 0)
        m_blocks.push_back(std::make_unique<FieldValue[]>(static_cast<std::size_t>(RowsPerBlock) *
                                                          static_cast<std::size_t>(m_width)));
    ++m_rows;
}

void RowStore::removeLastRow() {
    --m_rows;
    if (m_rows % RowsPerBlock == 0) {
        m_blocks.pop_back();
        return;
    }
    FieldValue* values = rowStart(m_rows);
    std::fill(values, values + m_width, FieldValue());
}

} // namespace plataforma
