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

void GridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        line->setText(index.data(Qt::EditRole).toString());
}

void GridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                const QModelIndex& index) const {
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        model->setData(index, line->text(), Qt::EditRole);
}

} // namespace plataforma
