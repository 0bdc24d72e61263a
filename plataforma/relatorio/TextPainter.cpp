#include "plataforma/relatorio/TextPainter.h"

#include "plataforma/relatorio/Control.h"

namespace plataforma::relatorio {

TextPainter::TextPainter(const Control& control, PaintContext& context)
    : m_shaper(context.shaper), m_styleId(context.nextStyleId++), m_style(TextStyle::of(control)),
      m_topLeft(control.box().inMillimetres().topLeft()), m_opaque(!control.transparent()) {
    if (control.kind() == ControlKind::DataText)
        m_binding.emplace(context.report, control, context.problems);
    else
        m_text = m_shaper.shape(m_styleId, m_style, control.caption());
}

void TextPainter::paint(QPainter& painter, QPointF bandOrigin, int row) {
    if (m_binding) {
        FieldValue value = m_binding->value(row);
        if (!m_text || value != m_value) {
            m_text = m_shaper.shape(m_styleId, m_style, m_binding->text(row, value));
            m_value = std::move(value);
        }
    }
    drawShapedText(painter, bandOrigin + m_topLeft, *m_text, m_style, m_opaque);
}

} // namespace plataforma::relatorio
