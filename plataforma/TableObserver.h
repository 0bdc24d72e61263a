#pragma once

namespace plataforma {

// What a view of a MemTable hears. Rows are 0-based. Nothing is heard while
// the table's controls are disabled; controlsEnabled() then tells the view to
// read everything again.
class TableObserver {
public:
    // Opened, closed or otherwise changed wholesale.
    virtual void rowsReset() {}
    virtual void rowChanged(int /*row*/) {}
    virtual void rowInserted(int /*row*/) {}
    // Only a new row that was cancelled before it was posted goes away.
    virtual void rowRemoved(int /*row*/) {}
    // -1 when the table has no current row.
    virtual void currentRowChanged(int /*row*/) {}
    virtual void controlsEnabled() {}
    // Before the table posts the current row: a view writes into the row any
    // input that the operator typed and has not yet confirmed. May throw.
    virtual void commitPendingInput() {}
    // The table is being destroyed: forget it.
    virtual void tableDestroyed() {}

protected:
    ~TableObserver() = default;
};

} // namespace plataforma
