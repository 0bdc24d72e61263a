#include "plataforma/relatorio/designer/widgets/DesignSurface.h"

#include "plataforma/relatorio/Report.h"
#include "plataforma/relatorio/designer/LayoutEditor.h"
#include "plataforma/relatorio/designer/NewControl.h"
#include "plataforma/relatorio/designer/UnitDisplay.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace plataforma::relatorio {

using namespace Qt::StringLiterals;
using Handle = DesignSheet::Handle;

namespace {

constexpr double MillimetresPerInch = 25.4;
// A press moves nothing until the pointer has gone this far, so that a click never nudges.
constexpr double DragThreshold = 3;
// A drag shorter than this adds a control of the kind's own size.
constexpr double AddThreshold = 4;

const QColor Desk(0xD5, 0xDA, 0xE1);
const QColor BeyondColumn(0xF4, 0xF5, 0xF7);
const QColor Hatch(0xC8, 0xCE, 0xD6);
const QColor Bar(0xC4, 0xCE, 0xDB);
const QColor BarLine(0x8A, 0x98, 0xAB);
const QColor Selection(0x1F, 0x6F, 0xD0);

bool movesLeftEdge(Handle handle) {
    return handle == Handle::TopLeft || handle == Handle::Left || handle == Handle::BottomLeft;
}
bool movesRightEdge(Handle handle) {
    return handle == Handle::TopRight || handle == Handle::Right || handle == Handle::BottomRight;
}
bool movesTopEdge(Handle handle) {
    return handle == Handle::TopLeft || handle == Handle::Top || handle == Handle::TopRight;
}
bool movesBottomEdge(Handle handle) {
    return handle == Handle::BottomLeft || handle == Handle::Bottom ||
           handle == Handle::BottomRight;
}

Qt::CursorShape handleCursor(Handle handle) {
    switch (handle) {
    case Handle::TopLeft:
    case Handle::BottomRight:
        return Qt::SizeFDiagCursor;
    case Handle::TopRight:
    case Handle::BottomLeft:
        return Qt::SizeBDiagCursor;
    case Handle::Top:
    case Handle::Bottom:
        return Qt::SizeVerCursor;
    case Handle::Left:
    case Handle::Right:
        return Qt::SizeHorCursor;
    }
    Q_UNREACHABLE();
}

int roundTo(int value, int step) {
    return static_cast<int>(std::lround(static_cast<double>(value) / step)) * step;
}

} // namespace

DesignSurface::DesignSurface(LayoutEditor& editor, QWidget* parent)
    : QWidget(parent), m_editor(editor) {
    setObjectName(u"designSurface"_s);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    connect(&m_editor, &LayoutEditor::layoutChanged, this, &DesignSurface::rebuild);
    connect(&m_editor, &LayoutEditor::selectionChanged, this, qOverload<>(&QWidget::update));
    rebuild();
}

DesignSurface::~DesignSurface() = default;

Units DesignSurface::units() const {
    return m_editor.report().units();
}

void DesignSurface::setZoom(int percent) {
    if (percent == m_zoom)
        return;
    m_zoom = percent;
    rebuild();
}

void DesignSurface::setPendingKind(std::optional<ControlKind> kind) {
    m_pendingKind = kind;
    m_drag = Drag::None;
    updateCursor(m_pointer);
    update();
}

void DesignSurface::clearPendingKind() {
    setPendingKind(std::nullopt);
    emit pendingKindCleared();
}

QSize DesignSurface::sizeHint() const {
    return m_sheet->size().toSize();
}

void DesignSurface::rebuild() {
    const double scale = logicalDpiX() / MillimetresPerInch * m_zoom / 100.0;
    m_sheet = std::make_unique<DesignSheet>(m_editor.report(), scale);
    m_renderer = std::make_unique<DesignRenderer>(m_editor.report());
    setMinimumSize(sizeHint());
    updateGeometry();
    update();
    emit sheetChanged();
}

void DesignSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Desk);
    for (const DesignSheet::BandRow& row : m_sheet->bands())
        paintBand(painter, row);
    paintSelection(painter);
    if (m_drag == Drag::RubberBand || m_drag == Drag::Adding) {
        painter.setPen(QPen(Selection, 1, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(dragRect(m_pointer));
    }
}

void DesignSurface::paintBand(QPainter& painter, const DesignSheet::BandRow& row) {
    painter.fillRect(row.area, Qt::white);
    if (!row.beyondColumn.isEmpty()) {
        // Past the label's right edge: the next column's place, hatched.
        painter.fillRect(row.beyondColumn, BeyondColumn);
        painter.fillRect(row.beyondColumn, QBrush(Hatch, Qt::BDiagPattern));
        painter.setPen(QPen(Hatch, 1, Qt::DashLine));
        painter.drawLine(row.beyondColumn.topLeft(), row.beyondColumn.bottomLeft());
    }

    const double scale = m_sheet->pixelsPerMillimetre();
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    painter.scale(scale, scale);
    const QRectF clip(row.area.topLeft() / scale, row.area.size() / scale);
    m_renderer->renderBand(painter, row.kind, clip.topLeft(), clip);
    painter.restore();

    // Every control's box, faintly, so that a transparent text with nothing to show can still
    // be found.
    painter.setPen(QPen(QColor(0xA0, 0xA8, 0xB4), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    for (const DesignSheet::ControlItem& item : m_sheet->controls()) {
        if (item.band == row.kind && !m_editor.selection().contains(item.name))
            painter.drawRect((item.rect & row.area).adjusted(0, 0, -1, -1));
    }

    painter.fillRect(row.bar, Bar);
    painter.setPen(BarLine);
    painter.drawLine(row.bar.topLeft(), row.bar.topRight());
    painter.setPen(Qt::black);
    const QString caption = u"▲ %1 (%2)"_s.arg(
        bandDisplayName(row.kind), formatLength(row.mmHeight, m_editor.report().units()));
    painter.drawText(row.bar.adjusted(6, 0, -6, 0), Qt::AlignLeft | Qt::AlignVCenter, caption);
}

void DesignSurface::paintSelection(QPainter& painter) {
    const QStringList& selection = m_editor.selection();
    painter.setBrush(Qt::NoBrush);
    for (const QString& name : selection) {
        const DesignSheet::ControlItem* item = m_sheet->control(name);
        if (item == nullptr)
            continue;
        painter.setPen(QPen(Selection, 1, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(item->rect);
        // Only a control selected alone can be resized.
        painter.setPen(Selection);
        painter.setBrush(selection.size() == 1 ? Selection : QColor(Qt::white));
        for (const QRectF& handle : DesignSheet::handleRects(item->rect))
            painter.drawRect(handle);
    }
}

void DesignSurface::updateCursor(QPointF point) {
    Qt::CursorShape shape = Qt::ArrowCursor;
    const QStringList& selection = m_editor.selection();
    const DesignSheet::ControlItem* selected =
        selection.size() == 1 ? m_sheet->control(selection.first()) : nullptr;
    if (m_pendingKind) {
        shape = m_sheet->bandAt(point) == BandKind::Detail ? Qt::CrossCursor : Qt::ForbiddenCursor;
    } else if (const auto handle =
                   selected ? DesignSheet::handleAt(selected->rect, point) : std::nullopt) {
        shape = handleCursor(*handle);
    } else if (m_sheet->barAt(point)) {
        shape = Qt::SplitVCursor;
    } else if (m_sheet->controlAt(point)) {
        shape = Qt::SizeAllCursor;
    }
    setCursor(shape);
}

void DesignSurface::mousePressEvent(QMouseEvent* event) {
    const QPointF point = event->position();
    if (event->button() == Qt::RightButton) {
        // The context menu acts on what was clicked.
        const DesignSheet::ControlItem* item = m_sheet->controlAt(point);
        if (item && !m_editor.selection().contains(item->name))
            m_editor.select({item->name});
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    m_pressPoint = m_pointer = point;
    m_gesture = m_editor.beginGesture();
    m_drag = Drag::None;
    if (m_pendingKind) {
        if (m_sheet->bandAt(point) == BandKind::Detail)
            m_drag = Drag::Adding;
        return;
    }
    if (!grabHandle(point))
        pressOnSheet(point, event->modifiers() & Qt::ShiftModifier);
}

bool DesignSurface::grabHandle(QPointF point) {
    const QStringList& selection = m_editor.selection();
    const DesignSheet::ControlItem* item =
        selection.size() == 1 ? m_sheet->control(selection.first()) : nullptr;
    const std::optional<Handle> handle =
        item ? DesignSheet::handleAt(item->rect, point) : std::nullopt;
    if (!handle)
        return false;
    m_drag = Drag::Resizing;
    m_resized = item->name;
    m_handle = *handle;
    m_startBox = item->box;
    return true;
}

void DesignSurface::pressOnSheet(QPointF point, bool adding) {
    if (const auto band = m_sheet->barAt(point)) {
        m_drag = Drag::BandHeight;
        m_band = *band;
        m_startHeight = m_sheet->band(*band)->mmHeight;
        return;
    }
    if (const DesignSheet::ControlItem* item = m_sheet->controlAt(point)) {
        if (adding) {
            m_editor.toggleSelected(item->name);
            return;
        }
        if (!m_editor.selection().contains(item->name))
            m_editor.select({item->name});
        m_drag = Drag::Pending;
        m_moved = {};
        return;
    }
    if (!adding)
        m_editor.select({});
    m_drag = Drag::RubberBand;
}

void DesignSurface::mouseMoveEvent(QMouseEvent* event) {
    const QPointF point = event->position();
    m_pointer = point;
    const std::optional<BandKind> band = m_sheet->bandAt(point);
    emit pointerMoved(band, band ? m_sheet->inBand(*band, point) : QPoint());
    if (m_drag == Drag::None)
        updateCursor(point);
    else
        drag(point);
}

void DesignSurface::drag(QPointF point) {
    const QPointF travel = point - m_pressPoint;
    switch (m_drag) {
    case Drag::Pending:
        if (std::max(std::abs(travel.x()), std::abs(travel.y())) < DragThreshold)
            return;
        m_drag = Drag::Moving;
        [[fallthrough]];
    case Drag::Moving: {
        const QPoint wanted(snapped(travel.x()), snapped(travel.y()));
        m_moved += m_editor.moveSelection(wanted - m_moved, m_gesture);
        break;
    }
    case Drag::Resizing:
        resizeTo(point);
        break;
    case Drag::BandHeight:
        m_editor.setBandHeight(m_band, std::max(0, m_startHeight + snapped(travel.y())), m_gesture);
        break;
    case Drag::RubberBand:
    case Drag::Adding:
        update();
        break;
    case Drag::None:
        break;
    }
}

void DesignSurface::resizeTo(QPointF point) {
    const int dx = snapped(point.x() - m_pressPoint.x());
    const int dy = snapped(point.y() - m_pressPoint.y());
    const int minimum = LayoutEditor::MinimumSize;
    const int right = m_startBox.left + m_startBox.width;
    const int bottom = m_startBox.top + m_startBox.height;
    MmBox box = m_startBox;
    if (movesLeftEdge(m_handle)) {
        box.left = std::clamp(m_startBox.left + dx, std::min(0, right - minimum), right - minimum);
        box.width = right - box.left;
    } else if (movesRightEdge(m_handle)) {
        box.width = std::max(minimum, m_startBox.width + dx);
    }
    if (movesTopEdge(m_handle)) {
        box.top = std::clamp(m_startBox.top + dy, std::min(0, bottom - minimum), bottom - minimum);
        box.height = bottom - box.top;
    } else if (movesBottomEdge(m_handle)) {
        box.height = std::max(minimum, m_startBox.height + dy);
    }
    m_editor.setBox(m_resized, box, m_gesture);
}

void DesignSurface::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    m_pointer = event->position();
    finishDrag(m_pointer, event->modifiers());
}

void DesignSurface::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || m_pendingKind)
        return;
    if (const DesignSheet::ControlItem* item = m_sheet->controlAt(event->position())) {
        m_editor.select({item->name});
        emit controlActivated(item->name);
    }
}

void DesignSurface::finishDrag(QPointF point, Qt::KeyboardModifiers modifiers) {
    const Drag finished = std::exchange(m_drag, Drag::None);
    const QRectF area = dragRect(point);
    if (finished == Drag::RubberBand) {
        QStringList names = modifiers & Qt::ShiftModifier ? m_editor.selection() : QStringList();
        for (const DesignSheet::ControlItem& item : m_sheet->controls()) {
            const QRectF shown = item.rect & m_sheet->band(item.band)->area;
            if (shown.intersects(area) && !names.contains(item.name))
                names.append(item.name);
        }
        m_editor.select(names);
    } else if (finished == Drag::Adding) {
        const ControlKind kind = *m_pendingKind;
        MmBox box = defaultControlSize(kind);
        const QPoint corner = m_sheet->inBand(BandKind::Detail, area.topLeft());
        box.left = std::max(0, roundTo(corner.x(), DragStep));
        box.top = std::max(0, roundTo(corner.y(), DragStep));
        if (area.width() >= AddThreshold && area.height() >= AddThreshold) {
            box.width = std::max(LayoutEditor::MinimumSize, snapped(area.width()));
            box.height = std::max(LayoutEditor::MinimumSize, snapped(area.height()));
        }
        clearPendingKind();
        const QString name = m_editor.addControl(kind, box);
        emit controlAdded(name, kind);
    }
    updateCursor(point);
    update();
}

int DesignSurface::snapped(double pixels) const {
    return roundTo(m_sheet->toThousandths(pixels), DragStep);
}

void DesignSurface::keyPressEvent(QKeyEvent* event) {
    const int step = event->modifiers() & Qt::ShiftModifier ? KeyStep / 10 : KeyStep;
    QPoint delta;
    switch (event->key()) {
    case Qt::Key_Left:
        delta = {-step, 0};
        break;
    case Qt::Key_Right:
        delta = {step, 0};
        break;
    case Qt::Key_Up:
        delta = {0, -step};
        break;
    case Qt::Key_Down:
        delta = {0, step};
        break;
    case Qt::Key_Escape:
        if (m_pendingKind || m_drag != Drag::None)
            clearPendingKind();
        else
            m_editor.select({});
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (event->modifiers() & Qt::ControlModifier)
        m_editor.resizeSelection(delta);
    else
        m_editor.moveSelection(delta);
}

} // namespace plataforma::relatorio
