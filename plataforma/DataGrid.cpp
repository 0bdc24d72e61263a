#include "DataGrid.h"

#include "ErrorBox.h"
#include "GridModel.h"
#include "MemTable.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>

namespace plataforma {

namespace {

// Runs an action of the operator inside Qt's own event handling, where no
// exception may pass: errors are reported once that handling is over.
template <typename Action> bool guarded(Action action) {
    try {
        action();
        return true;
    } catch (...) {
        reportExceptionLater(std::current_exception());
        return false;
    }
}

} // namespace

DataGrid::DataGrid(QWidget* parent)
    : QTableView(parent), m_model(new GridModel(this)),
      m_delegate(new GridDelegate(m_model, this)) {
    setModel(m_model);
    setItemDelegate(m_delegate);
    setShowGrid(false);
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectItems);
    setEditTriggers(DoubleClicked | EditKeyPressed | AnyKeyPressed);
    verticalHeader()->hide();
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setSectionsMovable(true);
    horizontalHeader()->setHighlightSections(false);
    connect(m_model, &GridModel::cursorMoved, this, &DataGrid::followTableCursor);
    m_model->setPendingInputWriter([this] { writePendingInput(); });
}

void DataGrid::setTable(MemTable* table) {
    m_model->setTable(table);
    applyWidths();
}

MemTable* DataGrid::table() const {
    return m_model->table();
}

void DataGrid::setColumns(QList<GridColumn> columns) {
    m_model->setColumns(std::move(columns));
    for (int i = 0; i < m_model->columns().size(); ++i)
        setColumnHidden(i, m_model->columns()[i].hidden);
    setTabKeyNavigation(!editableColumns().isEmpty());
    applyWidths();
}

const GridColumn& DataGrid::gridColumn(int column) const {
    return m_model->columns()[column];
}

void DataGrid::setTitleColors(const QColor& background, const QColor& text) {
    horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: %1; color: %2; border: none; "
                       "border-right: 1px solid %3; padding: 1px 2px; }")
            .arg(background.name(), text.name(), background.darker(130).name()));
}

void DataGrid::setVerticalLines(bool on) {
    m_delegate->setVerticalLines(on);
    viewport()->update();
}

void DataGrid::setCellPainter(GridDelegate::CellPainter painter) {
    m_delegate->setCellPainter(std::move(painter));
    viewport()->update();
}

int DataGrid::defaultWidth(const GridColumn& column) const {
    QFont titleFont = horizontalHeader()->font();
    titleFont.setBold(column.boldTitle);
    const int titleWidth = QFontMetrics(titleFont).horizontalAdvance(column.title) + 4;
    const int field = table() ? table()->fieldIndex(column.field) : -1;
    if (field < 0)
        return titleWidth;
    const int digits = table()->field(field).displayWidth() * fontMetrics().horizontalAdvance(u'0');
    return std::max(digits + 4, titleWidth);
}

void DataGrid::applyWidths() {
    const QList<GridColumn>& columns = m_model->columns();
    for (int i = 0; i < columns.size(); ++i)
        setColumnWidth(i, columns[i].width > 0 ? columns[i].width : defaultWidth(columns[i]));
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
}

void DataGrid::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        applyWidths();
}

void DataGrid::followTableCursor(int row) {
    if (row == currentIndex().row())
        return;
    m_following = true;
    // Rows that have just arrived are not laid out yet; without this the
    // grid would not scroll to a new current row among them.
    executeDelayedItemsLayout();
    if (row < 0) {
        setCurrentIndex({});
    } else {
        const int column =
            currentIndex().isValid() ? currentIndex().column() : firstVisibleColumn();
        setCurrentIndex(m_model->index(row, column));
    }
    m_following = false;
}

void DataGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    m_keepEditor = false;
    QTableView::currentChanged(current, previous);
    if (m_keepEditor) {
        // Back to the cell whose editor is still open, before the table's cursor moves.
        selectionModel()->setCurrentIndex(previous, QItemSelectionModel::ClearAndSelect);
        if (QWidget* editor = indexWidget(previous))
            editor->setFocus();
        return;
    }
    MemTable* t = table();
    if (m_following || m_model->isSyncing() || !t || !current.isValid() ||
        current.row() == t->currentRow())
        return;
    if (!guarded([&] { t->moveTo(current.row()); }))
        followTableCursor(t->currentRow());
}

bool DataGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    if (!QTableView::edit(index, trigger, event))
        return false;
    // An open editor puts the row in edit mode at once, so that whatever moves
    // the table's cursor next posts what the operator is typing.
    QWidget* editor = indexWidget(index);
    m_editing = index;
    MemTable* t = table();
    if (editor && t && index.row() == t->currentRow() && !guarded([t] { t->edit(); }))
        closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
    return true;
}

void DataGrid::commitData(QWidget* editor) {
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (!line || !m_editing.isValid())
        return;
    // The view takes the focus before it moves, and the error box takes it after: each commits
    // again, and a text already refused stays refused without another box.
    m_keepEditor = m_refusedText == line->text();
    if (m_keepEditor)
        return;
    m_keepEditor = !guarded([&] { m_model->writeCell(m_editing, line->text()); });
    m_refusedText = m_keepEditor ? std::optional(line->text()) : std::nullopt;
}

void DataGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    if (m_keepEditor && hint != QAbstractItemDelegate::RevertModelCache) {
        // Once the error box has closed, too: the view took the focus on its way out.
        editor->setFocus();
        QMetaObject::invokeMethod(
            editor, [editor] { editor->setFocus(); }, Qt::QueuedConnection);
        return;
    }
    m_keepEditor = false;
    m_refusedText.reset();
    QTableView::closeEditor(editor, hint);
}

void DataGrid::closeOpenEditor() {
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void DataGrid::writePendingInput() {
    auto* editor = qobject_cast<QLineEdit*>(indexWidget(currentIndex()));
    if (!editor)
        return;
    m_model->writeCell(currentIndex(), editor->text());
    m_keepEditor = false;
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void DataGrid::appendRow() {
    MemTable* t = table();
    if (!t || !t->isOpen())
        return;
    closeOpenEditor();
    guarded([t] { t->append(); });
    m_model->sync();
}

void DataGrid::cancelUnchangedNewRow() {
    MemTable* t = table();
    if (t && t->state() == MemTable::State::Insert && !t->isModified()) {
        guarded([t] { t->cancel(); });
        m_model->sync();
    }
}

void DataGrid::keyPressEvent(QKeyEvent* event) {
    m_model->sync();
    const bool plain = !(event->modifiers() & ~Qt::KeypadModifier);
    MemTable* t = table();
    const bool onLastRow = currentIndex().row() == m_model->rowCount() - 1;
    if (plain && event->key() == Qt::Key_Insert) {
        appendRow();
    } else if (plain && event->key() == Qt::Key_Down && onLastRow) {
        appendRow();
    } else if (plain && event->key() == Qt::Key_Up && t && t->state() == MemTable::State::Insert &&
               !t->isModified()) {
        cancelUnchangedNewRow();
    } else if ((event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) &&
               tabKeyNavigation()) {
        const QModelIndex next = nextEditableCell(event->key() == Qt::Key_Tab);
        if (next.isValid())
            setCurrentIndex(next);
    } else if (plain && event->key() == Qt::Key_Escape && t && t->isOpen() &&
               t->state() != MemTable::State::Browse) {
        guarded([t] { t->cancel(); });
    } else {
        QTableView::keyPressEvent(event);
        return;
    }
    event->accept();
}

void DataGrid::focusOutEvent(QFocusEvent* event) {
    QTableView::focusOutEvent(event);
    if (!isAncestorOf(QApplication::focusWidget()))
        cancelUnchangedNewRow();
}

int DataGrid::firstVisibleColumn() const {
    for (int visual = 0; visual < m_model->columnCount(); ++visual) {
        const int logical = horizontalHeader()->logicalIndex(visual);
        if (!isColumnHidden(logical))
            return logical;
    }
    return 0;
}

QList<int> DataGrid::editableColumns() const {
    QList<int> columns;
    for (int visual = 0; visual < m_model->columnCount(); ++visual) {
        const int logical = horizontalHeader()->logicalIndex(visual);
        if (!isColumnHidden(logical) && m_model->columns()[logical].editable)
            columns.append(logical);
    }
    return columns;
}

QModelIndex DataGrid::nextEditableCell(bool forward) {
    const QList<int> columns = editableColumns();
    const QModelIndex here = currentIndex();
    if (columns.isEmpty() || !here.isValid())
        return here;
    const int visualHere = horizontalHeader()->visualIndex(here.column());
    if (forward) {
        for (int column : columns)
            if (horizontalHeader()->visualIndex(column) > visualHere)
                return m_model->index(here.row(), column);
        if (here.row() + 1 < m_model->rowCount())
            return m_model->index(here.row() + 1, columns.first());
        appendRow();
        const QModelIndex now = currentIndex();
        return now.row() != here.row() ? m_model->index(now.row(), columns.first()) : QModelIndex();
    }
    for (auto it = columns.crbegin(); it != columns.crend(); ++it)
        if (horizontalHeader()->visualIndex(*it) < visualHere)
            return m_model->index(here.row(), *it);
    if (here.row() > 0)
        return m_model->index(here.row() - 1, columns.last());
    return {};
}

QModelIndex DataGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    if ((action == MoveNext || action == MovePrevious) && !editableColumns().isEmpty())
        return nextEditableCell(action == MoveNext);
    return QTableView::moveCursor(action, modifiers);
}

} // namespace plataforma
