#include "plataforma/relatorio/Barcode.h"

#include "plataforma/relatorio/DotGrid.h"
#include "plataforma/relatorio/Symbology.h"

#include <QHashFunctions>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>
#include <zint.h>

namespace plataforma::relatorio {

using namespace Qt::StringLiterals;

namespace {

// Text is laid out at this pixel size and scaled down when drawn: pixel sizes do not depend on
// the device's resolution, and hinting at this size barely moves a glyph.
constexpr int referencePixelSize = 100;

struct ZintDeleter {
    void operator()(zint_symbol* symbol) const { ZBarcode_Delete(symbol); }
};
using ZintSymbol = std::unique_ptr<zint_symbol, ZintDeleter>;

// One dark run of modules, measured in modules. Guard bars are longer than the others.
struct Bar {
    double x;
    double width;
    double height;
};

// One human-readable string as libzint places it, in modules.
struct Caption {
    QString text;
    double anchor;
    int alignment; // libzint's: 0 centred on anchor, 1 starting at it, 2 ending at it
    double room;   // width it may take without touching a long bar or leaving the symbol
};

struct LaidOutCaption {
    QList<QGlyphRun> glyphs;
    double anchor;
    int alignment;
    double width; // in reference pixels
    double ascent;
};

QString zintReason(int code) {
    switch (code) {
    case ZINT_ERROR_TOO_LONG:
        return u"dados longos demais"_s;
    case ZINT_ERROR_INVALID_DATA:
        return u"caractere não permitido"_s;
    case ZINT_ERROR_INVALID_CHECK:
        return u"dígito verificador incorreto"_s;
    default:
        return u"não foi possível gerar o código"_s;
    }
}

// The width a caption anchored at x may take: up to the nearest guard bar on either side, which
// reaches down beside the text, or up to the symbol's edges.
double captionRoom(double x, int alignment, const std::vector<Bar>& bars, double normalHeight,
                   double symbolWidth) {
    double left = 0;
    double right = symbolWidth;
    for (const Bar& bar : bars) {
        if (bar.height <= normalHeight)
            continue;
        if (bar.x + bar.width <= x)
            left = std::max(left, bar.x + bar.width);
        else if (bar.x >= x)
            right = std::min(right, bar.x);
    }
    switch (alignment) {
    case 1:
        return right - x;
    case 2:
        return x - left;
    default:
        return 2 * std::min(x - left, right - x);
    }
}

LaidOutCaption layOut(const Caption& caption, const QFont& font) {
    QTextLayout layout(caption.text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e6);
    layout.endLayout();
    return {layout.glyphRuns(), caption.anchor, caption.alignment, line.naturalTextWidth(),
            line.ascent()};
}

// Captions in the same font join one run: each run costs a text object of its own in a PDF.
void appendGlyphs(QList<QGlyphRun>& runs, const QGlyphRun& run, QPointF offset) {
    QList<QPointF> positions = run.positions();
    for (QPointF& p : positions)
        p += offset;
    if (runs.isEmpty() || runs.back().rawFont() != run.rawFont()) {
        runs.append(run);
        runs.back().setPositions(positions);
        return;
    }
    QGlyphRun& last = runs.back();
    last.setGlyphIndexes(last.glyphIndexes() + run.glyphIndexes());
    last.setPositions(last.positions() + positions);
}

} // namespace

size_t qHash(const BarcodeRequest& request, size_t seed) noexcept {
    return qHashMulti(seed, request.type, request.data, request.moduleWidth,
                      request.boxSize.width(), request.boxSize.height(), request.font,
                      request.resolution);
}

// Turns libzint's vector output, measured in modules, into our drawing in millimetres.
class BarcodeBuilder {
public:
    BarcodeBuilder(const BarcodeRequest& request, const zint_vector& vector);
    Barcode build() &&;

private:
    void layOutCaptions();
    void placeBars(double barHeight, double textHeight);
    void insetOnDots();
    void placeGlyphs(double baseline);

    const BarcodeRequest& m_request;
    double m_module; // millimetres, as drawn
    std::vector<Bar> m_bars;
    std::vector<Caption> m_captions;
    std::vector<LaidOutCaption> m_laidOut;
    double m_normalHeight = 0;
    double m_scale = 0;      // millimetres per reference pixel of text
    double m_lineHeight = 0; // reference pixels
    double m_ascent = 0;     // reference pixels
    Barcode m_result;
};

BarcodeBuilder::BarcodeBuilder(const BarcodeRequest& request, const zint_vector& vector)
    : m_request(request),
      m_module(request.resolution > 0 ? wholeDots(request.moduleWidth, request.resolution)
                                      : request.moduleWidth) {
    for (const zint_vector_rect* r = vector.rectangles; r; r = r->next)
        m_bars.push_back({r->x, r->width, r->height});
    if (m_bars.empty())
        return;
    m_normalHeight = std::min_element(m_bars.begin(), m_bars.end(), [](const Bar& a, const Bar& b) {
                         return a.height < b.height;
                     })->height;
    if (request.font.pointSizeF() <= 0)
        return;
    for (const zint_vector_string* s = vector.strings; s; s = s->next) {
        const double room = captionRoom(s->x, s->halign, m_bars, m_normalHeight, vector.width);
        m_captions.push_back(
            {QString::fromUtf8(reinterpret_cast<const char*>(s->text)), s->x, s->halign, room});
    }
}

// The digits keep the control's font but shrink by the smaller of two factors: the one that
// fits every caption into its room between guard bars, and the one that keeps the text
// within half the box's height so that bars remain. Shrinking by the smaller keeps both true
// without distorting the glyphs.
void BarcodeBuilder::layOutCaptions() {
    QFont reference = m_request.font;
    reference.setPixelSize(referencePixelSize);
    const QFontMetricsF metrics(reference);
    m_lineHeight = metrics.ascent() + metrics.descent();
    m_ascent = metrics.ascent();
    const double nominal = m_request.font.pointSizeF() * 25.4 / 72 / referencePixelSize;
    double fit = std::min(1.0, m_request.boxSize.height() / 2 / (m_lineHeight * nominal));
    for (const Caption& caption : m_captions) {
        LaidOutCaption laid = layOut(caption, reference);
        if (laid.width > 0)
            fit = std::min(fit, caption.room * m_module / (laid.width * nominal));
        m_laidOut.push_back(std::move(laid));
    }
    m_scale = nominal * fit;
}

void BarcodeBuilder::placeBars(double barHeight, double textHeight) {
    const double m = m_module;
    for (const Bar& bar : m_bars) {
        const double descent = std::min((bar.height - m_normalHeight) * m, textHeight);
        m_result.m_bars.append(QRectF(bar.x * m, 0, bar.width * m, barHeight + descent));
    }
}

// Rasterisers differ on the dots a shape's edge passes between: some fill the dots whose centre
// the shape covers (Qt, Ghostscript, which may widen a shape by up to half a dot), others every
// dot the shape touches (poppler), one dot more per bar. Drawn a quarter of a dot inside the
// edges of its dots, a bar fills exactly its own dots under every such rule.
void BarcodeBuilder::insetOnDots() {
    const double inset = dotWidth(m_request.resolution) / 4;
    for (QRectF& bar : m_result.m_bars)
        bar.adjust(inset, 0, -inset, 0);
}

void BarcodeBuilder::placeGlyphs(double baseline) {
    const double m = m_module;
    for (LaidOutCaption& laid : m_laidOut) {
        const double shift = laid.alignment == 1 ? 0 : laid.alignment == 2 ? 1 : 0.5;
        const QPointF offset(laid.anchor * m / m_scale - shift * laid.width,
                             baseline / m_scale - laid.ascent);
        for (const QGlyphRun& run : std::as_const(laid.glyphs))
            appendGlyphs(m_result.m_glyphs, run, offset);
    }
}

Barcode BarcodeBuilder::build() && {
    const QSizeF box = m_request.boxSize;
    m_result.m_boxSize = box;
    if (!m_captions.empty())
        layOutCaptions();
    const bool text = m_scale > 0;
    const double textHeight = text ? m_lineHeight * m_scale : 0;
    placeBars(box.height() - textHeight, textHeight);
    if (text) {
        placeGlyphs(box.height() - textHeight + m_ascent * m_scale);
        m_result.m_glyphScale = m_scale;
    }
    QRectF ink;
    for (const QRectF& bar : std::as_const(m_result.m_bars))
        ink |= bar;
    for (const QGlyphRun& run : std::as_const(m_result.m_glyphs)) {
        const QRectF r = run.boundingRect();
        ink |= QRectF(r.topLeft() * m_scale, r.size() * m_scale);
    }
    m_result.m_width = ink.right();
    m_result.m_module = m_module;
    if (m_request.resolution > 0)
        insetOnDots();
    m_result.m_resolution = m_request.resolution;
    QRectF area(QPointF(), box);
    if (m_request.resolution > 0) {
        // Whole modules of dots widen the symbol; a symbol cut at the box's edge never scans.
        area.setLeft(std::min(0.0, ink.left()));
        area.setRight(std::max(box.width(), ink.right()));
    }
    if (!area.contains(ink))
        m_result.m_clip = area;
    return std::move(m_result);
}

namespace {

// Why the request cannot be drawn, checked before libzint runs; an empty text when it can.
QString requestProblem(const BarcodeRequest& request, const Symbology* symbology) {
    if (!symbology)
        return u"Tipo de código de barras não suportado: \"%1\""_s.arg(request.type);
    const auto positive = [](double length) {
        return length > 0 && std::isfinite(length);
    };
    if (!positive(request.moduleWidth) || !positive(request.boxSize.width()) ||
        !positive(request.boxSize.height()))
        return u"Dimensões inválidas no código de barras %1"_s.arg(symbology->displayName);
    if (symbology->digits > 0)
        return retailDataProblem(*symbology, request.data);
    if (request.data.isEmpty())
        return u"Código de barras %1 inválido: \"\" (sem dados)"_s.arg(symbology->displayName);
    return {};
}

} // namespace

Barcode Barcode::encode(const BarcodeRequest& request) {
    const Symbology* symbology = findSymbology(request.type);
    Barcode invalid;
    invalid.m_error = requestProblem(request, symbology);
    if (!invalid.m_error.isEmpty())
        return invalid;

    const ZintSymbol symbol(ZBarcode_Create());
    symbol->symbology = symbology->zintId;
    symbol->input_mode = UNICODE_MODE;
    symbol->scale = 0.5f; // one vector unit per module
    const QByteArray utf8 = request.data.toUtf8();
    const int code = ZBarcode_Encode_and_Buffer_Vector(
        symbol.get(), reinterpret_cast<const unsigned char*>(utf8.constData()),
        static_cast<int>(utf8.size()), 0);
    if (code >= ZINT_ERROR) {
        invalid.m_error = u"Código de barras %1 inválido: \"%2\" (%3)"_s.arg(
            symbology->displayName, request.data, zintReason(code));
        return invalid;
    }
    return BarcodeBuilder(request, *symbol->vector).build();
}

void Barcode::draw(QPainter& painter, const QPointF& boxTopLeft, const QColor& barColor,
                   const QColor& textColor) const {
    if (!isValid())
        return;
    painter.save();
    painter.translate(boxTopLeft);
    if (!m_clip.isNull())
        painter.setClipRect(m_clip, Qt::IntersectClip);
    painter.setPen(Qt::NoPen);
    painter.setBrush(barColor);
    painter.drawRects(m_bars.constData(), int(m_bars.size()));
    if (!m_glyphs.isEmpty()) {
        painter.setPen(textColor);
        painter.scale(m_glyphScale, m_glyphScale);
        for (const QGlyphRun& run : m_glyphs)
            painter.drawGlyphRun(QPointF(), run);
    }
    painter.restore();
}

} // namespace plataforma::relatorio
