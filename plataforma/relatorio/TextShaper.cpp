#include "plataforma/relatorio/TextShaper.h"

#include "plataforma/relatorio/Colors.h"
#include "plataforma/relatorio/ControlPainter.h"

#include <QPainter>
#include <QTextLayout>
#include <algorithm>

namespace plataforma::relatorio {

namespace {

// Texts are laid out at this pixel size and drawn in fonts sized in millimetres: the layout
// does not depend on any device's resolution, and without hinting its advances scale exactly.
// The font engine keeps glyph metrics only up to a few hundred pixels; beyond that, laying a
// text out costs three times as much.
constexpr int ReferencePixelSize = 200;
constexpr double MillimetresPerPoint = 25.4 / 72;
// Enough distinct texts for the products of a large batch; past it the cache starts over.
constexpr qsizetype CacheLimit = 4096;

double alignmentFactor(TextAlignment alignment) {
    switch (alignment) {
    case TextAlignment::Left:
        return 0;
    case TextAlignment::Center:
        return 0.5;
    case TextAlignment::Right:
        return 1;
    }
    Q_UNREACHABLE();
}

// Runs in one font become one run: each run is a text object of its own in a PDF.
void appendRun(QList<QGlyphRun>& runs, const QGlyphRun& run) {
    if (runs.isEmpty() || runs.back().rawFont() != run.rawFont() ||
        runs.back().flags() != run.flags()) {
        runs.append(run);
        return;
    }
    QGlyphRun& last = runs.back();
    last.setGlyphIndexes(last.glyphIndexes() + run.glyphIndexes());
    last.setPositions(last.positions() + run.positions());
}

// The extent of the laid-out lines, in reference pixels.
struct Extent {
    double width = 0;
    double height = 0;
};

// Breaks the text into lines (at the box's width when it wraps), one below the other.
Extent breakLines(QTextLayout& layout, const TextStyle& style, double boxWidth) {
    QTextOption option;
    option.setWrapMode(style.wordWrap ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                      : QTextOption::NoWrap);
    layout.setTextOption(option);
    // Keeps the shaped glyphs past endLayout(), where glyphRuns() reads them.
    layout.setCacheEnabled(true);
    Extent extent;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(style.wordWrap ? boxWidth : 1e9);
        line.setPosition(QPointF(0, extent.height));
        extent.height += line.height();
        extent.width = std::max(extent.width, line.naturalTextWidth());
    }
    layout.endLayout();
    return extent;
}

} // namespace

TextStyle TextStyle::of(const Control& control) {
    const FontSettings settings = control.font();
    TextStyle style;
    style.font = QFont(settings.name);
    style.font.setPixelSize(ReferencePixelSize);
    style.font.setBold(settings.bold);
    style.font.setItalic(settings.italic);
    style.font.setUnderline(settings.underline);
    style.font.setStrikeOut(settings.strikeOut);
    style.font.setHintingPreference(QFont::PreferNoHinting);
    style.scale = drawnFontSize(settings.size) * MillimetresPerPoint / ReferencePixelSize;
    style.pen = QPen(colorFromName(settings.color));
    style.alignment = control.textAlignment();
    style.wordWrap = control.wordWrap();
    style.autoSize = control.autoSize();
    style.box = control.box().inMillimetres().size();
    return style;
}

std::shared_ptr<const ShapedText> TextShaper::shape(int styleId, const TextStyle& style,
                                                    const QString& text) {
    std::pair key{styleId, text};
    if (const auto found = m_cache.constFind(key); found != m_cache.cend())
        return *found;
    if (m_cache.size() >= CacheLimit)
        m_cache.clear();
    auto shaped = std::make_shared<const ShapedText>(layOut(style, text));
    m_cache.insert(std::move(key), shaped);
    return shaped;
}

ShapedText TextShaper::layOut(const TextStyle& style, const QString& text) {
    if (!(style.scale > 0) || text.isEmpty())
        return {{}, QRectF(QPointF(), style.autoSize ? QSizeF() : style.box), false};
    const double boxWidth = style.box.width() / style.scale;
    const double boxHeight = style.box.height() / style.scale;
    QTextLayout layout(text, style.font);
    const Extent extent = breakLines(layout, style, boxWidth);

    const bool fitWidth = style.autoSize && !style.wordWrap;
    const double width = fitWidth ? extent.width : boxWidth;
    const double factor = alignmentFactor(style.alignment);
    for (int i = 0; i < layout.lineCount(); ++i) {
        QTextLine line = layout.lineAt(i);
        line.setPosition(QPointF(factor * (width - line.naturalTextWidth()), line.y()));
    }
    // In millimetres, so that drawing needs no change of the painter's transform: each change
    // costs a PDF a graphics state of its own.
    ShapedText shaped;
    const double pixelSize = ReferencePixelSize * style.scale;
    for (QGlyphRun run : layout.glyphRuns()) {
        QList<QPointF> positions = run.positions();
        for (QPointF& position : positions)
            position *= style.scale;
        run.setPositions(positions);
        run.setRawFont(sized(run.rawFont(), pixelSize));
        appendRun(shaped.glyphs, run);
    }
    const double left = fitWidth ? factor * (boxWidth - extent.width) : 0;
    shaped.box = QRectF(left * style.scale, 0, width * style.scale,
                        (style.autoSize ? extent.height : boxHeight) * style.scale);
    shaped.clip = !style.autoSize && (extent.width > boxWidth || extent.height > boxHeight);
    return shaped;
}

const QRawFont& TextShaper::sized(const QRawFont& reference, double pixelSize) {
    for (const SizedFont& font : m_fonts) {
        if (font.pixelSize == pixelSize && font.reference == reference)
            return font.sized;
    }
    QRawFont sized = reference;
    sized.setPixelSize(pixelSize);
    return m_fonts.emplace_back(SizedFont{reference, pixelSize, sized}).sized;
}

void drawShapedText(QPainter& painter, QPointF origin, const ShapedText& text,
                    const TextStyle& style, bool opaque) {
    const QRectF box = text.box.translated(origin);
    if (opaque)
        painter.fillRect(box, paperWhite());
    if (text.glyphs.isEmpty())
        return;
    if (text.clip) {
        painter.save();
        painter.setClipRect(box, Qt::IntersectClip);
    }
    painter.setPen(style.pen);
    for (const QGlyphRun& run : text.glyphs)
        painter.drawGlyphRun(box.topLeft(), run);
    if (text.clip)
        painter.restore();
}

} // namespace plataforma::relatorio
