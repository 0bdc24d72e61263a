#include "plataforma/relatorio/FieldBinding.h"

#include "plataforma/relatorio/Control.h"
#include "plataforma/relatorio/Pipeline.h"
#include "plataforma/relatorio/Problems.h"
#include "plataforma/relatorio/Report.h"

namespace plataforma::relatorio {

using namespace Qt::StringLiterals;

FieldBinding::FieldBinding(Report& report, const Control& control, ProblemList& problems) {
    const QString pipelineName = control.dataPipelineName();
    const QString field = control.dataField();
    Pipeline* pipeline = report.pipelineNamed(pipelineName);
    if (pipeline == nullptr) {
        problems.add({-1, control.name(), pipelineName,
                      u"O pipeline de dados \"%1\" não foi encontrado."_s.arg(pipelineName)});
        return;
    }
    pipeline->open();
    m_field = pipeline->fieldIndex(field);
    if (m_field < 0) {
        problems.add({-1, control.name(), field,
                      u"O campo \"%1\" não existe no pipeline \"%2\"."_s.arg(field, pipelineName)});
        return;
    }
    m_pipeline = pipeline;
    const QString format = control.displayFormat();
    if (format.isEmpty())
        return;
    switch (pipeline->fieldType(m_field)) {
    case FieldType::Integer:
    case FieldType::Money:
        m_format = NumberFormat(format);
        break;
    case FieldType::Date:
        m_format = DateFormat(format);
        break;
    case FieldType::Text:
        m_format = EditMask(format);
        break;
    case FieldType::Blob:
        break;
    }
}

FieldValue FieldBinding::value(int row) const {
    if (m_pipeline == nullptr || row < 0 || row >= m_pipeline->rowCount())
        return {};
    return m_pipeline->value(row, m_field);
}

QString FieldBinding::text(int row, const FieldValue& value) const {
    if (m_pipeline == nullptr || std::holds_alternative<std::monostate>(value))
        return {};
    if (std::holds_alternative<std::monostate>(m_format))
        return m_pipeline->displayText(row, m_field);
    if (const auto* number = std::get_if<NumberFormat>(&m_format)) {
        if (const auto* money = std::get_if<Money>(&value))
            return number->format(*money);
        if (const auto* integer = std::get_if<qint32>(&value))
            return number->format(qint64{*integer});
    }
    if (const auto* date = std::get_if<DateFormat>(&m_format);
        date && std::holds_alternative<Date>(value))
        return date->format(std::get<Date>(value));
    if (const auto* mask = std::get_if<EditMask>(&m_format);
        mask && std::holds_alternative<QString>(value))
        return mask->format(std::get<QString>(value));
    return m_pipeline->displayText(row, m_field);
}

} // namespace plataforma::relatorio
