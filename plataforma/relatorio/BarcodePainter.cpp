#include "plataforma/relatorio/BarcodePainter.h"

#include "plataforma/relatorio/Colors.h"
#include "plataforma/relatorio/Control.h"
#include "plataforma/relatorio/DotGrid.h"
#include "plataforma/relatorio/Preflight.h"

#include <QLocale>
#include <QPainter>

namespace plataforma::relatorio {

using namespace Qt::StringLiterals;

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

QString widerThanBox(const Barcode& barcode, double boxWidth, int resolution) {
    const QLocale portuguese(QLocale::Portuguese, QLocale::Brazil);
    return u"Com barras de %1 mm, a largura que uma impressora de %2 dpi imprime, o código de "
           u"barras ocupa %3 mm e passa da largura do controle (%4 mm); aumente o controle."_s
               .arg(portuguese.toString(barcode.moduleWidth(), 'f', 3))
               .arg(resolution)
               .arg(portuguese.toString(barcode.width(), 'f', 1),
                    portuguese.toString(boxWidth, 'f', 1));
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
    m_request.resolution = context.resolution;
}

// Snapped bars start on a dot of the page, so that every bar edge falls between two dots.
QPointF BarcodePainter::symbolOrigin(QPointF boxTopLeft) const {
    const int resolution = m_request.resolution;
    if (resolution <= 0)
        return boxTopLeft;
    return {onDotGrid(boxTopLeft.x(), resolution), onDotGrid(boxTopLeft.y(), resolution)};
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
        barcode->draw(painter, symbolOrigin(topLeft), m_barColor, m_textColor);
}

void BarcodePainter::check(Preflight& preflight) {
    ControlPainter::check(preflight);
    const Barcode* barcode = encoded(preflight.row());
    if (!barcode)
        return;
    if (!barcode->isValid())
        preflight.report(name(), m_request.data, barcode->error());
    else if (barcode->widerThanBox())
        preflight.report(name(), m_request.data,
                         widerThanBox(*barcode, m_request.boxSize.width(), m_request.resolution));
}

} // namespace plataforma::relatorio
