#pragma once

#include "plataforma/relatorio/Band.h"

#include <QWidget>
#include <functional>
#include <map>

class QComboBox;
class QDoubleSpinBox;
class QFormLayout;
class QLineEdit;
class QSpinBox;

namespace plataforma::relatorio {

class LayoutEditor;
class Report;

// The report's own settings, shown when no control is selected: unit, paper, orientation,
// margins, columns (count, width, positions, the order labels fill them) and band heights.
// Each edit is one change of the layout editor.
class ReportPanel : public QWidget {
    Q_OBJECT

public:
    explicit ReportPanel(LayoutEditor& editor, QWidget* parent = nullptr);

    // Puts the focus on the paper, for the page setup command.
    void focusPageSetup();

signals:
    // A text the operator typed could not be taken.
    void rejected(const QString& message);

private:
    void buildPage();
    void buildColumns();
    void buildBands();
    void refresh();
    void refreshLengths(Report& report);
    void edit(const QString& text, const QString& property,
              const std::function<void(Report&)>& change);
    // A box for a length that get reads and commit changes, in thousandths of a millimetre.
    QDoubleSpinBox* lengthBox(const QString& objectName, const QString& label,
                              std::function<int(Report&)> get,
                              const std::function<void(int)>& commit);
    // The same for a length of the report's settings.
    QDoubleSpinBox* settingBox(const QString& objectName, const QString& label,
                               std::function<int(Report&)> get,
                               const std::function<void(Report&, int)>& set);
    void choosePaper(int index);
    void setOrientation(int index);
    void setColumns(int columns);
    void setColumnPositions();

    LayoutEditor& m_editor;
    QFormLayout* m_form;
    QComboBox* m_units;
    QComboBox* m_paper;
    QComboBox* m_orientation;
    QSpinBox* m_columns;
    QLineEdit* m_positions;
    QComboBox* m_traversal;
    // Every length box with the thousandths it shows.
    std::vector<std::pair<QDoubleSpinBox*, std::function<int(Report&)>>> m_lengths;
    std::map<BandKind, QDoubleSpinBox*> m_bandHeights;
};

} // namespace plataforma::relatorio
