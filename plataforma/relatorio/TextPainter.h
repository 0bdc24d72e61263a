#pragma once

#include "plataforma/FieldValue.h"
#include "plataforma/relatorio/ControlPainter.h"
#include "plataforma/relatorio/FieldBinding.h"
#include "plataforma/relatorio/TextShaper.h"

#include <optional>

namespace plataforma::relatorio {

// A data text (its field's value through its display format) or a label (its caption).
class TextPainter : public ControlPainter {
public:
    TextPainter(const Control& control, PaintContext& context);

    void paint(QPainter& painter, QPointF bandOrigin, int row) override;

private:
    TextShaper& m_shaper;
    int m_styleId;
    TextStyle m_style;
    QPointF m_topLeft;
    bool m_opaque;
    std::optional<FieldBinding> m_binding; // none for a label
    // The caption, or the text of the last value drawn: copies of a label follow each other.
    std::shared_ptr<const ShapedText> m_text;
    FieldValue m_value;
};

} // namespace plataforma::relatorio
