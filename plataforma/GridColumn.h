#pragma once

#include <QColor>
#include <QString>

namespace plataforma {

// One column of a DataGrid, bound to a field of the grid's table by name.
struct GridColumn {
    GridColumn(QString fieldName, QString titleText)
        : field(std::move(fieldName)), title(std::move(titleText)) {}

    QString field;
    QString title;
    // Pixels; 0 takes the field's display width in digits of the cell font,
    // or the title's width when that is wider, plus 4.
    int width = 0;
    // An invalid colour leaves the window colour.
    QColor background;
    Qt::Alignment alignment = Qt::AlignLeft;
    bool editable = false;
    bool hidden = false;
    bool boldTitle = false;
    // Characters the cell editor takes; 0 takes the text field's size.
    int maxLength = 0;
};

} // namespace plataforma
