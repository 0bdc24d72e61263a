#include "plataforma/relatorio/BarcodePainter.h"

#include "plataforma/relatorio/Colors.h"
#include "plataforma/relatorio/Control.h"
#include "plataforma/relatorio/Preflight.h"

#include <QPainter>

namespace plataforma::relatorio {

namespace {

QFont digitsFont(const FontSettings& settings) {
    QFont font(settings.name);
    // Without a point size the digits are left out.
    if (const int points = drawnFontSize(settings.size); points > 0)
        font.setPointSize(points);
    else
        font.setPixelSize(1);
    font.setBold(settings.bold);
    font.setItalic(settings.italic);
    font.setUnderline(settings.underline);
    font.setStrikeOut(settings.strikeOut);
    return font;
}

} // namespace

BarcodePainter::BarcodePainter(const Control& control, PaintContext& context)
    : ControlPainter(control), m_binding(context.report, control, context.problems),
      m_barColor(colorFromName(control.barColor())),
      m_textColor(colorFromName(control.font().color)), m_opaque(!control.transparent()) {
    m_request.type = control.barcodeType();
    m_request.moduleWidth = control.mmBarWidth() / 1000.0;
    m_request.boxSize = box().size();
    m_request.font = digitsFont(control.font());
}

const Barcode* BarcodePainter::encoded(int row) {
    if (!m_binding.isBound())
        return nullptr;
    FieldValue value = m_binding.value(row);
    if (!m_barcode || value != m_value) {
        m_request.data = m_binding.text(row, value);
        m_barcode = &m_cache.barcode(m_request);
        m_value = std::move(value);
    }
    return m_barcode;
}

void BarcodePainter::paint(QPainter& painter, QPointF bandOrigin, int row) {
    const QPointF topLeft = bandOrigin + box().topLeft();
    if (m_opaque)
        painter.fillRect(QRectF(topLeft, m_request.boxSize), paperWhite());
    if (const Barcode* barcode = encoded(row))
        barcode->draw(painter, topLeft, m_barColor, m_textColor);
}

void BarcodePainter::check(Preflight& preflight) {
    ControlPainter::check(preflight);
    const Barcode* barcode = encoded(preflight.row());
    if (barcode && !barcode->isValid())
        preflight.report(name(), m_request.data, barcode->error());
}

} // namespace plataforma::relatorio
