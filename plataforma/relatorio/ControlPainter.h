#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>
#include <memory>

class QBrush;
class QPainter;

namespace plataforma::relatorio {

class Control;
class Preflight;
class ProblemList;
class Report;
class TextShaper;

// Draws one control of a band, each time the band prints. A painter is made once per run
// from the control's settings; data that cannot be printed draws nothing for that control,
// goes to the run's problems and never stops the run.
class ControlPainter {
public:
    explicit ControlPainter(const Control& control);
    virtual ~ControlPainter() = default;

    // bandOrigin is the band's top-left corner in millimetres on a painter whose user space is
    // millimetres; row is the data row the band prints, -1 for none.
    virtual void paint(QPainter& painter, QPointF bandOrigin, int row) = 0;

    // Reports what would come out wrong on the label that the preflight stands at. Here: a
    // box that leaves the paper, which is all a control drawing its whole box can get wrong.
    virtual void check(Preflight& preflight);

protected:
    const QString& name() const { return m_name; }
    const QRectF& box() const { return m_box; } // millimetres from the band's corner

private:
    QString m_name;
    QRectF m_box;
};

// What the painters of one run share.
struct PaintContext {
    Report& report;
    ProblemList& problems;
    TextShaper& shaper;
    // Dots per inch of the device that prints the run, whose dots bar codes are drawn on; 0 for
    // exact vector output.
    int resolution = 0;
    int nextStyleId = 0;
};

// A font size as drawn, in points: a template's size up to a limit that keeps a damaged
// template from asking for glyphs metres high; 0 for a size that is not positive.
int drawnFontSize(int points);

// The white an opaque control fills its box with, made once: each new brush costs an allocation.
const QBrush& paperWhite();

// Null for a control of a class that the engine does not draw.
std::unique_ptr<ControlPainter> makeControlPainter(const Control& control, PaintContext& context);

} // namespace plataforma::relatorio
