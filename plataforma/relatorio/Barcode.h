#pragma once

#include <QColor>
#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPainter;

namespace plataforma::relatorio {

// Everything that shapes a bar code's drawing. Lengths are in millimetres.
struct BarcodeRequest {
    QString type;           // the template's bar-code type identifier: "bcEAN_13", "bcCode128", ...
    QString data;           // printed as given: no blanks are trimmed
    double moduleWidth = 0; // width of the narrowest bar
    QSizeF boxSize;         // the control's size; the symbol starts at its top-left corner
    QFont font;             // human-readable text, sized in points; no point size, no text
    // The dots per inch of the device that prints the bars, whose every module then takes a
    // whole number of its dots; 0 when unknown (exact vector output): bars keep moduleWidth.
    int resolution = 0;

    // Exact comparison, unlike QSizeF's fuzzy one: equal requests must hash alike.
    friend bool operator==(const BarcodeRequest& a, const BarcodeRequest& b) {
        return a.type == b.type && a.data == b.data && a.moduleWidth == b.moduleWidth &&
               a.boxSize.width() == b.boxSize.width() && a.boxSize.height() == b.boxSize.height() &&
               a.font == b.font && a.resolution == b.resolution;
    }
};

size_t qHash(const BarcodeRequest& request, size_t seed = 0) noexcept;

// A bar code encoded once and ready to be drawn any number of times.
//
// Data that cannot be encoded is not an exception: the barcode is invalid, draws nothing and
// says why in Portuguese, so that a report can list it and go on with the next control.
class Barcode {
public:
    static Barcode encode(const BarcodeRequest& request);

    bool isValid() const { return m_error.isEmpty(); }
    const QString& error() const { return m_error; }
    // Millimetres from the box's left edge to the right edge of the drawing.
    double width() const { return m_width; }
    // Bars snapped to a device's dots that reach past the box's right edge.
    bool widerThanBox() const { return m_resolution > 0 && m_width > m_boxSize.width(); }
    // The module width drawn, in millimetres.
    double moduleWidth() const { return m_module; }

    // Draws on a painter whose user space is in millimetres, into the box of the request whose
    // top-left corner is boxTopLeft: bars from the box's top, human-readable text along its
    // bottom in the request's font, shrunk where it would not fit. Bars keep the module width even
    // when the symbol is wider than the box: the template chose that width for its printer and
    // thinner bars may no longer scan, while a symbol cut at the box's edge is plain to see in
    // the preview and fixed by widening the control. Nothing is drawn outside the box, except
    // for bars snapped to a device's dots: the whole symbol is drawn, since a cut one never
    // scans, and widerThanBox() tells the caller to report it.
    void draw(QPainter& painter, const QPointF& boxTopLeft, const QColor& barColor = Qt::black,
              const QColor& textColor = Qt::black) const;

private:
    friend class BarcodeBuilder;

    Barcode() = default;

    QString m_error;
    QSizeF m_boxSize;
    // All bars go out in one drawRects call, which a PDF receives as a single fill of
    // rectangles in the box's own coordinates, so that copies of a label repeat the same bytes
    // and compress to almost nothing. A filled QPainterPath reaches the PDF as polygons in page
    // coordinates instead: several times slower to write and ten times larger.
    QList<QRectF> m_bars;
    QList<QGlyphRun> m_glyphs; // positioned in m_glyphScale units
    double m_glyphScale = 0;   // millimetres per glyph unit
    QRectF m_clip;             // the area drawn on; null when everything falls inside the box
    double m_width = 0;
    double m_module = 0;
    int m_resolution = 0;
};

} // namespace plataforma::relatorio
