#pragma once

#include "plataforma/FieldValue.h"
#include "plataforma/relatorio/BarcodeCache.h"
#include "plataforma/relatorio/ControlPainter.h"
#include "plataforma/relatorio/FieldBinding.h"

#include <QColor>

namespace plataforma::relatorio {

// A data bar code: its field's text encoded at the template's bar width, the digits in the
// control's font. For a run that knows its device's resolution, the bars go on the device's
// dots; a symbol that they make wider than the box is drawn whole, from the box's left edge, and
// reported. (A bar-code control has no alignment to centre it by.)
class BarcodePainter : public ControlPainter {
public:
    BarcodePainter(const Control& control, PaintContext& context);

    void paint(QPainter& painter, QPointF bandOrigin, int row) override;
    // Data that cannot be encoded, and a box that leaves the paper.
    void check(Preflight& preflight) override;

private:
    // The row's bar code, null when the control is not bound to a field.
    const Barcode* encoded(int row);

    // Where the symbol starts for a box whose top-left corner is boxTopLeft.
    QPointF symbolOrigin(QPointF boxTopLeft) const;

    FieldBinding m_binding;
    BarcodeRequest m_request;
    BarcodeCache m_cache;
    QColor m_barColor;
    QColor m_textColor;
    bool m_opaque;
    // The last value drawn and its bar code: copies of a label follow each other.
    FieldValue m_value;
    const Barcode* m_barcode = nullptr;
};

} // namespace plataforma::relatorio
