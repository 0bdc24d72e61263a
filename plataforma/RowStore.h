#pragma once

#include "FieldValue.h"

#include <memory>
#include <vector>

namespace plataforma {

// The rows of a MemTable, kept in blocks so that growing the table never moves
// or copies the rows already stored.
class RowStore {
public:
    // Fields per row; set while the store is empty.
    void setWidth(int fields) { m_width = fields; }

    int rowCount() const { return m_rows; }
    void clear();
    // Adds a row of empty values.
    void appendRow();
    void removeLastRow();

    FieldValue* row(int index) { return rowStart(index); }
    const FieldValue* row(int index) const { return rowStart(index); }

private:
    static constexpr int RowsPerBlock = 4096;

    FieldValue* rowStart(int index) const {
        return m_blocks[static_cast<std::size_t>(index / RowsPerBlock)].get() +
               static_cast<std::ptrdiff_t>(index % RowsPerBlock) * m_width;
    }

    int m_width = 0;
    int m_rows = 0;
    std::vector<std::unique_ptr<FieldValue[]>> m_blocks;
};

} // namespace plataforma
