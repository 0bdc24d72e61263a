#include "plataforma/relatorio/designer/LayoutChange.h"

#include "plataforma/relatorio/Properties.h"
#include "plataforma/relatorio/Report.h"

namespace plataforma::relatorio {

using namespace Qt::StringLiterals;

LayoutChange::LayoutChange(const QString& text, Report& report, fluxo::Objeto before,
                           fluxo::Objeto after, MergeKey key, std::function<void()> applied)
    : QUndoCommand(text), m_report(report), m_before(std::move(before)), m_after(std::move(after)),
      m_key(std::move(key)), m_applied(std::move(applied)) {}

void LayoutChange::undo() {
    apply(m_before);
}

void LayoutChange::redo() {
    apply(m_after);
}

bool LayoutChange::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const LayoutChange*>(other);
    if (!(next->m_key == m_key))
        return false;
    m_after = next->m_after;
    // A drag that ends where it began leaves nothing to undo.
    setObsolete(m_after == m_before);
    return true;
}

void LayoutChange::apply(const fluxo::Objeto& layout) {
    fluxo::Objeto restored = layout;
    const QString fileName = m_report.templateFileName();
    if (properties::text(restored, u"Template.FileName") != fileName)
        properties::setText(restored, u"Template.FileName"_s, fileName);
    m_report.setLayout(std::move(restored));
    m_applied();
}

} // namespace plataforma::relatorio
