#include "plataforma/relatorio/Preflight.h"

#include "plataforma/relatorio/Pipeline.h"
#include "plataforma/relatorio/Report.h"

namespace plataforma::relatorio {

using namespace Qt::StringLiterals;

namespace {

constexpr double Slack = 0.001;

int fieldIn(const Pipeline* pipeline, const QString& name) {
    return pipeline && !name.isEmpty() ? pipeline->fieldIndex(name) : -1;
}

} // namespace

Preflight::Preflight(Report& report, ProblemList& problems)
    : m_problems(problems), m_pipeline(report.pipeline()),
      m_codeField(fieldIn(m_pipeline, report.labelRules().codeField)),
      m_descriptionField(fieldIn(m_pipeline, report.labelRules().descriptionField)) {}

void Preflight::setLabel(int page, const BandPlacement& band, QSizeF paper) {
    m_position = {page, band.pageRow, band.column};
    m_row = band.row;
    m_label = QRectF(band.origin, band.size);
    m_paper = QRectF(QPointF(), paper);
}

bool Preflight::inside(const QRectF& inner, const QRectF& outer) {
    return outer.adjusted(-Slack, -Slack, Slack, Slack).contains(inner);
}

void Preflight::report(const QString& control, const QString& data, const QString& reason) {
    const auto text = [this](int field) {
        return field >= 0 && m_row >= 0 ? m_pipeline->displayText(m_row, field) : QString();
    };
    m_problems.add(
        {m_row, control, data, reason, m_position, text(m_codeField), text(m_descriptionField)});
}

void Preflight::checkOnPaper(const QString& control, const QRectF& box) {
    if (!inside(box.translated(m_label.topLeft()), m_paper))
        report(control, {}, u"O controle sai da área de impressão do papel."_s);
}

} // namespace plataforma::relatorio
