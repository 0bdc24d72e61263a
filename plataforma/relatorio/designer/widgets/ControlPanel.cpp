#include "plataforma/relatorio/designer/widgets/ControlPanel.h"

#include "plataforma/ErrorBox.h"
#include "plataforma/relatorio/Colors.h"
#include "plataforma/relatorio/Pipeline.h"
#include "plataforma/relatorio/Report.h"
#include "plataforma/relatorio/Symbology.h"
#include "plataforma/relatorio/designer/ColorNames.h"
#include "plataforma/relatorio/designer/LayoutEditor.h"
#include "plataforma/relatorio/designer/NewControl.h"
#include "plataforma/relatorio/designer/Pictures.h"
#include "plataforma/relatorio/designer/UnitDisplay.h"
#include "plataforma/relatorio/designer/widgets/LengthSpinBox.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <array>

namespace plataforma::relatorio {

using namespace Qt::StringLiterals;

namespace {

// The bar-code kinds offered, by the template's identifiers.
constexpr std::array barcodeTypes{"bcEAN_13"_L1,          "bcEAN_8"_L1,  "bcUPC_A"_L1,
                                  "bcCode128"_L1,         "bcCode39"_L1, "bcCode93"_L1,
                                  "bcInterleaved2of5"_L1, "bcCodabar"_L1};

// Lengths up to two metres.
constexpr int LongestLength = 2000000;

template <typename Widget> Widget* named(Widget* widget, const QString& objectName) {
    widget->setObjectName(objectName);
    return widget;
}

void setComboText(QComboBox* combo, const QString& text) {
    int index = combo->findText(text);
    if (index < 0) {
        combo->insertItem(0, text);
        index = 0;
    }
    combo->setCurrentIndex(index);
}

QIcon swatch(const QColor& color) {
    QPixmap pixmap(16, 16);
    pixmap.fill(color);
    return QIcon(pixmap);
}

} // namespace

ControlPanel::ControlPanel(LayoutEditor& editor, QWidget* parent)
    : QWidget(parent), m_editor(editor), m_form(new QFormLayout(this)),
      m_title(named(new QLabel(this), u"lblControlName"_s)) {
    setObjectName(u"controlPanel"_s);
    m_form->addRow(m_title);
    buildGeometry();
    buildData();
    buildText();
    buildTextLayout();
    buildBarcode();
    buildPicture();
    buildLine();
    connect(&m_editor, &LayoutEditor::layoutChanged, this, &ControlPanel::refresh);
}

void ControlPanel::showControl(const QString& name) {
    m_name = name;
    refresh();
}

void ControlPanel::edit(const QString& text, const QString& property,
                        const std::function<void(Control&)>& change) {
    m_editor.editControl(m_name, text, property, change);
}

QDoubleSpinBox* ControlPanel::lengthBox(const QString& objectName, const QString& label,
                                        const std::function<void(MmBox&, int)>& set) {
    auto* box = named(new LengthSpinBox(this), objectName);
    connect(box, &QDoubleSpinBox::valueChanged, this, [this, set, objectName](double value) {
        const int stored = toThousandths(static_cast<float>(value), m_editor.report().units());
        edit(u"Posição e tamanho"_s, objectName, [&](Control& control) {
            MmBox changed = control.box();
            set(changed, stored);
            control.setBox(changed);
        });
    });
    m_form->addRow(label, box);
    m_lengths.append(box);
    return box;
}

QCheckBox* ControlPanel::checkBox(const QString& objectName, const QString& text,
                                  const std::function<void(Control&, bool)>& set) {
    auto* box = named(new QCheckBox(text, this), objectName);
    connect(box, &QCheckBox::toggled, this, [this, set, objectName, text](bool on) {
        edit(text, objectName, [&](Control& control) { set(control, on); });
    });
    m_form->addRow(box);
    return box;
}

void ControlPanel::buildGeometry() {
    lengthBox(u"spnLeft"_s, u"Esquerda"_s, [](MmBox& box, int v) { box.left = v; });
    lengthBox(u"spnTop"_s, u"Topo"_s, [](MmBox& box, int v) { box.top = v; });
    lengthBox(u"spnWidth"_s, u"Largura"_s, [](MmBox& box, int v) { box.width = v; });
    lengthBox(u"spnHeight"_s, u"Altura"_s, [](MmBox& box, int v) { box.height = v; });
}

void ControlPanel::buildData() {
    m_field = named(new QComboBox(this), u"cmbDataField"_s);
    connect(m_field, &QComboBox::textActivated, this, [this](const QString& field) {
        edit(u"Campo"_s, u"DataField"_s, [&](Control& control) { control.setDataField(field); });
    });
    m_form->addRow(u"Campo"_s, m_field);

    m_caption = named(new QLineEdit(this), u"edtCaption"_s);
    connect(m_caption, &QLineEdit::textEdited, this, [this](const QString& caption) {
        edit(u"Texto"_s, u"Caption"_s, [&](Control& control) { control.setCaption(caption); });
    });
    m_form->addRow(u"Texto"_s, m_caption);

    m_format = named(new QComboBox(this), u"cmbDisplayFormat"_s);
    m_format->setEditable(true);
    m_format->addItems({QString(), u"$#,0.00;($#,0.00)"_s, u"R$ #,##0.00"_s,
                        u"R$ #,0.00;(R$ #,0.00)"_s, u"###,###,##0.00"_s, u"0"_s, u"dd/mm/yyyy"_s});
    m_format->setToolTip(u"Como o valor do campo aparece na etiqueta; em branco, como os "
                         u"dados o mostram."_s);
    connect(m_format, &QComboBox::currentTextChanged, this, [this](const QString& format) {
        edit(u"Formato"_s, u"DisplayFormat"_s,
             [&](Control& control) { control.setDisplayFormat(format); });
    });
    m_form->addRow(u"Formato"_s, m_format);
}

void ControlPanel::buildText() {
    m_fontName = named(new QComboBox(this), u"cmbFontName"_s);
    m_fontName->addItems(QFontDatabase::families());
    connect(m_fontName, &QComboBox::textActivated, this, [this](const QString& name) {
        edit(u"Fonte"_s, u"Font.Name"_s, [&](Control& control) {
            FontSettings font = control.font();
            font.name = name;
            control.setFont(font);
        });
    });
    m_form->addRow(u"Fonte"_s, m_fontName);

    m_fontSize = named(new QSpinBox(this), u"spnFontSize"_s);
    m_fontSize->setRange(1, 500);
    m_fontSize->setKeyboardTracking(false);
    connect(m_fontSize, &QSpinBox::valueChanged, this, [this](int size) {
        edit(u"Tamanho da fonte"_s, u"Font.Size"_s, [&](Control& control) {
            FontSettings font = control.font();
            font.size = size;
            control.setFont(font);
        });
    });
    m_form->addRow(u"Tamanho"_s, m_fontSize);
    m_color = named(new QPushButton(u"Escolher..."_s, this), u"btnColor"_s);
    // Enter in a field of the designer must not press a button of the panel.
    m_color->setAutoDefault(false);
    connect(m_color, &QPushButton::clicked, this, &ControlPanel::chooseColor);
    m_form->addRow(u"Cor"_s, m_color);

    const auto style = [](bool FontSettings::*member) {
        return [member](Control& control, bool on) {
            FontSettings font = control.font();
            font.*member = on;
            control.setFont(font);
        };
    };
    m_bold = checkBox(u"chkBold"_s, u"Negrito"_s, style(&FontSettings::bold));
    m_italic = checkBox(u"chkItalic"_s, u"Itálico"_s, style(&FontSettings::italic));
    m_underline = checkBox(u"chkUnderline"_s, u"Sublinhado"_s, style(&FontSettings::underline));
}

void ControlPanel::buildTextLayout() {

    m_alignment = named(new QComboBox(this), u"cmbAlignment"_s);
    m_alignment->addItems({u"À esquerda"_s, u"Centralizado"_s, u"À direita"_s});
    connect(m_alignment, &QComboBox::activated, this, [this](int index) {
        edit(u"Alinhamento"_s, u"TextAlignment"_s, [&](Control& control) {
            control.setTextAlignment(static_cast<TextAlignment>(index));
        });
    });
    m_form->addRow(u"Alinhamento"_s, m_alignment);

    m_autoSize = checkBox(u"chkAutoSize"_s, u"Tamanho automático"_s,
                          [](Control& control, bool on) { control.setAutoSize(on); });
    m_wordWrap = checkBox(u"chkWordWrap"_s, u"Quebra de linha"_s,
                          [](Control& control, bool on) { control.setWordWrap(on); });
    m_transparent = checkBox(u"chkTransparent"_s, u"Transparente"_s,
                             [](Control& control, bool on) { control.setTransparent(on); });
}

void ControlPanel::buildBarcode() {
    m_barcodeType = named(new QComboBox(this), u"cmbBarcodeType"_s);
    for (QLatin1StringView type : barcodeTypes)
        m_barcodeType->addItem(findSymbology(QString(type))->displayName, QString(type));
    connect(m_barcodeType, &QComboBox::activated, this, [this](int index) {
        const QString type = m_barcodeType->itemData(index).toString();
        edit(u"Tipo de código de barras"_s, u"BarCodeType"_s,
             [&](Control& control) { control.setBarcodeType(type); });
    });
    m_form->addRow(u"Tipo de código"_s, m_barcodeType);

    m_barWidth = named(new LengthSpinBox(this), u"spnBarWidth"_s);
    m_barWidth->setDecimals(3);
    m_barWidth->setRange(0.05, 5);
    m_barWidth->setSingleStep(0.01);
    m_barWidth->setSuffix(u" mm"_s);
    m_barWidth->setToolTip(u"Largura da barra mais fina, que a impressora precisa imprimir."_s);
    connect(m_barWidth, &QDoubleSpinBox::valueChanged, this, [this](double width) {
        edit(u"Largura da barra"_s, u"mmBarWidth"_s, [&](Control& control) {
            control.setMmBarWidth(static_cast<int>(std::lround(width * 1000)));
        });
    });
    m_form->addRow(u"Largura da barra"_s, m_barWidth);
}

void ControlPanel::buildPicture() {
    m_picture = named(new QPushButton(u"Escolher imagem..."_s, this), u"btnPicture"_s);
    m_picture->setAutoDefault(false);
    connect(m_picture, &QPushButton::clicked, this, &ControlPanel::choosePicture);
    m_form->addRow(m_picture);
    m_stretch = checkBox(u"chkStretch"_s, u"Esticar"_s,
                         [](Control& control, bool on) { control.setStretch(on); });
    m_keepAspect = checkBox(u"chkKeepAspect"_s, u"Manter proporção"_s,
                            [](Control& control, bool on) { control.setMaintainAspectRatio(on); });
}

void ControlPanel::buildLine() {
    m_linePosition = named(new QComboBox(this), u"cmbLinePosition"_s);
    m_linePosition->addItems({u"Em cima"_s, u"Embaixo"_s, u"À esquerda"_s, u"À direita"_s});
    connect(m_linePosition, &QComboBox::activated, this, [this](int index) {
        edit(u"Posição da linha"_s, u"Position"_s,
             [&](Control& control) { control.setLinePosition(static_cast<LinePosition>(index)); });
    });
    m_form->addRow(u"Posição da linha"_s, m_linePosition);

    m_lineWeight = named(new LengthSpinBox(this), u"spnLineWeight"_s);
    m_lineWeight->setRange(0.25, 20);
    m_lineWeight->setSingleStep(0.25);
    m_lineWeight->setSuffix(u" pt"_s);
    connect(m_lineWeight, &QDoubleSpinBox::valueChanged, this, [this](double weight) {
        edit(u"Espessura da linha"_s, u"Weight"_s,
             [&](Control& control) { control.setWeight(static_cast<float>(weight)); });
    });
    m_form->addRow(u"Espessura"_s, m_lineWeight);
}

void ControlPanel::refresh() {
    const std::optional<Control> control = m_editor.control(m_name);
    if (!control)
        return;
    // What the panel shows is no edit.
    std::vector<QSignalBlocker> quiet;
    for (QWidget* child : findChildren<QWidget*>())
        quiet.emplace_back(child);
    m_title->setText(u"<b>%1</b><br>%2"_s.arg(control->name(), controlKindName(control->kind())));
    const Units units = m_editor.report().units();
    const UnitDisplay display = unitDisplay(units);
    const MmBox box = control->box();
    const std::array values{box.left, box.top, box.width, box.height};
    for (qsizetype i = 0; i < m_lengths.size(); ++i) {
        QDoubleSpinBox* length = m_lengths[i];
        length->setDecimals(display.decimals);
        length->setSuffix(display.suffix);
        length->setSingleStep(display.step);
        length->setRange(0, fromThousandths(LongestLength, units));
        length->setValue(fromThousandths(values[static_cast<std::size_t>(i)], units));
    }
    fillFields(*control);
    if (m_caption->text() != control->caption())
        m_caption->setText(control->caption());
    refreshText(*control);
    refreshBarcode(*control);
    m_stretch->setChecked(control->stretch());
    m_keepAspect->setChecked(control->maintainAspectRatio());
    m_linePosition->setCurrentIndex(static_cast<int>(control->linePosition()));
    m_lineWeight->setValue(control->weight());
    showRows(control->kind());
}

void ControlPanel::fillFields(const Control& control) {
    m_field->clear();
    const Pipeline* pipeline = m_editor.report().pipelineNamed(control.dataPipelineName());
    if (pipeline != nullptr) {
        for (int field = 0; field < pipeline->fieldCount(); ++field)
            m_field->addItem(pipeline->fieldName(field));
    }
    const bool known = pipeline == nullptr || m_field->findText(control.dataField()) >= 0;
    setComboText(m_field, control.dataField());
    m_field->setToolTip(known ? QString()
                              : u"Os dados não têm o campo \"%1\"."_s.arg(control.dataField()));
    if (m_format->currentText() != control.displayFormat())
        m_format->setCurrentText(control.displayFormat());
}

void ControlPanel::refreshText(const Control& control) {
    const FontSettings font = control.font();
    setComboText(m_fontName, font.name);
    m_fontSize->setValue(font.size);
    m_bold->setChecked(font.bold);
    m_italic->setChecked(font.italic);
    m_underline->setChecked(font.underline);
    const QString color = control.kind() == ControlKind::Line ? control.penColor() : font.color;
    m_color->setIcon(swatch(colorFromName(color)));
    m_alignment->setCurrentIndex(static_cast<int>(control.textAlignment()));
    m_autoSize->setChecked(control.autoSize());
    m_wordWrap->setChecked(control.wordWrap());
    m_transparent->setChecked(control.transparent());
}

void ControlPanel::refreshBarcode(const Control& control) {
    int index = m_barcodeType->findData(control.barcodeType());
    if (index < 0) {
        m_barcodeType->addItem(control.barcodeType(), control.barcodeType());
        index = m_barcodeType->count() - 1;
    }
    m_barcodeType->setCurrentIndex(index);
    m_barWidth->setValue(control.mmBarWidth() / 1000.0);
}

void ControlPanel::showRows(ControlKind kind) {
    const bool text = kind == ControlKind::DataText || kind == ControlKind::Label;
    const bool data = kind == ControlKind::DataText || kind == ControlKind::DataBarcode;
    const bool barcode = kind == ControlKind::DataBarcode;
    const bool image = kind == ControlKind::Image;
    const bool line = kind == ControlKind::Line;
    m_form->setRowVisible(m_field, data);
    m_form->setRowVisible(m_caption, kind == ControlKind::Label);
    m_form->setRowVisible(m_format, kind == ControlKind::DataText);
    m_form->setRowVisible(m_fontName, text || barcode);
    m_form->setRowVisible(m_fontSize, text || barcode);
    m_form->setRowVisible(m_color, text || barcode || line);
    for (QWidget* row : {static_cast<QWidget*>(m_bold), static_cast<QWidget*>(m_italic),
                         static_cast<QWidget*>(m_underline)})
        m_form->setRowVisible(row, text || barcode);
    m_form->setRowVisible(m_alignment, text);
    m_form->setRowVisible(m_autoSize, text);
    m_form->setRowVisible(m_wordWrap, text);
    m_form->setRowVisible(m_transparent, text || barcode);
    m_form->setRowVisible(m_barcodeType, barcode);
    m_form->setRowVisible(m_barWidth, barcode);
    m_form->setRowVisible(m_picture, image);
    m_form->setRowVisible(m_stretch, image);
    m_form->setRowVisible(m_keepAspect, image);
    m_form->setRowVisible(m_linePosition, line);
    m_form->setRowVisible(m_lineWeight, line);
}

void ControlPanel::choosePicture() {
    const QString path = m_choosePicture ? m_choosePicture() : QString();
    if (path.isEmpty())
        return;
    reportErrors([&] {
        const QByteArray png = pictureAsPng(path);
        edit(u"Imagem"_s, u"Picture.Data"_s,
             [&](Control& control) { control.setPicture(u"TPNGObject"_s, png); });
    });
}

void ControlPanel::editContent() {
    const std::optional<Control> control = m_editor.control(m_name);
    if (!control)
        return;
    switch (control->kind()) {
    case ControlKind::Label:
        m_caption->setFocus(Qt::OtherFocusReason);
        m_caption->selectAll();
        break;
    case ControlKind::DataText:
    case ControlKind::DataBarcode:
        m_field->setFocus(Qt::OtherFocusReason);
        m_field->showPopup();
        break;
    case ControlKind::Image:
        choosePicture();
        break;
    default:
        break;
    }
}

void ControlPanel::chooseColor() {
    const std::optional<Control> control = m_editor.control(m_name);
    if (!control)
        return;
    const bool line = control->kind() == ControlKind::Line;
    const QColor current = colorFromName(line ? control->penColor() : control->font().color);
    const QColor chosen = QColorDialog::getColor(current, this, u"Cor"_s);
    if (!chosen.isValid() || chosen == current)
        return;
    const QString name = colorName(chosen);
    edit(u"Cor"_s, u"Color"_s, [&](Control& edited) {
        if (line) {
            edited.setPenColor(name);
            return;
        }
        FontSettings font = edited.font();
        font.color = name;
        edited.setFont(font);
    });
}

} // namespace plataforma::relatorio
