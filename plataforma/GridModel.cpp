#include "GridModel.h"

#include "ErrorBox.h"
#include "MemTable.h"

#include <QFont>

namespace plataforma {

GridModel::GridModel(QObject* parent) : QAbstractTableModel(parent) {}

GridModel::~GridModel() {
    if (m_table)
        m_table->removeObserver(this);
}

void GridModel::setTable(MemTable* table) {
    if (m_table)
        m_table->removeObserver(this);
    m_table = table;
    if (m_table)
        m_table->addObserver(this);
    reload();
}

void GridModel::setColumns(QList<GridColumn> columns) {
    m_columns = std::move(columns);
    reload();
}

int GridModel::fieldOf(int column) const {
    return column >= 0 && column < m_fields.size() ? m_fields[column] : -1;
}

void GridModel::reload() {
    m_syncing = true;
    beginResetModel();
    m_fields.clear();
    for (const GridColumn& column : m_columns)
        m_fields.append(m_table ? m_table->fieldIndex(column.field) : -1);
    m_rows = m_table ? m_table->rowCount() : 0;
    m_firstChanged = 0;
    m_lastChanged = -1;
    endResetModel();
    m_syncing = false;
    emit cursorMoved(m_table ? m_table->currentRow() : -1);
}

void GridModel::scheduleSync() {
    if (m_syncPending)
        return;
    m_syncPending = true;
    QMetaObject::invokeMethod(this, &GridModel::sync, Qt::QueuedConnection);
}

void GridModel::sync() {
    m_syncPending = false;
    m_syncing = true;
    // Rows are only ever added at the end and taken back from the end.
    const int rows = m_table ? m_table->rowCount() : 0;
    if (rows > m_rows) {
        beginInsertRows({}, m_rows, rows - 1);
        m_rows = rows;
        endInsertRows();
    } else if (rows < m_rows) {
        beginRemoveRows({}, rows, m_rows - 1);
        m_rows = rows;
        endRemoveRows();
    }
    const int last = std::min(m_lastChanged, m_rows - 1);
    if (m_firstChanged <= last && !m_columns.isEmpty())
        emit dataChanged(index(m_firstChanged, 0),
                         index(last, static_cast<int>(m_columns.size()) - 1));
    m_firstChanged = 0;
    m_lastChanged = -1;
    m_syncing = false;
    emit cursorMoved(m_table ? m_table->currentRow() : -1);
}

void GridModel::writeCell(const QModelIndex& index, const QString& text) {
    const int field = fieldOf(index.column());
    if (!m_table || field < 0 || index.row() != m_table->currentRow())
        return;
    if (m_table->editText(index.row(), field) == text)
        return;
    m_table->edit();
    m_table->setString(field, text);
}

void GridModel::setCellNotes(CellNotes notes, const QColor& tint) {
    m_notes = std::move(notes);
    m_noteTint = tint;
    reload();
}

QString GridModel::note(const QModelIndex& index) const {
    const int field = fieldOf(index.column());
    return m_notes && field >= 0 ? m_notes(index.row(), field) : QString();
}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!m_table || !index.isValid())
        return {};
    const GridColumn& column = m_columns[index.column()];
    switch (role) {
    case Qt::DisplayRole:
        return m_table->displayText(index.row(), fieldOf(index.column()));
    case Qt::EditRole:
        return m_table->editText(index.row(), fieldOf(index.column()));
    case Qt::BackgroundRole:
        if (!note(index).isEmpty())
            return m_noteTint;
        return column.background.isValid() ? QVariant(column.background) : QVariant();
    case Qt::ToolTipRole:
        return note(index);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(column.alignment | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_columns[section].title;
    case Qt::FontRole:
        if (m_columns[section].boldTitle) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default:
        return {};
    }
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (m_columns[index.column()].editable && fieldOf(index.column()) >= 0)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    try {
        writeCell(index, value.toString());
        return true;
    } catch (...) {
        reportExceptionLater(std::current_exception());
        return false;
    }
}

void GridModel::revert() {
    if (m_table && m_table->state() != MemTable::State::Browse &&
        m_table->state() != MemTable::State::Inactive && !m_table->isModified()) {
        try {
            m_table->cancel();
        } catch (...) {
            reportExceptionLater(std::current_exception());
        }
    }
}

void GridModel::rowsReset() {
    reload();
}

void GridModel::rowChanged(int row) {
    if (m_firstChanged > m_lastChanged) {
        m_firstChanged = m_lastChanged = row;
    } else {
        m_firstChanged = std::min(m_firstChanged, row);
        m_lastChanged = std::max(m_lastChanged, row);
    }
    scheduleSync();
}

void GridModel::rowInserted(int) {
    scheduleSync();
}

void GridModel::rowRemoved(int) {
    scheduleSync();
}

void GridModel::currentRowChanged(int row) {
    if (!m_syncPending && row < m_rows)
        emit cursorMoved(row);
    else
        scheduleSync();
}

void GridModel::controlsEnabled() {
    reload();
}

void GridModel::commitPendingInput() {
    if (m_writer)
        m_writer();
}

void GridModel::tableDestroyed() {
    m_table = nullptr;
    reload();
}

} // namespace plataforma
