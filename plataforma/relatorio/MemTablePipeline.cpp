#include "plataforma/relatorio/MemTablePipeline.h"

namespace plataforma::relatorio {

void MemTablePipeline::open() {
    if (!m_table.isOpen())
        m_table.open();
}

QString MemTablePipeline::displayFormat(int field) const {
    return m_table.field(field).displayFormat();
}

QString MemTablePipeline::displayText(int row, int field) const {
    return m_table.displayText(row, field);
}

} // namespace plataforma::relatorio
