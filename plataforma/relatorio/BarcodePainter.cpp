#include "plataforma/relatorio/BarcodePainter.h"

#include "plataforma/relatorio/Colors.h"
#include "plataforma/relatorio/Control.h"
#include "plataforma/relatorio/Problems.h"

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
    : m_problems(context.problems), m_name(control.name()),
      m_binding(context.report, control, context.problems),
      m_barColor(colorFromName(control.barColor())),
      m_textColor(colorFromName(control.font().color)), m_opaque(!control.transparent()) {
    const QRectF box = control.box().inMillimetres();
    m_topLeft = box.topLeft();
    m_request.type = control.barcodeType();
    m_request.moduleWidth = control.mmBarWidth() / 1000.0;
    m_request.boxSize = box.size();
    m_request.font = digitsFont(control.font());
}

void BarcodePainter::paint(QPainter& painter, QPointF bandOrigin, int row) {
    const QPointF topLeft = bandOrigin + m_topLeft;
    if (m_opaque)
        painter.fillRect(QRectF(topLeft, m_request.boxSize), paperWhite());
    if (!m_binding.isBound())
        return;
    FieldValue value = m_binding.value(row);
    if (!m_barcode || value != m_value) {
        m_request.data = m_binding.text(row, value);
        m_barcode = &m_cache.barcode(m_request);
        m_value = std::move(value);
        if (!m_barcode->isValid())
            m_problems.add({row, m_name, m_request.data, m_barcode->error()});
    }
    m_barcode->draw(painter, topLeft, m_barColor, m_textColor);
}

} // namespace plataforma::relatorio
