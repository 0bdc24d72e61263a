#pragma once

#include "plataforma/relatorio/Control.h"

#include <QWidget>
#include <functional>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace plataforma::relatorio {

class LayoutEditor;

// The properties of the one selected control: its box in the report's unit and what its kind
// has (data field, caption, font, alignment, sizing, display format, bar code, picture, line).
// Each edit is one change of the layout editor.
class ControlPanel : public QWidget {
    Q_OBJECT

public:
    explicit ControlPanel(LayoutEditor& editor, QWidget* parent = nullptr);

    // Shows the control of that name; the panel follows the layout's changes.
    void showControl(const QString& name);
    // Asks the operator for a picture file; an empty text when they cancel.
    void setPictureChooser(std::function<QString()> choose) { m_choosePicture = std::move(choose); }
    // Asks for a picture for the control shown, an image, and puts it in.
    void choosePicture();
    // Goes to what the control shows: a label's text, a data control's field, an image's
    // picture.
    void editContent();

private:
    void buildGeometry();
    void buildData();
    void buildText();
    void buildTextLayout();
    void buildBarcode();
    void buildPicture();
    void buildLine();
    void refresh();
    void refreshText(const Control& control);
    void refreshBarcode(const Control& control);
    void showRows(ControlKind kind);
    void fillFields(const Control& control);
    void edit(const QString& text, const QString& property,
              const std::function<void(Control&)>& change);
    QDoubleSpinBox* lengthBox(const QString& objectName, const QString& label,
                              const std::function<void(MmBox&, int)>& set);
    QCheckBox* checkBox(const QString& objectName, const QString& text,
                        const std::function<void(Control&, bool)>& set);
    void chooseColor();

    LayoutEditor& m_editor;
    QString m_name;
    std::function<QString()> m_choosePicture;
    QFormLayout* m_form;
    QLabel* m_title;
    QList<QDoubleSpinBox*> m_lengths; // left, top, width, height
    QComboBox* m_field;
    QLineEdit* m_caption;
    QComboBox* m_fontName;
    QSpinBox* m_fontSize;
    QCheckBox* m_bold;
    QCheckBox* m_italic;
    QCheckBox* m_underline;
    QPushButton* m_color;
    QComboBox* m_alignment;
    QCheckBox* m_autoSize;
    QCheckBox* m_wordWrap;
    QCheckBox* m_transparent;
    QComboBox* m_format;
    QComboBox* m_barcodeType;
    QDoubleSpinBox* m_barWidth;
    QPushButton* m_picture;
    QCheckBox* m_stretch;
    QCheckBox* m_keepAspect;
    QComboBox* m_linePosition;
    QDoubleSpinBox* m_lineWeight;
};

} // namespace plataforma::relatorio
