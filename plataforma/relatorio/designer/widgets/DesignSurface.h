#pragma once

#include "plataforma/relatorio/designer/DesignRenderer.h"
#include "plataforma/relatorio/designer/DesignSheet.h"

#include <QWidget>
#include <memory>
#include <optional>

namespace plataforma::relatorio {

class LayoutEditor;

// The design page's sheet: the report's bands with their controls as they print, the
// selection with its handles, and the mouse and keyboard work on them. Every change goes to
// the layout editor; the sheet draws whatever the layout then holds.
class DesignSurface : public QWidget {
    Q_OBJECT

public:
    explicit DesignSurface(LayoutEditor& editor, QWidget* parent = nullptr);
    ~DesignSurface() override;

    const DesignSheet& sheet() const { return *m_sheet; }
    Units units() const;
    void setZoom(int percent);
    // The kind of control the next click or drag in the detail band adds; none to select.
    void setPendingKind(std::optional<ControlKind> kind);

    QSize sizeHint() const override;

    // Arrow keys move the selection by this much, with Shift by a tenth of it; with Ctrl they
    // resize it instead. Thousandths of a millimetre.
    static constexpr int KeyStep = 1000;
    // Dragging moves and resizes in steps of this much.
    static constexpr int DragStep = 100;

signals:
    // The sheet's geometry changed: a new layout, a zoom.
    void sheetChanged();
    void controlAdded(const QString& name, ControlKind kind);
    // The pending kind was dropped: a control was added, or the operator pressed Escape.
    void pendingKindCleared();
    // The operator double-clicked a control: they mean to change what it shows.
    void controlActivated(const QString& name);
    // Where the pointer is: its band and its place in it, in thousandths of a millimetre.
    void pointerMoved(std::optional<BandKind> band, QPoint position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum class Drag { None, Pending, Moving, Resizing, BandHeight, RubberBand, Adding };

    void rebuild();
    void clearPendingKind();
    void paintBand(QPainter& painter, const DesignSheet::BandRow& row);
    void paintSelection(QPainter& painter);
    void updateCursor(QPointF point);
    // Starts resizing when the press is on a handle of the control selected alone.
    bool grabHandle(QPointF point);
    // Starts whatever else a press on the sheet begins; adding (Shift) adds to the selection.
    void pressOnSheet(QPointF point, bool adding);
    void drag(QPointF point);
    void finishDrag(QPointF point, Qt::KeyboardModifiers modifiers);
    void resizeTo(QPointF point);
    int snapped(double pixels) const;
    QRectF dragRect(QPointF point) const { return QRectF(m_pressPoint, point).normalized(); }

    LayoutEditor& m_editor;
    int m_zoom = 100;
    std::unique_ptr<DesignSheet> m_sheet;
    std::unique_ptr<DesignRenderer> m_renderer;
    std::optional<ControlKind> m_pendingKind;

    Drag m_drag = Drag::None;
    QPointF m_pressPoint;
    QPointF m_pointer;
    quint64 m_gesture = 0;
    QPoint m_moved;                 // what a move drag has moved so far
    QString m_resized;              // the control a handle resizes
    DesignSheet::Handle m_handle{}; // the handle it drags
    MmBox m_startBox;               // its box when the drag began
    BandKind m_band{};              // the band whose height is dragged
    int m_startHeight = 0;          // its height when the drag began
};

} // namespace plataforma::relatorio
