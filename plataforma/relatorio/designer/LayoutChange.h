#pragma once

#include "modelos/fluxo/Objeto.h"

#include <QString>
#include <QUndoCommand>
#include <functional>

namespace plataforma::relatorio {

class Report;

// What folds consecutive changes into one undo step: the same kind of change to the same
// target, within one gesture of the mouse, or in a row of edits of one property when there is
// no gesture.
struct MergeKey {
    int kind = -1; // -1 never merges
    QString target;
    quint64 gesture = 0;

    bool operator==(const MergeKey&) const = default;
};

// One undoable change of a report's layout, kept as the whole layout before and after it:
// templates are small, and a snapshot restores everything a change touched, added or removed
// controls included. The file the layout belongs to is not part of an edit: undo and redo keep
// the one the report names when they run.
class LayoutChange : public QUndoCommand {
public:
    LayoutChange(const QString& text, Report& report, fluxo::Objeto before, fluxo::Objeto after,
                 MergeKey key, std::function<void()> applied);

    void undo() override;
    void redo() override;
    int id() const override { return m_key.kind; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    void apply(const fluxo::Objeto& layout);

    Report& m_report;
    fluxo::Objeto m_before;
    fluxo::Objeto m_after;
    MergeKey m_key;
    std::function<void()> m_applied;
};

} // namespace plataforma::relatorio
