#pragma once

#include "plataforma/Field.h"
#include "plataforma/FieldValue.h"

#include <QString>
#include <QStringView>

namespace plataforma::relatorio {

// Feeds a report from a data set: every field of the data set under its name, and its rows
// from the first to the last. Rows are read by their 0-based position, so a report can walk
// them, go back to the rows of any page it renders again, and never move the data set's own
// cursor (a grid showing the data set keeps its current row while the report prints).
class Pipeline {
public:
    explicit Pipeline(QString name) : m_name(std::move(name)) {}
    virtual ~Pipeline() = default;
    Pipeline(const Pipeline&) = delete;
    Pipeline& operator=(const Pipeline&) = delete;

    // The name by which templates refer to the pipeline ("Selecionados").
    const QString& name() const { return m_name; }

    // Opens the data set if it is closed; a report calls it before it walks the rows.
    virtual void open() = 0;
    virtual int rowCount() const = 0;

    virtual int fieldCount() const = 0;
    virtual QString fieldName(int field) const = 0;
    // The field of that name, compared without regard to case; -1 when there is none.
    virtual int fieldIndex(QStringView name) const = 0;
    virtual FieldType fieldType(int field) const = 0;
    // The data set's own display format of the field ("###,###,##0.00"), maybe empty.
    virtual QString displayFormat(int field) const = 0;

    // The typed value, and the text the data set shows for it through its display format.
    virtual FieldValue value(int row, int field) const = 0;
    virtual QString displayText(int row, int field) const = 0;

private:
    QString m_name;
};

} // namespace plataforma::relatorio
