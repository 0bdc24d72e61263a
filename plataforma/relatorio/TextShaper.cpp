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
// A thousandth of a millimetre, the templates' own unit, for the rounding of lengths.
constexpr double Slack = 0.001;

QRectF inMillimetres(const QRectF& referencePixels, const TextStyle& style) {
    return QRectF(referencePixels.topLeft() * style.scale, referencePixels.size() * style.scale);
}

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

// Breaks the text into lines (at the box's width when it wraps), one below the other.
void breakLines(QTextLayout& layout, const TextStyle& style, double boxWidth) {
    QTextOption option;
    option.setWrapMode(style.wordWrap ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                      : QTextOption::NoWrap);
    layout.setTextOption(option);
    // Keeps the shaped glyphs past endLayout(), where glyphRuns() reads them.
    layout.setCacheEnabled(true);
    double y = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(style.wordWrap ? boxWidth : 1e9);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
}

// How many of the first lines fit whole in a box of that height, in reference pixels.
int linesWithin(const QTextLayout& layout, double height) {
    // Lengths from a template in thousandths of a millimetre do not land exactly on the font's
    // sixty-fourths of a pixel.
    constexpr double Rounding = 1e-6;
    int lines = 0;
    while (lines < layout.lineCount() && layout.lineAt(lines).rect().bottom() <= height + Rounding)
        ++lines;
    return lines;
}

// The extent of the first lines, in reference pixels, as laid out from the left edge.
QRectF extentOf(const QTextLayout& layout, int lines) {
    QRectF extent;
    for (int i = 0; i < lines; ++i) {
        const QTextLine line = layout.lineAt(i);
        extent |= QRectF(line.x(), line.y(), line.naturalTextWidth(), line.height());
    }
    return extent;
}

// The glyphs of the first lines.
QList<QGlyphRun> glyphsOf(const QTextLayout& layout, int lines) {
    if (lines == layout.lineCount())
        return layout.glyphRuns();
    if (lines == 0)
        return {};
    const QTextLine last = layout.lineAt(lines - 1);
    return layout.glyphRuns(0, last.textStart() + last.textLength());
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
    ShapedText shaped;
    if (!(style.scale > 0) || text.isEmpty()) {
        shaped.box = QRectF(QPointF(), style.autoSize ? QSizeF() : style.box);
        return shaped;
    }
    const double boxWidth = style.box.width() / style.scale;
    const double boxHeight = style.box.height() / style.scale;
    QTextLayout layout(text, style.font);
    breakLines(layout, style, boxWidth);

    shaped.lines = layout.lineCount();
    shaped.linesThatFit = style.wordWrap ? linesWithin(layout, boxHeight) : shaped.lines;
    const int drawn = style.wordWrap && !style.autoSize ? shaped.linesThatFit : shaped.lines;
    const QRectF extent = extentOf(layout, drawn);
    const bool fitWidth = style.autoSize && !style.wordWrap;
    const double width = fitWidth ? extent.width() : boxWidth;
    const double factor = alignmentFactor(style.alignment);
    for (int i = 0; i < layout.lineCount(); ++i) {
        QTextLine line = layout.lineAt(i);
        line.setPosition(QPointF(factor * (width - line.naturalTextWidth()), line.y()));
    }
    const QRectF ink = takeGlyphs(layout, drawn, style, shaped);
    const double left = fitWidth ? factor * (boxWidth - extent.width()) : 0;
    const QRectF box(left, 0, width, style.autoSize ? extent.height() : boxHeight);
    shaped.box = inMillimetres(box, style);
    shaped.clip = !style.autoSize && (extent.width() > boxWidth || extent.height() > boxHeight);
    // The outlines, not the advances: a caption whose last advance passes the box's edge by a
    // hair keeps its ink inside.
    const double slack = Slack / style.scale;
    shaped.tooWide = !style.wordWrap && !style.autoSize && !ink.isNull() &&
                     (ink.left() < -slack || ink.right() > width + slack);
    const QRectF inBox = ink.translated(left, 0);
    shaped.ink = inMillimetres(shaped.clip ? inBox & box : inBox, style);
    return shaped;
}

QRectF TextShaper::takeGlyphs(const QTextLayout& layout, int lines, const TextStyle& style,
                              ShapedText& shaped) {
    const double pixelSize = ReferencePixelSize * style.scale;
    QRectF ink;
    for (QGlyphRun run : glyphsOf(layout, lines)) {
        const QList<quint32> glyphs = run.glyphIndexes();
        QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < positions.size(); ++i) {
            ink |= run.rawFont().boundingRect(glyphs[i]).translated(positions[i]);
            positions[i] *= style.scale;
        }
        run.setPositions(positions);
        run.setRawFont(sized(run.rawFont(), pixelSize));
        appendRun(shaped.glyphs, run);
    }
    return ink;
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
