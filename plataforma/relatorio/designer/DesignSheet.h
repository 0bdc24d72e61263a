#pragma once

#include "plataforma/relatorio/Band.h"
#include "plataforma/relatorio/Control.h"

#include <QPointF>
#include <QRectF>
#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace plataforma::relatorio {

class Report;

// Where the designer puts a report on its sheet, in pixels at a zoom: the bands stacked one
// under another from the top, each followed by a bar with its name, which the operator drags to
// change the band's height; every band as wide as the page's printable width (or wider, to hold
// a column or a control that reaches further). Controls sit in their bands; what a band cannot
// hold is not shown, as the engine prints no band taller than it is.
class DesignSheet {
public:
    static constexpr double Margin = 10;    // pixels around the bands
    static constexpr double BarHeight = 18; // pixels of each band's name bar
    static constexpr double HandleSize = 7; // pixels of a selection handle's side

    enum class Handle { TopLeft, Top, TopRight, Right, BottomRight, Bottom, BottomLeft, Left };

    struct BandRow {
        BandKind kind;
        QRectF area; // where its controls show
        QRectF bar;  // its name bar, under it
        // The part of the band past a column's width, where a label does not reach; empty for
        // the bands of a page.
        QRectF beyondColumn;
        int mmHeight;
    };

    struct ControlItem {
        QString name;
        BandKind band;
        ControlKind kind;
        MmBox box;
        QRectF rect; // the box on the sheet
    };

    DesignSheet(Report& report, double pixelsPerMillimetre);

    double pixelsPerMillimetre() const { return m_scale; }
    QSizeF size() const { return m_size; }
    const std::vector<BandRow>& bands() const { return m_bands; }
    const std::vector<ControlItem>& controls() const { return m_controls; }
    const BandRow* band(BandKind kind) const;
    const ControlItem* control(const QString& name) const;

    // The topmost control under a point, or null; only what shows of a control counts.
    const ControlItem* controlAt(QPointF point) const;
    // The band whose name bar lies under a point.
    std::optional<BandKind> barAt(QPointF point) const;
    // The band whose area lies under a point.
    std::optional<BandKind> bandAt(QPointF point) const;

    static std::array<QRectF, 8> handleRects(const QRectF& rect);
    static std::optional<Handle> handleAt(const QRectF& rect, QPointF point);

    // Pixels to thousandths of a millimetre and back, at the sheet's zoom.
    int toThousandths(double pixels) const;
    double toPixels(int thousandths) const { return thousandths * m_scale / 1000.0; }
    // The point's place in a band, in thousandths of a millimetre from the band's corner.
    QPoint inBand(BandKind kind, QPointF point) const;

private:
    double m_scale;
    QSizeF m_size;
    std::vector<BandRow> m_bands;
    std::vector<ControlItem> m_controls;
};

// The name the operator knows a band by ("Cabeçalho de coluna").
QString bandDisplayName(BandKind kind);

} // namespace plataforma::relatorio
