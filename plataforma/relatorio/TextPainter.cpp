#include "plataforma/relatorio/TextPainter.h"

#include "plataforma/relatorio/Control.h"
#include "plataforma/relatorio/Preflight.h"
#include "plataforma/relatorio/Report.h"

namespace plataforma::relatorio {

using namespace Qt::StringLiterals;

TextPainter::TextPainter(const Control& control, PaintContext& context)
    : ControlPainter(control), m_shaper(context.shaper), m_rules(context.report.labelRules()),
      m_styleId(context.nextStyleId++), m_style(TextStyle::of(control)),
      m_opaque(!control.transparent()) {
    if (control.kind() == ControlKind::DataText) {
        m_binding.emplace(context.report, control, context.problems);
        m_price = m_binding->isBound() && m_rules.isPrice(control.dataField());
    } else {
        m_text = m_shaper.shape(m_styleId, m_style, control.caption());
    }
}

const ShapedText& TextPainter::shaped(int row) {
    if (m_binding) {
        FieldValue value = m_binding->value(row);
        if (!m_text || value != m_value) {
            m_text = m_shaper.shape(m_styleId, m_style, m_binding->text(row, value));
            m_value = std::move(value);
        }
    }
    return *m_text;
}

void TextPainter::paint(QPainter& painter, QPointF bandOrigin, int row) {
    drawShapedText(painter, bandOrigin + box().topLeft(), shaped(row), m_style, m_opaque);
}

void TextPainter::check(Preflight& preflight) {
    const int row = preflight.row();
    shaped(row);
    const QString fit = fitProblem(preflight);
    const Money* price = m_price ? std::get_if<Money>(&m_value) : nullptr;
    const QString priceProblem = price ? m_rules.priceProblem(*price) : QString();
    if (fit.isEmpty() && priceProblem.isEmpty())
        return;
    const QString text = m_binding ? m_binding->text(row, m_value) : QString();
    for (const QString& reason : {fit, priceProblem}) {
        if (!reason.isEmpty())
            preflight.report(name(), text, reason);
    }
}

QString TextPainter::fitProblem(const Preflight& preflight) const {
    const ShapedText& text = *m_text;
    // What the operator fixes in the box comes first: past an edge, the box itself is there.
    if (text.linesThatFit < text.lines) {
        return u"O texto não cabe na caixa: tem %1 linhas e só cabem %2."_s.arg(text.lines)
            .arg(text.linesThatFit);
    }
    if (text.tooWide)
        return u"O texto é mais largo que a caixa, que não quebra linhas."_s;
    if (text.ink.isNull())
        return {};
    const QRectF ink = text.ink.translated(preflight.label().topLeft() + box().topLeft());
    if (!Preflight::inside(ink, preflight.paper()))
        return u"O texto passa da borda do papel."_s;
    if (!Preflight::inside(ink, preflight.label()))
        return u"O texto passa da borda da etiqueta."_s;
    return {};
}

} // namespace plataforma::relatorio
