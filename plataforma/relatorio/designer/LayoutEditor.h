#pragma once

#include "modelos/fluxo/Objeto.h"
#include "plataforma/relatorio/Band.h"
#include "plataforma/relatorio/Control.h"
#include "plataforma/relatorio/designer/LayoutChange.h"

#include <QObject>
#include <QPoint>
#include <QStringList>
#include <QUndoStack>
#include <functional>
#include <optional>

namespace plataforma::relatorio {

class Report;

// The designer's editing of a report's layout, without any window: the selection, and every
// change as an undo step on its stack. The report's template tree stays the one source of
// truth; changes go through the engine's handles (and so through the class schemas), and
// controls are known by their object names, which are unique in a layout.
//
// Lengths are in thousandths of a millimetre.
class LayoutEditor : public QObject {
    Q_OBJECT

public:
    explicit LayoutEditor(Report& report, QObject* parent = nullptr);

    Report& report() { return m_report; }
    QUndoStack& undoStack() { return m_undo; }

    // A new layout, with no history and nothing selected. Opening throws as the report's
    // loading does and then keeps the layout it had; an opened layout belongs to its file.
    void open(const QString& path);
    void replaceLayout(fluxo::Objeto layout);
    // Takes what someone else changed in the report since the last change (a page-request
    // handler that shrank a band) as one undo step; false when nothing changed.
    bool adoptOutsideChanges(const QString& text);
    // The layout as it is now is the saved one; no undo step.
    void markSaved();
    // The layout as it is now is the known one (its language was set, say), and no change.
    void acceptCurrentLayout();
    bool isModified() const { return !m_undo.isClean(); }
    // Back to the layout as it was last opened or saved, with no history: the operator chose
    // not to keep the changes, and the report must not print them either.
    void discardChanges();

    const QStringList& selection() const { return m_selection; }
    void select(const QStringList& names);
    void toggleSelected(const QString& name);
    // The control of that name in the live layout, or none.
    std::optional<Control> control(const QString& name);
    // Every control's name, in drawing order.
    QStringList controlNames();

    // A new serial for the changes of one mouse gesture, folded into one undo step.
    quint64 beginGesture() { return ++m_gestures; }

    // Moves the selection, all of it or nothing past the band's top or left edge; gives the
    // move it made.
    QPoint moveSelection(QPoint delta, quint64 gesture = 0);
    // Grows or shrinks every selected control, down to a small minimum.
    void resizeSelection(QPoint delta);
    void setBox(const QString& name, const MmBox& box, quint64 gesture = 0);
    void deleteSelection();
    // Puts the selection last in its bands, drawn over the others, or first, drawn under them.
    void bringSelectionToFront();
    void sendSelectionToBack();
    // Adds a control to the detail band, selected; gives its name. Data controls read the
    // report's pipeline: a bar code its first text field, a data text its first field. A shape
    // goes under the others: it is filled white, and over them it would hide them.
    QString addControl(ControlKind kind, const MmBox& box);
    bool canAddControls();
    void setBandHeight(BandKind kind, int mmHeight, quint64 gesture = 0);

    // One change of one control's property, named for the undo history; edits of the same
    // property of the same control in a row are one step.
    void editControl(const QString& name, const QString& text, const QString& property,
                     const std::function<void(Control&)>& edit);
    // The same for the report's own settings.
    void editReport(const QString& text, const QString& property,
                    const std::function<void(Report&)>& edit);

    static constexpr int MinimumSize = 500;

signals:
    void layoutChanged();
    void selectionChanged();

private:
    const fluxo::Objeto& layoutNow() const;
    void restack(const QString& text, bool toFront);
    void change(const QString& text, const MergeKey& key,
                const std::function<void(fluxo::Objeto&)>& edit);
    void applied();
    void reset();

    Report& m_report;
    QUndoStack m_undo;
    QStringList m_selection;
    fluxo::Objeto m_known;
    fluxo::Objeto m_saved;
    quint64 m_gestures = 0;
};

} // namespace plataforma::relatorio
