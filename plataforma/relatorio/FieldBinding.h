#pragma once

#include "plataforma/DateFormat.h"
#include "plataforma/FieldValue.h"
#include "plataforma/NumberFormat.h"
#include "plataforma/relatorio/EditMask.h"

#include <QString>
#include <variant>

namespace plataforma::relatorio {

class Control;
class Pipeline;
class ProblemList;
class Report;

// Where a data control takes its value from, and how that value shows.
class FieldBinding {
public:
    // Finds the control's pipeline by name and its field in it, opening the pipeline. A missing
    // pipeline or field is reported once; the control then prints nothing.
    FieldBinding(Report& report, const Control& control, ProblemList& problems);

    bool isBound() const { return m_pipeline != nullptr; }
    // Null when unbound or past the pipeline's last row.
    FieldValue value(int row) const;
    // The value of the row through the control's display format: a number or money format, a
    // date format, or an edit mask for a text field; through the field's own display format
    // when the control has none. A null value shows as nothing.
    QString text(int row, const FieldValue& value) const;

private:
    Pipeline* m_pipeline = nullptr;
    int m_field = -1;
    std::variant<std::monostate, NumberFormat, DateFormat, EditMask> m_format;
};

} // namespace plataforma::relatorio
