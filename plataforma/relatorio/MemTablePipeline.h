#pragma once

#include "plataforma/MemTable.h"
#include "plataforma/relatorio/Pipeline.h"

namespace plataforma::relatorio {

// A pipeline over an in-memory table, which it observes and never owns.
class MemTablePipeline : public Pipeline {
public:
    MemTablePipeline(QString name, MemTable& table) : Pipeline(std::move(name)), m_table(table) {}

    void open() override;
    int rowCount() const override { return m_table.rowCount(); }
    int fieldCount() const override { return m_table.fieldCount(); }
    QString fieldName(int field) const override { return m_table.field(field).name(); }
    int fieldIndex(QStringView name) const override { return m_table.fieldIndex(name); }
    FieldType fieldType(int field) const override { return m_table.field(field).type(); }
    QString displayFormat(int field) const override;
    FieldValue value(int row, int field) const override { return m_table.value(row, field); }
    QString displayText(int row, int field) const override;

private:
    MemTable& m_table;
};

} // namespace plataforma::relatorio
