#pragma once

#include "plataforma/relatorio/Page.h"
#include "plataforma/relatorio/Problems.h"

#include <QRectF>
#include <QString>

namespace plataforma::relatorio {

class Pipeline;
class Report;

// The checks of a run, made label by label once the pages are laid out and before anything is
// painted. Each control's painter measures what it would print on the label set here
// (ControlPainter::check) and reports what would come out wrong; the finding goes to the run's
// problems with the label's page, its row and column on the page, and its product as the
// report's label rules name it.
class Preflight {
public:
    Preflight(Report& report, ProblemList& problems);

    // The label whose controls are checked next: a detail band as laid out on a page.
    void setLabel(int page, const BandPlacement& band, QSizeF paper);

    int row() const { return m_row; }
    // The label and the paper, in millimetres on the page.
    const QRectF& label() const { return m_label; }
    const QRectF& paper() const { return m_paper; }

    // Whether a rectangle on the page stays within another, leaving a thousandth of a
    // millimetre, the templates' own unit, for the rounding of sums of lengths.
    static bool inside(const QRectF& inner, const QRectF& outer);

    void report(const QString& control, const QString& data, const QString& reason);
    // Reports a control whose box, from the label's corner, does not lie on the paper.
    void checkOnPaper(const QString& control, const QRectF& box);

private:
    ProblemList& m_problems;
    const Pipeline* m_pipeline;
    int m_codeField = -1;
    int m_descriptionField = -1;
    LabelPosition m_position;
    int m_row = -1;
    QRectF m_label;
    QRectF m_paper;
};

} // namespace plataforma::relatorio
