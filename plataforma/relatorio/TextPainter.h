#pragma once

#include "plataforma/FieldValue.h"
#include "plataforma/relatorio/ControlPainter.h"
#include "plataforma/relatorio/FieldBinding.h"
#include "plataforma/relatorio/TextShaper.h"

#include <optional>

namespace plataforma::relatorio {

struct LabelRules;

// A data text (its field's value through its display format) or a label (its caption).
class TextPainter : public ControlPainter {
public:
    TextPainter(const Control& control, PaintContext& context);

    void paint(QPainter& painter, QPointF bandOrigin, int row) override;
    // Text that does not fit its box or runs past the label or the paper, and a price that is
    // zero or missing.
    void check(Preflight& preflight) override;

private:
    // Lays the row's text out, unless it is the one laid out last.
    const ShapedText& shaped(int row);
    QString fitProblem(const Preflight& preflight) const;

    TextShaper& m_shaper;
    const LabelRules& m_rules;
    int m_styleId;
    TextStyle m_style;
    bool m_opaque;
    std::optional<FieldBinding> m_binding; // none for a label
    bool m_price = false;                  // bound to a field that holds a price
    // The caption, or the text of the last value drawn: copies of a label follow each other.
    std::shared_ptr<const ShapedText> m_text;
    FieldValue m_value;
};

} // namespace plataforma::relatorio
