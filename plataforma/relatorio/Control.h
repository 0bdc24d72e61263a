#pragma once

#include "modelos/fluxo/Objeto.h"

#include <QByteArray>
#include <QRectF>
#include <QString>

namespace plataforma::relatorio {

// The kinds of control a template may hold. Any other class is kept in the layout, written
// back unchanged and drawn as nothing.
enum class ControlKind { DataText, DataBarcode, Label, Shape, Line, Image, Unknown };

enum class TextAlignment { Left, Center, Right };

// The edge of its box along which a line runs.
enum class LinePosition { Top, Bottom, Left, Right };

// A control's box in thousandths of a millimetre, relative to its band's top-left corner.
struct MmBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const MmBox&) const = default;

    QRectF inMillimetres() const {
        return {left / 1000.0, top / 1000.0, width / 1000.0, height / 1000.0};
    }
};

// The font of a text, or of a bar code's digits. The colour is the template's identifier
// ("clBlack", "clWindowText") or the decimal text of a numeric colour.
struct FontSettings {
    QString name = QStringLiteral("Arial");
    int size = 10; // points
    QString color = QStringLiteral("clBlack");
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    bool operator==(const FontSettings&) const = default;
};

// One control of a band, seen through its object in the report's template tree. A handle
// stays valid until the report's layout is replaced. Reads of a property the control's kind
// lacks give the default; setting one throws std::invalid_argument.
class Control {
public:
    explicit Control(fluxo::Objeto& object) : m_object(&object) {}

    ControlKind kind() const;
    const QString& className() const { return m_object->classe; }
    const QString& name() const { return m_object->nome; }
    QString userName() const;
    void setUserName(const QString& userName);

    MmBox box() const;
    void setBox(const MmBox& box);

    // Data text and data bar code.
    QString dataField() const;
    void setDataField(const QString& field);
    QString dataPipelineName() const;
    // Sets the reference (DataPipeline) and the stored name (DataPipelineName) together.
    void setDataPipelineName(const QString& pipeline);
    QString displayFormat() const;
    void setDisplayFormat(const QString& format);

    // Label.
    QString caption() const;
    void setCaption(const QString& caption);

    // Texts and the digits of a bar code.
    FontSettings font() const;
    void setFont(const FontSettings& font);
    TextAlignment textAlignment() const;
    void setTextAlignment(TextAlignment alignment);
    bool autoSize() const;
    void setAutoSize(bool autoSize);
    bool transparent() const;
    void setTransparent(bool transparent);
    bool wordWrap() const;
    void setWordWrap(bool wordWrap);

    // Bar code.
    QString barcodeType() const; // "bcEAN_13", "bcCode128", ...
    void setBarcodeType(const QString& type);
    bool autoEncode() const;
    void setAutoEncode(bool autoEncode);
    bool calcCheckDigit() const;
    void setCalcCheckDigit(bool calc);
    QString barColor() const;
    void setBarColor(const QString& color);
    int mmBarWidth() const; // the narrowest bar, in thousandths of a millimetre
    void setMmBarWidth(int width);
    int mmWideBarRatio() const; // the ratio of wide to narrow bars times 25400
    void setMmWideBarRatio(int ratio);

    // Image.
    bool maintainAspectRatio() const;
    void setMaintainAspectRatio(bool maintain);
    bool stretch() const;
    void setStretch(bool stretch);
    // The picture's class name ("TPNGObject") and its file, as the template stores them.
    QString pictureClass() const;
    QByteArray pictureBytes() const;
    void setPicture(const QString& pictureClass, const QByteArray& bytes);

    // Line.
    LinePosition linePosition() const;
    void setLinePosition(LinePosition position);
    float weight() const; // points
    void setWeight(float points);
    QString penColor() const;
    void setPenColor(const QString& color);

private:
    fluxo::Objeto* m_object;
};

} // namespace plataforma::relatorio
