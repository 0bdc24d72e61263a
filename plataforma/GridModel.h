#pragma once

#include "GridColumn.h"
#include "TableObserver.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QList>
#include <functional>

namespace plataforma {

class MemTable;

// Shows the rows of a MemTable through a list of columns. Changes to the
// table's rows reach the views together when the event being handled is over
// (or at sync()), so that a loop appending thousands of rows does not make
// the views lay themselves out once per row.
class GridModel : public QAbstractTableModel, private TableObserver {
    Q_OBJECT

public:
    explicit GridModel(QObject* parent = nullptr);
    ~GridModel() override;

    // The table is not owned; it may be destroyed before the model.
    void setTable(MemTable* table);
    MemTable* table() const { return m_table; }

    void setColumns(QList<GridColumn> columns);
    const QList<GridColumn>& columns() const { return m_columns; }
    // The table's field of a column, -1 when there is none.
    int fieldOf(int column) const;

    // Writes the text of an edited cell into the table's current row, which
    // must be the cell's row, putting the row in edit mode first. Throws what
    // the table throws (a text that is no integer, a refused row).
    void writeCell(const QModelIndex& index, const QString& text);

    // Runs before the table posts a row: the view writes unconfirmed input.
    void setPendingInputWriter(std::function<void()> writer) { m_writer = std::move(writer); }
    // A cell's note by row and table field, shown as its tool tip over the tint in place of
    // the column's background; empty for none.
    using CellNotes = std::function<QString(int row, int field)>;
    void setCellNotes(CellNotes notes, const QColor& tint);

    // Brings the rows the views know of in step with the table now.
    void sync();
    // Whether the views are being brought in step: the current row they see
    // may change then without the operator moving it.
    bool isSyncing() const { return m_syncing; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Failures are reported in the standard error box once the view's own
    // handling is over, and the cell keeps its value.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    // Escape in a cell editor: a row that nothing has changed leaves edit mode.
    void revert() override;

signals:
    // The table's cursor moved, or the rows were read again; -1 when there is
    // no current row.
    void cursorMoved(int row);

private:
    QString note(const QModelIndex& index) const;
    void rowsReset() override;
    void rowChanged(int row) override;
    void rowInserted(int row) override;
    void rowRemoved(int row) override;
    void currentRowChanged(int row) override;
    void controlsEnabled() override;
    void commitPendingInput() override;
    void tableDestroyed() override;
    void reload();
    void scheduleSync();

    MemTable* m_table = nullptr;
    QList<GridColumn> m_columns;
    QList<int> m_fields;
    int m_rows = 0;
    // Rows changed since the last sync; empty when first > last.
    int m_firstChanged = 0;
    int m_lastChanged = -1;
    bool m_syncPending = false;
    bool m_syncing = false;
    std::function<void()> m_writer;
    CellNotes m_notes;
    QColor m_noteTint;
};

} // namespace plataforma
