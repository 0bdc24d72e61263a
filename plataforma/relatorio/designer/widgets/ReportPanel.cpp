#include "plataforma/relatorio/designer/widgets/ReportPanel.h"

#include "plataforma/relatorio/Report.h"
#include "plataforma/relatorio/designer/DesignSheet.h"
#include "plataforma/relatorio/designer/LayoutEditor.h"
#include "plataforma/relatorio/designer/PaperSizes.h"
#include "plataforma/relatorio/designer/UnitDisplay.h"
#include "plataforma/relatorio/designer/widgets/LengthSpinBox.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

namespace plataforma::relatorio {

using namespace Qt::StringLiterals;

namespace {

constexpr int LongestLength = 2000000;
constexpr int MostColumns = 50;

template <typename Widget> Widget* named(Widget* widget, const QString& objectName) {
    widget->setObjectName(objectName);
    return widget;
}

QLocale brazil() {
    QLocale locale(QLocale::Portuguese, QLocale::Brazil);
    // "70.666" must not read as seventy thousand.
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

QString positionsText(const std::vector<int>& positions, Units units) {
    QStringList texts;
    for (int position : positions) {
        QString text =
            brazil().toString(fromThousandths(position, units), 'f', unitDisplay(units).decimals);
        if (text.contains(brazil().decimalPoint())) {
            while (text.endsWith(u'0'))
                text.chop(1);
            if (text.endsWith(brazil().decimalPoint()))
                text.chop(1);
        }
        texts.append(text);
    }
    return texts.join(u"; "_s);
}

// The column positions the operator typed, or none when a number does not read.
std::optional<std::vector<int>> readPositions(const QString& text, Units units) {
    std::vector<int> positions;
    for (const QString& item : text.split(u';', Qt::SkipEmptyParts)) {
        bool ok = false;
        const double value = brazil().toDouble(item.trimmed(), &ok);
        if (!ok || value < 0)
            return std::nullopt;
        positions.push_back(toThousandths(static_cast<float>(value), units));
    }
    return positions;
}

} // namespace

ReportPanel::ReportPanel(LayoutEditor& editor, QWidget* parent)
    : QWidget(parent), m_editor(editor), m_form(new QFormLayout(this)) {
    setObjectName(u"reportPanel"_s);
    buildPage();
    buildColumns();
    buildBands();
    connect(&m_editor, &LayoutEditor::layoutChanged, this, &ReportPanel::refresh);
    refresh();
}

void ReportPanel::focusPageSetup() {
    m_paper->setFocus(Qt::OtherFocusReason);
}

void ReportPanel::edit(const QString& text, const QString& property,
                       const std::function<void(Report&)>& change) {
    m_editor.editReport(text, property, change);
}

QDoubleSpinBox* ReportPanel::lengthBox(const QString& objectName, const QString& label,
                                       std::function<int(Report&)> get,
                                       const std::function<void(int)>& commit) {
    auto* box = named(new LengthSpinBox(this), objectName);
    connect(box, &QDoubleSpinBox::valueChanged, this, [this, commit](double value) {
        commit(toThousandths(static_cast<float>(value), m_editor.report().units()));
    });
    m_form->addRow(label, box);
    m_lengths.emplace_back(box, std::move(get));
    return box;
}

QDoubleSpinBox* ReportPanel::settingBox(const QString& objectName, const QString& label,
                                        std::function<int(Report&)> get,
                                        const std::function<void(Report&, int)>& set) {
    return lengthBox(objectName, label, std::move(get), [this, set, label, objectName](int value) {
        edit(label, objectName, [&](Report& report) { set(report, value); });
    });
}

void ReportPanel::buildPage() {
    auto* title = new QLabel(u"<b>Relatório</b><br>Página e colunas das etiquetas"_s, this);
    m_form->addRow(title);
    m_units = named(new QComboBox(this), u"cmbUnits"_s);
    for (int units = 0; units <= static_cast<int>(Units::MMThousandths); ++units)
        m_units->addItem(unitDisplay(static_cast<Units>(units)).name);
    connect(m_units, &QComboBox::activated, this, [this](int units) {
        edit(u"Unidade"_s, u"Units"_s,
             [units](Report& report) { report.setUnits(static_cast<Units>(units)); });
    });
    m_form->addRow(u"Unidade"_s, m_units);

    m_paper = named(new QComboBox(this), u"cmbPaper"_s);
    for (const PaperSize& paper : standardPapers())
        m_paper->addItem(paper.displayName);
    m_paper->addItem(u"Personalizado"_s);
    connect(m_paper, &QComboBox::activated, this, &ReportPanel::choosePaper);
    m_form->addRow(u"Papel"_s, m_paper);

    settingBox(
        u"spnPaperWidth"_s, u"Largura do papel"_s,
        [](Report& r) { return r.printerSetup().mmPaperWidth(); },
        [](Report& r, int v) { r.printerSetup().setMmPaperWidth(v); });
    settingBox(
        u"spnPaperHeight"_s, u"Altura do papel"_s,
        [](Report& r) { return r.printerSetup().mmPaperHeight(); },
        [](Report& r, int v) { r.printerSetup().setMmPaperHeight(v); });

    m_orientation = named(new QComboBox(this), u"cmbOrientation"_s);
    m_orientation->addItems({u"Retrato"_s, u"Paisagem"_s});
    connect(m_orientation, &QComboBox::activated, this, &ReportPanel::setOrientation);
    m_form->addRow(u"Orientação"_s, m_orientation);

    const auto margin = [this](const QString& name, const QString& label, int MmMargins::*side) {
        settingBox(
            name, label, [side](Report& r) { return r.printerSetup().margins().*side; },
            [side](Report& r, int v) {
                MmMargins margins = r.printerSetup().margins();
                margins.*side = v;
                r.printerSetup().setMargins(margins);
            });
    };
    margin(u"spnMarginTop"_s, u"Margem superior"_s, &MmMargins::top);
    margin(u"spnMarginBottom"_s, u"Margem inferior"_s, &MmMargins::bottom);
    margin(u"spnMarginLeft"_s, u"Margem esquerda"_s, &MmMargins::left);
    margin(u"spnMarginRight"_s, u"Margem direita"_s, &MmMargins::right);
}

void ReportPanel::buildColumns() {
    m_columns = named(new QSpinBox(this), u"spnColumns"_s);
    m_columns->setRange(1, MostColumns);
    m_columns->setKeyboardTracking(false);
    connect(m_columns, &QSpinBox::valueChanged, this, &ReportPanel::setColumns);
    m_form->addRow(u"Colunas"_s, m_columns);

    settingBox(
        u"spnColumnWidth"_s, u"Largura da coluna"_s, [](Report& r) { return r.mmColumnWidth(); },
        [](Report& r, int v) { r.setMmColumnWidth(v); });

    m_positions = named(new QLineEdit(this), u"edtColumnPositions"_s);
    m_positions->setToolTip(u"A borda esquerda de cada coluna, medida da borda do papel, "
                            u"separadas por \";\". Em branco, as colunas começam na margem "
                            u"esquerda, uma ao lado da outra."_s);
    connect(m_positions, &QLineEdit::editingFinished, this, &ReportPanel::setColumnPositions);
    m_form->addRow(u"Posições"_s, m_positions);

    m_traversal = named(new QComboBox(this), u"cmbTraversal"_s);
    m_traversal->addItems({u"Coluna por coluna (de cima para baixo)"_s,
                           u"Linha por linha (da esquerda para a direita)"_s});
    connect(m_traversal, &QComboBox::activated, this, [this](int index) {
        edit(u"Preenchimento"_s, u"ColumnTraversal"_s, [index](Report& report) {
            if (std::optional<Band> detail = report.band(BandKind::Detail))
                detail->setColumnTraversal(static_cast<ColumnTraversal>(index));
        });
    });
    m_form->addRow(u"Preenchimento"_s, m_traversal);
}

void ReportPanel::buildBands() {
    m_form->addRow(new QLabel(u"<b>Altura das bandas</b>"_s, this));
    for (BandKind kind : {BandKind::Header, BandKind::ColumnHeader, BandKind::Detail,
                          BandKind::ColumnFooter, BandKind::Footer}) {
        const QString name = u"spnHeight"_s + bandClassName(kind).mid(3);
        m_bandHeights[kind] = lengthBox(
            name, bandDisplayName(kind),
            [kind](Report& r) {
                const std::optional<Band> band = r.band(kind);
                return band ? band->mmHeight() : 0;
            },
            [this, kind](int height) { m_editor.setBandHeight(kind, height); });
    }
}

void ReportPanel::refresh() {
    std::vector<QSignalBlocker> quiet;
    for (QWidget* child : findChildren<QWidget*>())
        quiet.emplace_back(child);
    Report& report = m_editor.report();
    const Units units = report.units();
    m_units->setCurrentIndex(static_cast<int>(units));
    PrinterSetup setup = report.printerSetup();
    const PaperSize* paper = matchPaper(setup.mmPaperWidth(), setup.mmPaperHeight());
    m_paper->setCurrentIndex(paper ? static_cast<int>(paper - standardPapers().data())
                                   : m_paper->count() - 1);
    m_orientation->setCurrentIndex(static_cast<int>(setup.orientation()));
    m_columns->setValue(report.columns());
    const QString positions = positionsText(report.columnPositions(), units);
    if (m_positions->text() != positions)
        m_positions->setText(positions);
    const std::optional<Band> detail = report.band(BandKind::Detail);
    m_traversal->setCurrentIndex(detail ? static_cast<int>(detail->columnTraversal()) : 0);
    m_form->setRowVisible(m_traversal, detail.has_value());
    for (const auto& [kind, box] : m_bandHeights)
        m_form->setRowVisible(box, report.band(kind).has_value());
    refreshLengths(report);
}

void ReportPanel::refreshLengths(Report& report) {
    const Units units = report.units();
    const UnitDisplay display = unitDisplay(units);
    for (const auto& [box, get] : m_lengths) {
        box->setDecimals(display.decimals);
        box->setSuffix(display.suffix);
        box->setSingleStep(display.step);
        box->setRange(0, fromThousandths(LongestLength, units));
        box->setValue(fromThousandths(get(report), units));
    }
}

void ReportPanel::choosePaper(int index) {
    if (index >= static_cast<int>(standardPapers().size()))
        return;
    const PaperSize& paper = standardPapers()[static_cast<std::size_t>(index)];
    edit(u"Papel"_s, u"Paper"_s, [&paper](Report& report) {
        PrinterSetup setup = report.printerSetup();
        const bool landscape = setup.orientation() == Orientation::Landscape;
        setup.setPaperName(paper.paperName);
        setup.setPaperSize(paper.code);
        setup.setMmPaperWidth(landscape ? paper.height : paper.width);
        setup.setMmPaperHeight(landscape ? paper.width : paper.height);
    });
}

void ReportPanel::setOrientation(int index) {
    edit(u"Orientação"_s, u"PrinterSetup.Orientation"_s, [index](Report& report) {
        PrinterSetup setup = report.printerSetup();
        const auto orientation = static_cast<Orientation>(index);
        setup.setOrientation(orientation);
        // The paper's sizes are as printed: a landscape page is wider than high.
        const int width = setup.mmPaperWidth();
        const int height = setup.mmPaperHeight();
        if ((orientation == Orientation::Landscape) != (width > height)) {
            setup.setMmPaperWidth(height);
            setup.setMmPaperHeight(width);
        }
    });
}

void ReportPanel::setColumns(int columns) {
    edit(u"Colunas"_s, u"Columns"_s, [columns](Report& report) {
        std::vector<int> positions = report.columnPositions();
        report.setColumns(columns);
        if (positions.empty())
            return;
        // Each new column a column width after the one before it.
        while (static_cast<int>(positions.size()) < columns)
            positions.push_back(positions.back() + report.mmColumnWidth());
        positions.resize(static_cast<std::size_t>(columns));
        report.setColumnPositions(positions);
    });
}

void ReportPanel::setColumnPositions() {
    Report& report = m_editor.report();
    const std::optional<std::vector<int>> positions =
        readPositions(m_positions->text(), report.units());
    if (!positions ||
        (!positions->empty() && static_cast<int>(positions->size()) != report.columns())) {
        emit rejected(
            u"Informe uma posição para cada uma das %1 colunas, separadas por \";\"."_s.arg(
                report.columns()));
        m_positions->setText(positionsText(report.columnPositions(), report.units()));
        return;
    }
    edit(u"Posições das colunas"_s, u"ColumnPositions"_s,
         [&positions](Report& edited) { edited.setColumnPositions(*positions); });
}

} // namespace plataforma::relatorio
