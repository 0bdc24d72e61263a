#include "GridDelegate.h"

#include "GridModel.h"
#include "IntegerEdit.h"
#include "MemTable.h"

#include <QPainter>

namespace plataforma {

GridDelegate::GridDelegate(GridModel* model, QObject* parent)
    : QStyledItemDelegate(parent), m_model(model) {}

void GridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    if (m_verticalLines) {
        painter->save();
        painter->setPen(option.palette.color(QPalette::Mid));
        painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
        painter->restore();
    }
    if (m_painter) {
        painter->save();
        m_painter(*painter, option.rect, index.row(), index.column());
        painter->restore();
    }
}

QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                    const QModelIndex& index) const {
    const MemTable* table = m_model->table();
    const int field = m_model->fieldOf(index.column());
    if (!table || field < 0)
        return nullptr;
    const Field& definition = table->field(field);
    if (definition.type() == FieldType::Integer)
        return new IntegerEdit(parent);
    auto* editor = new QLineEdit(parent);
    const int length = m_model->columns()[index.column()].maxLength;
    editor->setMaxLength(length > 0 ? length : definition.size());
    return editor;
}

// The view calls this again whenever the row's data change, which the editor opening puts the
// row in edit mode for: an editor that already shows the value keeps its selection, so that
// the operator's first key replaces the whole text, and what the operator typed is never
// written over.
void GridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* line = qobject_cast<QLineEdit*>(editor);
    const QString text = index.data(Qt::EditRole).toString();
    if (!line || line->isModified() || line->text() == text)
        return;
    line->setText(text);
    line->selectAll();
}

void GridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                const QModelIndex& index) const {
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        model->setData(index, line->text(), Qt::EditRole);
}

} // namespace plataforma
