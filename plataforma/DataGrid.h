#pragma once

#include "GridColumn.h"
#include "GridDelegate.h"

#include <QTableView>
#include <optional>

namespace plataforma {

class GridModel;
class MemTable;

// A grid over a MemTable. The grid's current row and the table's cursor move
// together; editing is limited to the editable columns, and Tab and Shift+Tab
// go from one editable cell to the next. Down on the last row, Tab past the
// last editable cell and Insert ask the table for a new row, which the table's
// new-record hook may refuse.
class DataGrid : public QTableView {
    Q_OBJECT

public:
    explicit DataGrid(QWidget* parent = nullptr);

    // The table is not owned.
    void setTable(MemTable* table);
    MemTable* table() const;
    void setColumns(QList<GridColumn> columns);
    const GridColumn& gridColumn(int column) const;

    void setTitleColors(const QColor& background, const QColor& text);
    void setVerticalLines(bool on);
    void setCellPainter(GridDelegate::CellPainter painter);

    GridModel* gridModel() const { return m_model; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;

protected slots:
    // A value the table refuses keeps its editor open, with the text as typed, on a row the
    // cursor does not leave.
    void commitData(QWidget* editor) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void followTableCursor(int row);
    void appendRow();
    void cancelUnchangedNewRow();
    void writePendingInput();
    void closeOpenEditor();
    void applyWidths();
    int defaultWidth(const GridColumn& column) const;
    int firstVisibleColumn() const;
    // Editable visible columns, in the order the operator sees them.
    QList<int> editableColumns() const;
    // Invalid when there is no cell to go to, the table having refused a row.
    QModelIndex nextEditableCell(bool forward);

    GridModel* m_model;
    GridDelegate* m_delegate;
    bool m_following = false;
    QPersistentModelIndex m_editing;
    // Set by a commit that the table refused, for the move or close that follows it.
    bool m_keepEditor = false;
    // The text of the open editor that the table refused.
    std::optional<QString> m_refusedText;
};

} // namespace plataforma
