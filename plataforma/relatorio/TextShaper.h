#pragma once

#include "plataforma/relatorio/Control.h"

#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QList>
#include <QPen>
#include <QRawFont>
#include <QRectF>
#include <QSizeF>
#include <memory>
#include <utility>
#include <vector>

class QTextLayout;

namespace plataforma::relatorio {

// How a text control lays out its text.
struct TextStyle {
    QFont font;       // at the reference pixel size
    double scale = 0; // millimetres per reference pixel
    QPen pen;         // of the text's colour, made once: each new pen costs an allocation
    TextAlignment alignment = TextAlignment::Left;
    bool wordWrap = false;
    bool autoSize = false;
    QSizeF box; // millimetres

    static TextStyle of(const Control& control);
};

// A text laid out once and drawn any number of times, in millimetres: glyphs in fonts sized in
// millimetres, placed from the top-left corner of box; box from the control's top-left corner.
// Auto size fits the box to the text: its width to a single line (the left edge stays for
// left-justified text, the right edge for right-justified, the centre for centred), its height
// to the lines. Without auto size, wrapped text keeps only the lines that fit whole in the box:
// a line cut in half by the box's bottom edge would show over whatever lies below.
struct ShapedText {
    QList<QGlyphRun> glyphs;
    QRectF box;
    bool clip = false; // the text overflows its box
    // Where the drawn glyphs show, from the control's top-left corner: null for no text.
    QRectF ink;
    int lines = 0;        // the lines the text breaks into
    int linesThatFit = 0; // of them, those that fit whole in the control's box as designed
    bool tooWide = false; // a line shows past a box that neither wraps nor sizes itself
};

// Lays texts out and keeps them: a label batch prints each product's texts on several labels,
// and the same price on many.
class TextShaper {
public:
    // styleId names the style among the calls; each control has its own.
    std::shared_ptr<const ShapedText> shape(int styleId, const TextStyle& style,
                                            const QString& text);

private:
    // The font a glyph run was laid out in, at the size a style draws it.
    struct SizedFont {
        QRawFont reference;
        double pixelSize;
        QRawFont sized;
    };

    ShapedText layOut(const TextStyle& style, const QString& text);
    // Moves the glyphs of the first lines into shaped, in millimetres, so that drawing needs no
    // change of the painter's transform: each change costs a PDF a graphics state of its own.
    // Gives where their outlines show, in reference pixels.
    QRectF takeGlyphs(const QTextLayout& layout, int lines, const TextStyle& style,
                      ShapedText& shaped);
    const QRawFont& sized(const QRawFont& reference, double pixelSize);

    QHash<std::pair<int, QString>, std::shared_ptr<const ShapedText>> m_cache;
    std::vector<SizedFont> m_fonts;
};

// Draws shaped text whose control's top-left corner is at origin (millimetres); an opaque
// control fills its box white first.
void drawShapedText(QPainter& painter, QPointF origin, const ShapedText& text,
                    const TextStyle& style, bool opaque);

} // namespace plataforma::relatorio
