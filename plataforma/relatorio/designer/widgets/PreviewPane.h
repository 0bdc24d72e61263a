#pragma once

#include "plataforma/relatorio/Problems.h"
#include "plataforma/relatorio/designer/DesignerSettings.h"

#include <QWidget>
#include <memory>

class QAction;
class QActionGroup;
class QLabel;
class QListWidget;
class QScrollArea;
class QToolBar;

namespace plataforma::relatorio {

class PageView;
class PreviewRun;
class Report;

// The preview page: the report's pages over the current label batch, one at a time, with page
// navigation and zoom, the print and export commands, and under the page the labels that
// would come out wrong: choosing one shows its page with the label outlined.
class PreviewPane : public QWidget {
    Q_OBJECT

public:
    PreviewPane(Report& report, QWidget* parent = nullptr);
    ~PreviewPane() override;

    QToolBar* toolBar() const { return m_toolBar; }
    PreviewZoom zoom() const { return m_zoom; }
    void setZoom(PreviewZoom zoom);

    // Lays the report out again, raising the page-request event for every page; a SilentAbort
    // from it leaves the preview empty with a note. Other errors go to the caller.
    void refresh();
    // Forgets the pages, so that the next showing lays them out anew.
    void clear();
    int pageCount() const;
    void showPage(int index);
    // How many labels of the shown run come out wrong; -1 when no run is shown.
    int labelsWithProblems() const;

signals:
    // The preview shows a new run, or none.
    void runChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildToolBar();
    void showProblems();
    void goToProblem(int index);
    void render();
    double zoomFactor() const;

    Report& m_report;
    std::unique_ptr<PreviewRun> m_run;
    int m_page = 0;
    LabelPosition m_outlined;
    PreviewZoom m_zoom = PreviewZoom::WholePage;
    QToolBar* m_toolBar;
    QAction* m_first;
    QAction* m_prior;
    QAction* m_next;
    QAction* m_last;
    QLabel* m_pageLabel;
    QActionGroup* m_zooms;
    QScrollArea* m_scroll;
    PageView* m_view;
    QLabel* m_note;
    QLabel* m_problemsTitle;
    QListWidget* m_problems;
};

} // namespace plataforma::relatorio
