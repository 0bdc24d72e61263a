#pragma once

#include "modelos/fluxo/Objeto.h"
#include "plataforma/relatorio/designer/DesignerSettings.h"
#include "plataforma/relatorio/designer/LayoutEditor.h"

#include <QDialog>
#include <functional>

class QAction;
class QActionGroup;
class QComboBox;
class QLabel;
class QMenu;
class QPrinter;
class QStackedWidget;
class QStatusBar;
class QTabWidget;
class QToolBar;

namespace plataforma::relatorio {

class ControlPanel;
class DesignSurface;
class PreviewPane;
class Report;
class ReportPanel;

// The report designer: a modal window in which the operator opens a label template, adjusts
// it, previews the labels over the current data and prints them. Its page control holds two
// pages, the design page (index 0) and the preview (index 1).
//
//   ReportDesigner designer(report);
//   designer.setShowHandler([](ReportDesigner& d) { d.pageControl()->setCurrentIndex(0); });
//   designer.setCustomSaveHandler([](Report& r) { r.saveToFile(r.templateFileName()); });
//   designer.exec();
//
// The report must outlive the designer. "Novo" brings back the layout the report held when the
// designer was made. The designer keeps its own preferences in its INI file (DesignerSettings).
class ReportDesigner : public QDialog {
    Q_OBJECT

public:
    // Called each time the window is shown, with the designer as sender.
    using ShowHandler = std::function<void(ReportDesigner& sender)>;
    // Called by Save and Save As in place of the designer's own save, once the template's file
    // name is settled, with the report as sender; it should write the layout to that file. What
    // it throws is shown, and the layout counts as unsaved.
    using CustomSaveHandler = std::function<void(Report& sender)>;

    // The dialogs the designer asks the operator through; tests put their own answers here.
    struct Dialogs {
        // A file to open or to save to, or an empty text when the operator cancels.
        std::function<QString(QWidget* parent, const QString& caption, const QString& start,
                              const QString& filter)>
            openFile;
        std::function<QString(QWidget* parent, const QString& caption, const QString& start,
                              const QString& filter)>
            saveFile;
        // Sets the printer up with the operator; false when they cancel.
        std::function<bool(QPrinter& printer, QWidget* parent)> print;
    };

    explicit ReportDesigner(Report& report, QWidget* parent = nullptr);
    ~ReportDesigner() override;

    Report& report() { return m_report; }
    LayoutEditor& editor() { return m_editor; }
    QTabWidget* pageControl() const { return m_pages; }
    Dialogs& dialogs() { return m_dialogs; }

    void setShowHandler(ShowHandler handler) { m_onShow = std::move(handler); }
    void setCustomSaveHandler(CustomSaveHandler handler) { m_onCustomSave = std::move(handler); }

    // The commands of the file menu, as the operator gives them.
    void newTemplate();
    void openTemplate();
    // Opens a template file; an invalid one is refused with a message and changes nothing.
    bool openTemplateFile(const QString& path);
    bool save();
    bool saveAs();
    void pageSetup();
    void printLabels();
    void exportPdf();

    // Offers to save unsaved changes: "Sim" saves, "Não" goes back to the layout last opened or
    // saved. False when the operator cancels or the save fails.
    bool maybeSave();

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createActions();
    QAction* historyAction(const QString& text, const QString& objectName, bool redo);
    QWidget* buildDesignPage();
    QWidget* buildProperties();
    QWidget* buildPreviewPage();
    void buildMenus();
    void buildPalette(QToolBar* toolBar);
    QComboBox* buildZoomBox();
    void restoreWindow();
    void pageChanged(int index);
    void refreshPreview();
    void layoutChanged();
    void updateEditActions();
    void selectionChanged();
    void showProperties(QWidget* panel);
    void controlAdded(const QString& name, ControlKind kind);
    void showPointer(std::optional<BandKind> band, QPoint at);
    void updateRecentFiles();
    void updateFileLabel();
    bool saveTo(const QString& path);
    QString suggestedPath(const QString& extension) const;
    void remember(const QString& path, bool recent);
    // Takes into the history what a run's page-request handler changed, and shows the run's
    // outcome.
    void afterRun(const QString& message);
    // The count of labels that come out wrong in the preview's run, in the status line.
    void showProblemCount();
    void showMessage(const QString& text);

    Report& m_report;
    LayoutEditor m_editor;
    DesignerSettings m_settings;
    const fluxo::Objeto m_startingLayout;
    Dialogs m_dialogs;
    ShowHandler m_onShow;
    CustomSaveHandler m_onCustomSave;

    QTabWidget* m_pages;
    DesignSurface* m_surface;
    QStackedWidget* m_properties;
    ControlPanel* m_controlPanel;
    ReportPanel* m_reportPanel;
    QLabel* m_selectionLabel;
    QActionGroup* m_palette;
    QAction* m_selectTool;
    PreviewPane* m_preview;
    QMenu* m_recentMenu;
    QStatusBar* m_statusBar;
    QLabel* m_fileLabel;
    QLabel* m_positionLabel;
    QLabel* m_problemCountLabel;
    QAction* m_undoAction;
    QAction* m_redoAction;
    QAction* m_deleteAction;
    QAction* m_frontAction;
    QAction* m_backAction;
    QAction* m_selectAllAction;
    QAction* m_printAction;
    QAction* m_exportAction;
    bool m_refreshing = false;   // the preview is being laid out
    bool m_previewStale = false; // a refresh of the preview is on its way
};

} // namespace plataforma::relatorio
