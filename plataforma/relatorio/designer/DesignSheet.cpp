#include "plataforma/relatorio/designer/DesignSheet.h"

#include "plataforma/relatorio/Report.h"

#include <algorithm>
#include <cmath>

namespace plataforma::relatorio {

using namespace Qt::StringLiterals;

namespace {

// Lines have no height: they are grabbed within a few pixels of their box.
constexpr double GrabSlack = 3;

bool isColumnBand(BandKind kind) {
    return kind == BandKind::ColumnHeader || kind == BandKind::Detail ||
           kind == BandKind::ColumnFooter;
}

// The sheet's width in thousandths of a millimetre.
int sheetWidth(Report& report) {
    PrinterSetup setup = report.printerSetup();
    const MmMargins margins = setup.margins();
    int width =
        std::max(setup.mmPaperWidth() - margins.left - margins.right, report.mmColumnWidth());
    for (const Band& band : report.bands()) {
        for (const Control& control : band.controls())
            width = std::max(width, control.box().left + control.box().width);
    }
    return std::max(width, 10000);
}

} // namespace

QString bandDisplayName(BandKind kind) {
    switch (kind) {
    case BandKind::Header:
        return u"Cabeçalho"_s;
    case BandKind::ColumnHeader:
        return u"Cabeçalho de coluna"_s;
    case BandKind::Detail:
        return u"Detalhe"_s;
    case BandKind::ColumnFooter:
        return u"Rodapé de coluna"_s;
    case BandKind::Footer:
        return u"Rodapé"_s;
    }
    Q_UNREACHABLE();
}

DesignSheet::DesignSheet(Report& report, double pixelsPerMillimetre)
    : m_scale(pixelsPerMillimetre) {
    const double width = toPixels(sheetWidth(report));
    const double columnWidth = toPixels(report.mmColumnWidth());
    double top = Margin;
    for (const Band& band : report.bands()) {
        BandRow row{band.kind(),
                    QRectF(Margin, top, width, toPixels(band.mmHeight())),
                    {},
                    {},
                    band.mmHeight()};
        row.bar = QRectF(Margin, row.area.bottom(), width, BarHeight);
        if (isColumnBand(band.kind()) && columnWidth > 0 && columnWidth < width) {
            row.beyondColumn = QRectF(Margin + columnWidth, row.area.top(), width - columnWidth,
                                      row.area.height());
        }
        for (const Control& control : band.controls()) {
            const MmBox box = control.box();
            const QRectF rect(row.area.left() + toPixels(box.left),
                              row.area.top() + toPixels(box.top), toPixels(box.width),
                              toPixels(box.height));
            m_controls.push_back({control.name(), band.kind(), control.kind(), box, rect});
        }
        m_bands.push_back(row);
        top = row.bar.bottom();
    }
    m_size = QSizeF(width + 2 * Margin, top + Margin);
}

const DesignSheet::BandRow* DesignSheet::band(BandKind kind) const {
    const auto it = std::find_if(m_bands.begin(), m_bands.end(),
                                 [kind](const BandRow& row) { return row.kind == kind; });
    return it == m_bands.end() ? nullptr : &*it;
}

const DesignSheet::ControlItem* DesignSheet::control(const QString& name) const {
    const auto it = std::find_if(m_controls.begin(), m_controls.end(),
                                 [&name](const ControlItem& item) { return item.name == name; });
    return it == m_controls.end() ? nullptr : &*it;
}

const DesignSheet::ControlItem* DesignSheet::controlAt(QPointF point) const {
    for (auto it = m_controls.rbegin(); it != m_controls.rend(); ++it) {
        const QRectF shown =
            it->rect.adjusted(-GrabSlack, -GrabSlack, GrabSlack, GrabSlack) & band(it->band)->area;
        if (shown.contains(point))
            return &*it;
    }
    return nullptr;
}

std::optional<BandKind> DesignSheet::barAt(QPointF point) const {
    for (const BandRow& row : m_bands) {
        if (row.bar.contains(point))
            return row.kind;
    }
    return std::nullopt;
}

std::optional<BandKind> DesignSheet::bandAt(QPointF point) const {
    for (const BandRow& row : m_bands) {
        if (row.area.contains(point))
            return row.kind;
    }
    return std::nullopt;
}

std::array<QRectF, 8> DesignSheet::handleRects(const QRectF& rect) {
    const auto at = [](double x, double y) {
        return QRectF(x - HandleSize / 2, y - HandleSize / 2, HandleSize, HandleSize);
    };
    const QPointF c = rect.center();
    return {at(rect.left(), rect.top()),     at(c.x(), rect.top()),
            at(rect.right(), rect.top()),    at(rect.right(), c.y()),
            at(rect.right(), rect.bottom()), at(c.x(), rect.bottom()),
            at(rect.left(), rect.bottom()),  at(rect.left(), c.y())};
}

std::optional<DesignSheet::Handle> DesignSheet::handleAt(const QRectF& rect, QPointF point) {
    const std::array<QRectF, 8> handles = handleRects(rect);
    for (std::size_t i = 0; i < handles.size(); ++i) {
        if (handles[i].adjusted(-1, -1, 1, 1).contains(point))
            return static_cast<Handle>(i);
    }
    return std::nullopt;
}

int DesignSheet::toThousandths(double pixels) const {
    return static_cast<int>(std::lround(pixels * 1000.0 / m_scale));
}

QPoint DesignSheet::inBand(BandKind kind, QPointF point) const {
    const BandRow* row = band(kind);
    const QPointF offset = row ? point - row->area.topLeft() : point;
    return {toThousandths(offset.x()), toThousandths(offset.y())};
}

} // namespace plataforma::relatorio
