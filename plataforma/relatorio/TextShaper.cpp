#include "plataforma/relatorio/TextShaper.h"

#include "plataforma/relatorio/Colors.h"

#include <QPainter>
#include <QTextLayout>
#include <algorithm>

namespace plataforma::relatorio {

namespace {

// Texts are laid out at this pixel size and scaled to their point size when drawn: the layout
// does not depend on any device's resolution, and without hinting its advances scale exactly.
constexpr int ReferencePixelSize = 1000;
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

ShapedText layOut(const TextStyle& style, const QString& text) {
    if (!(style.scale > 0) || text.isEmpty())
        return {{}, QRectF(QPointF(), style.autoSize ? QSizeF() : style.box), false};
    const double boxWidth = style.box.width() / style.scale;
    const double boxHeight = style.box.height() / style.scale;
    QTextLayout layout(text, style.font);
    QTextOption option;
    option.setWrapMode(style.wordWrap ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                      : QTextOption::NoWrap);
    layout.setTextOption(option);
    double height = 0;
    double widest = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(style.wordWrap ? boxWidth : 1e9);
        line.setPosition(QPointF(0, height));
        height += line.height();
        widest = std::max(widest, line.naturalTextWidth());
    }
    layout.endLayout();

    const bool fitWidth = style.autoSize && !style.wordWrap;
    const double width = fitWidth ? widest : boxWidth;
    const double factor = alignmentFactor(style.alignment);
    for (int i = 0; i < layout.lineCount(); ++i) {
        QTextLine line = layout.lineAt(i);
        line.setPosition(QPointF(factor * (width - line.naturalTextWidth()), line.y()));
    }
    ShapedText shaped;
    for (const QGlyphRun& run : layout.glyphRuns())
        appendRun(shaped.glyphs, run);
    const double left = fitWidth ? factor * (boxWidth - widest) : 0;
    shaped.box = QRectF(left * style.scale, 0, width * style.scale,
                        (style.autoSize ? height : boxHeight) * style.scale);
    shaped.clip = !style.autoSize && (widest > boxWidth || height > boxHeight);
    return shaped;
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
    style.scale = settings.size * MillimetresPerPoint / ReferencePixelSize;
    style.color = colorFromName(settings.color);
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

void drawShapedText(QPainter& painter, QPointF origin, const ShapedText& text,
                    const TextStyle& style, bool opaque) {
    const QRectF box = text.box.translated(origin);
    if (opaque)
        painter.fillRect(box, Qt::white);
    if (text.glyphs.isEmpty())
        return;
    painter.save();
    if (text.clip)
        painter.setClipRect(box, Qt::IntersectClip);
    painter.translate(box.topLeft());
    painter.scale(style.scale, style.scale);
    painter.setPen(style.color);
    for (const QGlyphRun& run : text.glyphs)
        painter.drawGlyphRun(QPointF(), run);
    painter.restore();
}

} // namespace plataforma::relatorio
