#pragma once

#include <QStyledItemDelegate>
#include <functional>

namespace plataforma {

class GridModel;

// Paints and edits the cells of a DataGrid: an integer editor or a text
// editor of the column's length, optional vertical lines between columns, and
// the owner's own painting over each cell.
class GridDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    // Paints over a data cell after the grid has painted it; row and column
    // are the model's.
    using CellPainter =
        std::function<void(QPainter& painter, const QRect& cell, int row, int column)>;

    GridDelegate(GridModel* model, QObject* parent);

    void setCellPainter(CellPainter painter) { m_painter = std::move(painter); }
    void setVerticalLines(bool on) { m_verticalLines = on; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

private:
    GridModel* m_model;
    CellPainter m_painter;
    bool m_verticalLines = true;
};

} // namespace plataforma
