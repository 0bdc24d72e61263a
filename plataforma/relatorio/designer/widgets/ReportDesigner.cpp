#include "plataforma/relatorio/designer/widgets/ReportDesigner.h"

#include "plataforma/ErrorBox.h"
#include "plataforma/Exception.h"
#include "plataforma/relatorio/Document.h"
#include "plataforma/relatorio/PdfOutput.h"
#include "plataforma/relatorio/PrinterOutput.h"
#include "plataforma/relatorio/Report.h"
#include "plataforma/relatorio/designer/NewControl.h"
#include "plataforma/relatorio/designer/SaveTarget.h"
#include "plataforma/relatorio/designer/UnitDisplay.h"
#include "plataforma/relatorio/designer/widgets/ControlPanel.h"
#include "plataforma/relatorio/designer/widgets/DesignArea.h"
#include "plataforma/relatorio/designer/widgets/DesignSurface.h"
#include "plataforma/relatorio/designer/widgets/PaletteIcons.h"
#include "plataforma/relatorio/designer/widgets/PreviewPane.h"
#include "plataforma/relatorio/designer/widgets/ReportPanel.h"

#include <QActionGroup>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace plataforma::relatorio {

using namespace Qt::StringLiterals;

namespace {

const QString TemplateFilter = u"Modelos de etiquetas (*.rtm);;Todos os arquivos (*)"_s;
const QString PictureFilter = u"Imagens (*.png *.jpg *.jpeg *.bmp *.gif);;Todos os arquivos (*)"_s;
const QString PdfFilter = u"Documentos PDF (*.pdf)"_s;
constexpr int MessageTime = 10000;

QAction* named(QAction* action, const QString& objectName) {
    action->setObjectName(objectName);
    return action;
}

ReportDesigner::Dialogs systemDialogs() {
    return {.openFile =
                [](QWidget* parent, const QString& caption, const QString& start,
                   const QString& filter) {
                    return QFileDialog::getOpenFileName(parent, caption, start, filter);
                },
            .saveFile =
                [](QWidget* parent, const QString& caption, const QString& start,
                   const QString& filter) {
                    return QFileDialog::getSaveFileName(parent, caption, start, filter);
                },
            .print =
                [](QPrinter& printer, QWidget* parent) {
                    QPrintDialog dialog(&printer, parent);
                    dialog.setWindowTitle(u"Imprimir etiquetas"_s);
                    return dialog.exec() == QDialog::Accepted;
                }};
}

// What the operator should know after a run that could not print everything.
QString problemsNote(const RunSummary& summary) {
    if (summary.problems.empty())
        return {};
    return u" Atenção: %1 problema(s) nas etiquetas; veja a lista na página Visualizar."_s.arg(
        summary.problems.size());
}

// Asks before labels that come out wrong go to the printer or into a file; true to go on. No
// is the default: an Enter pressed out of habit prints nothing.
bool goOnDespiteProblems(QWidget* parent, const Document& document) {
    const int labels = labelsWithProblems(document.problems(), document.labelCount());
    if (labels == 0)
        return true;
    const QString text = labels == 1
                             ? u"1 etiqueta com problemas. Imprimir assim mesmo?"_s
                             : u"%1 etiquetas com problemas. Imprimir assim mesmo?"_s.arg(labels);
    QMessageBox box(QMessageBox::Warning, u"Etiquetas"_s, text, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.setObjectName(u"msgPrintProblems"_s);
    box.setInformativeText(u"A lista de problemas está na página Visualizar."_s);
    box.button(QMessageBox::Yes)->setText(u"Sim"_s);
    box.button(QMessageBox::No)->setText(u"Não"_s);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

// Which job the spooler took, and what the operator should know about its queue.
QString jobNote(const PrintJob& job) {
    QString note;
    if (job.id != 0)
        note += u' ' + describeJob(job) + u'.';
    if (!job.warning.isEmpty())
        note += u' ' + job.warning;
    return note;
}

// The path with the extension added when the operator typed none.
QString withExtension(const QString& path, const QString& extension) {
    return QFileInfo(path).suffix().isEmpty() ? path + extension : path;
}

} // namespace

ReportDesigner::ReportDesigner(Report& report, QWidget* parent)
    : QDialog(parent), m_report(report), m_editor(report), m_startingLayout(report.layout()),
      m_dialogs(systemDialogs()), m_pages(new QTabWidget(this)), m_statusBar(new QStatusBar(this)),
      m_fileLabel(new QLabel(this)), m_positionLabel(new QLabel(this)),
      m_problemCountLabel(new QLabel(this)) {
    setObjectName(u"ppDesigner"_s);
    setWindowTitle(u"Etiquetas"_s);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setLocale(QLocale(QLocale::Portuguese, QLocale::Brazil));
    createActions();
    m_pages->setObjectName(u"pgcDesigner"_s);
    m_pages->addTab(buildDesignPage(), u"Design"_s);
    m_pages->addTab(buildPreviewPage(), u"Visualizar"_s);
    m_fileLabel->setObjectName(u"lblFile"_s);
    m_positionLabel->setObjectName(u"lblPosition"_s);
    m_problemCountLabel->setObjectName(u"lblProblemCount"_s);
    m_problemCountLabel->hide();
    m_statusBar->addWidget(m_fileLabel, 1);
    m_statusBar->addPermanentWidget(m_problemCountLabel);
    m_statusBar->addPermanentWidget(m_positionLabel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildMenus();
    layout->addWidget(m_pages, 1);
    layout->addWidget(m_statusBar);

    connect(m_pages, &QTabWidget::currentChanged, this, &ReportDesigner::pageChanged);
    connect(&m_editor, &LayoutEditor::selectionChanged, this, &ReportDesigner::selectionChanged);
    connect(&m_editor, &LayoutEditor::layoutChanged, this, &ReportDesigner::layoutChanged);
    connect(&m_editor.undoStack(), &QUndoStack::cleanChanged, this,
            &ReportDesigner::updateFileLabel);
    restoreWindow();
    layoutChanged();
    selectionChanged();
    updateRecentFiles();
    updateFileLabel();
}

ReportDesigner::~ReportDesigner() = default;

void ReportDesigner::createActions() {
    m_undoAction = historyAction(u"Desfazer"_s, u"actUndo"_s, false);
    m_undoAction->setShortcut(QKeySequence::Undo);
    m_redoAction = historyAction(u"Refazer"_s, u"actRedo"_s, true);
    // Ctrl+Y everywhere, besides the system's own key; a key listed twice would trigger nothing.
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    redoKeys.removeAll(QKeySequence(Qt::CTRL | Qt::Key_Y));
    redoKeys.prepend(QKeySequence(Qt::CTRL | Qt::Key_Y));
    m_redoAction->setShortcuts(redoKeys);
    m_deleteAction = named(new QAction(u"Excluir"_s, this), u"actDelete"_s);
    m_deleteAction->setShortcut(QKeySequence::Delete);
    connect(m_deleteAction, &QAction::triggered, &m_editor, &LayoutEditor::deleteSelection);
    m_frontAction = named(new QAction(u"Trazer para a frente"_s, this), u"actBringToFront"_s);
    connect(m_frontAction, &QAction::triggered, &m_editor, &LayoutEditor::bringSelectionToFront);
    m_backAction = named(new QAction(u"Enviar para trás"_s, this), u"actSendToBack"_s);
    connect(m_backAction, &QAction::triggered, &m_editor, &LayoutEditor::sendSelectionToBack);
    m_selectAllAction = named(new QAction(u"Selecionar tudo"_s, this), u"actSelectAll"_s);
    m_selectAllAction->setShortcut(QKeySequence::SelectAll);
    connect(m_selectAllAction, &QAction::triggered, this,
            [this] { m_editor.select(m_editor.controlNames()); });
    m_printAction = named(new QAction(u"Imprimir..."_s, this), u"actPrint"_s);
    m_printAction->setShortcut(QKeySequence::Print);
    connect(m_printAction, &QAction::triggered, this, &ReportDesigner::printLabels);
    m_exportAction = named(new QAction(u"Exportar PDF..."_s, this), u"actExportPdf"_s);
    connect(m_exportAction, &QAction::triggered, this, &ReportDesigner::exportPdf);
}

QAction* ReportDesigner::historyAction(const QString& text, const QString& objectName, bool redo) {
    // A fixed text, so that the tool bar keeps its place; what it would undo goes in the tip.
    QUndoStack& stack = m_editor.undoStack();
    QAction* action = named(new QAction(text, this), objectName);
    action->setEnabled(false);
    connect(action, &QAction::triggered, &stack, redo ? &QUndoStack::redo : &QUndoStack::undo);
    connect(&stack, redo ? &QUndoStack::canRedoChanged : &QUndoStack::canUndoChanged, action,
            &QAction::setEnabled);
    connect(&stack, redo ? &QUndoStack::redoTextChanged : &QUndoStack::undoTextChanged, action,
            [action, text](const QString& step) {
                action->setToolTip(step.isEmpty() ? text : u"%1: %2"_s.arg(text, step));
            });
    return action;
}

void ReportDesigner::buildMenus() {
    auto* menuBar = new QMenuBar(this);
    menuBar->setObjectName(u"menuBar"_s);
    const auto add = [this](QMenu* menu, const QString& text, const QString& objectName,
                            const QKeySequence& shortcut, auto command) {
        QAction* action = named(menu->addAction(text), objectName);
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, reportingErrors(command));
    };
    QMenu* file = menuBar->addMenu(u"&Arquivo"_s);
    file->setObjectName(u"mnuFile"_s);
    add(file, u"&Novo"_s, u"actNew"_s, QKeySequence::New, [this] { newTemplate(); });
    add(file, u"&Abrir..."_s, u"actOpen"_s, QKeySequence::Open, [this] { openTemplate(); });
    m_recentMenu = file->addMenu(u"Modelos &recentes"_s);
    m_recentMenu->setObjectName(u"mnuRecent"_s);
    file->addSeparator();
    add(file, u"&Salvar"_s, u"actSave"_s, QKeySequence::Save, [this] { save(); });
    // Not every platform has a standard key for it.
    add(file, u"Salvar &como..."_s, u"actSaveAs"_s, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
        [this] { saveAs(); });
    file->addSeparator();
    add(file, u"Con&figurar página..."_s, u"actPageSetup"_s, {}, [this] { pageSetup(); });
    file->addAction(m_printAction);
    file->addAction(m_exportAction);
    file->addSeparator();
    add(file, u"&Fechar"_s, u"actClose"_s, {}, [this] { reject(); });

    QMenu* edit = menuBar->addMenu(u"&Editar"_s);
    edit->setObjectName(u"mnuEdit"_s);
    edit->addAction(m_undoAction);
    edit->addAction(m_redoAction);
    edit->addSeparator();
    edit->addAction(m_deleteAction);
    edit->addAction(m_frontAction);
    edit->addAction(m_backAction);
    edit->addSeparator();
    edit->addAction(m_selectAllAction);
    layout()->setMenuBar(menuBar);
}

QWidget* ReportDesigner::buildDesignPage() {
    auto* page = new QWidget;
    page->setObjectName(u"tshDesign"_s);
    m_surface = new DesignSurface(m_editor);
    m_surface->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_surface->addActions({m_deleteAction, m_frontAction, m_backAction, m_selectAllAction});
    connect(m_surface, &DesignSurface::controlAdded, this, &ReportDesigner::controlAdded);
    connect(m_surface, &DesignSurface::controlActivated, this,
            [this] { m_controlPanel->editContent(); });
    connect(m_surface, &DesignSurface::pointerMoved, this, &ReportDesigner::showPointer);

    auto* toolBar = new QToolBar(page);
    toolBar->setObjectName(u"designToolBar"_s);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    toolBar->addAction(m_undoAction);
    toolBar->addAction(m_redoAction);
    toolBar->addSeparator();
    buildPalette(toolBar);
    toolBar->addSeparator();
    toolBar->addAction(m_deleteAction);
    toolBar->addSeparator();
    toolBar->addWidget(new QLabel(u" Zoom "_s, toolBar));
    toolBar->addWidget(buildZoomBox());

    auto* splitter = new QSplitter(Qt::Horizontal, page);
    splitter->addWidget(new DesignArea(m_surface));
    splitter->addWidget(buildProperties());
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    splitter->setCollapsible(0, false);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(toolBar);
    layout->addWidget(splitter, 1);
    return page;
}

QWidget* ReportDesigner::buildProperties() {
    m_reportPanel = new ReportPanel(m_editor);
    connect(m_reportPanel, &ReportPanel::rejected, this, &ReportDesigner::showMessage);
    m_controlPanel = new ControlPanel(m_editor);
    m_controlPanel->setPictureChooser([this] {
        const QString path =
            m_dialogs.openFile(this, u"Escolher imagem"_s, m_settings.lastFolder(), PictureFilter);
        if (!path.isEmpty())
            remember(path, false);
        return path;
    });
    m_selectionLabel = new QLabel;
    m_selectionLabel->setObjectName(u"lblSelection"_s);
    m_selectionLabel->setWordWrap(true);
    m_selectionLabel->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_selectionLabel->setMargin(8);
    m_properties = new QStackedWidget;
    m_properties->setObjectName(u"properties"_s);
    m_properties->addWidget(m_reportPanel);
    m_properties->addWidget(m_controlPanel);
    m_properties->addWidget(m_selectionLabel);
    // Long choices ("Coluna por coluna (de cima para baixo)") must not widen the panel.
    for (QComboBox* combo : m_properties->findChildren<QComboBox*>()) {
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(8);
    }
    auto* area = new QScrollArea;
    area->setObjectName(u"propertiesArea"_s);
    area->setWidget(m_properties);
    area->setWidgetResizable(true);
    area->setMinimumWidth(340);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return area;
}

void ReportDesigner::showPointer(std::optional<BandKind> band, QPoint at) {
    const Units units = m_report.units();
    m_positionLabel->setText(band ? u"%1: %2 × %3"_s.arg(bandDisplayName(*band),
                                                         formatLength(at.x(), units),
                                                         formatLength(at.y(), units))
                                  : QString());
}

void ReportDesigner::buildPalette(QToolBar* toolBar) {
    m_palette = new QActionGroup(this);
    m_palette->setExclusive(true);
    m_selectTool = named(m_palette->addAction(selectionIcon(), u"Selecionar"_s), u"actSelect"_s);
    m_selectTool->setCheckable(true);
    m_selectTool->setChecked(true);
    m_selectTool->setToolTip(u"Selecionar, mover e redimensionar componentes"_s);
    connect(m_selectTool, &QAction::triggered, this,
            [this] { m_surface->setPendingKind(std::nullopt); });
    toolBar->addAction(m_selectTool);
    const std::pair<ControlKind, QString> names[] = {
        {ControlKind::Label, u"actAddLabel"_s},
        {ControlKind::Image, u"actAddImage"_s},
        {ControlKind::Shape, u"actAddShape"_s},
        {ControlKind::Line, u"actAddLine"_s},
        {ControlKind::DataText, u"actAddDataText"_s},
        {ControlKind::DataBarcode, u"actAddDataBarcode"_s}};
    for (const auto& [kind, objectName] : names) {
        QAction* action =
            named(m_palette->addAction(paletteIcon(kind), controlKindName(kind)), objectName);
        action->setCheckable(true);
        action->setToolTip(u"Incluir %1: clique ou arraste na banda Detalhe"_s.arg(
            controlKindName(kind).toLower()));
        connect(action, &QAction::triggered, this, [this, kind] {
            m_surface->setPendingKind(kind);
            m_pages->setCurrentIndex(0);
            showMessage(u"Clique ou arraste na banda Detalhe para incluir: %1. Esc desiste."_s.arg(
                controlKindName(kind)));
        });
        toolBar->addAction(action);
    }
    connect(m_surface, &DesignSurface::pendingKindCleared, this,
            [this] { m_selectTool->setChecked(true); });
}

QComboBox* ReportDesigner::buildZoomBox() {
    auto* zoom = new QComboBox;
    zoom->setObjectName(u"cmbZoom"_s);
    for (int percent : {50, 75, 100, 150, 200, 300, 400})
        zoom->addItem(u"%1%"_s.arg(percent), percent);
    const int saved = zoom->findData(m_settings.designZoom());
    zoom->setCurrentIndex(saved >= 0 ? saved : zoom->findData(150));
    m_surface->setZoom(zoom->currentData().toInt());
    connect(zoom, &QComboBox::activated, this, [this, zoom] {
        const int percent = zoom->currentData().toInt();
        m_surface->setZoom(percent);
        m_settings.setDesignZoom(percent);
    });
    return zoom;
}

QWidget* ReportDesigner::buildPreviewPage() {
    auto* page = new QWidget;
    page->setObjectName(u"tshPreview"_s);
    m_preview = new PreviewPane(m_report, page);
    m_preview->setZoom(m_settings.previewZoom());
    m_preview->toolBar()->addAction(m_printAction);
    m_preview->toolBar()->addAction(m_exportAction);
    connect(m_preview, &PreviewPane::runChanged, this, &ReportDesigner::showProblemCount);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_preview);
    return page;
}

void ReportDesigner::restoreWindow() {
    const QByteArray geometry = m_settings.windowGeometry();
    if (geometry.isEmpty() || !restoreGeometry(geometry))
        setGeometry(100, 50, 600, 400);
    setWindowState(windowState() | Qt::WindowMaximized);
}

void ReportDesigner::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    if (m_onShow)
        reportErrors([this] { m_onShow(*this); });
    // What the handler set (the report's language) is no change of the operator's.
    m_editor.acceptCurrentLayout();
    if (m_pages->currentIndex() == 1)
        refreshPreview();
}

void ReportDesigner::keyPressEvent(QKeyEvent* event) {
    // Escape and Enter close a dialog; here they would throw the operator out of the designer
    // while they edit a value.
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void ReportDesigner::done(int result) {
    if (!maybeSave())
        return;
    m_settings.setWindowGeometry(saveGeometry());
    m_settings.setPreviewZoom(m_preview->zoom());
    QDialog::done(result);
}

void ReportDesigner::pageChanged(int index) {
    updateEditActions();
    if (index != 1) {
        m_preview->clear();
        return;
    }
    refreshPreview();
}

void ReportDesigner::refreshPreview() {
    m_previewStale = false;
    m_refreshing = true;
    reportErrors([this] { m_preview->refresh(); });
    m_editor.adoptOutsideChanges(u"Ajuste automático"_s);
    m_refreshing = false;
}

void ReportDesigner::layoutChanged() {
    m_palette->setEnabled(m_editor.canAddControls());
    // A layout opened, undone or adjusted while the preview shows: the pages follow, once the
    // change is over. What the preview's own run changed is in the pages already.
    if (m_pages->currentIndex() != 1 || m_refreshing || m_previewStale)
        return;
    m_previewStale = true;
    QTimer::singleShot(0, this, [this] {
        if (m_previewStale && m_pages->currentIndex() == 1)
            refreshPreview();
    });
}

void ReportDesigner::updateEditActions() {
    // The selection is not in sight on the preview page: nothing may act on it there.
    const bool designing = m_pages->currentIndex() == 0;
    const bool selected = designing && !m_editor.selection().isEmpty();
    for (QAction* action : {m_deleteAction, m_frontAction, m_backAction})
        action->setEnabled(selected);
    m_selectAllAction->setEnabled(designing);
}

void ReportDesigner::selectionChanged() {
    const QStringList& selection = m_editor.selection();
    updateEditActions();
    if (selection.isEmpty()) {
        showProperties(m_reportPanel);
    } else if (selection.size() == 1) {
        m_controlPanel->showControl(selection.first());
        showProperties(m_controlPanel);
    } else {
        m_selectionLabel->setText(
            u"<b>%1 componentes selecionados</b><p>Arraste-os ou use as setas para movê-los "
            u"juntos (com Shift, em passos menores; com Ctrl, para mudar o tamanho). Delete "
            u"exclui todos.</p>"_s.arg(selection.size()));
        showProperties(m_selectionLabel);
    }
}

void ReportDesigner::showProperties(QWidget* panel) {
    // The hidden panels must not lend the shown one their height, or a short panel scrolls.
    for (int i = 0; i < m_properties->count(); ++i) {
        QWidget* page = m_properties->widget(i);
        page->setSizePolicy(page == panel ? QSizePolicy::Preferred : QSizePolicy::Ignored,
                            page == panel ? QSizePolicy::Preferred : QSizePolicy::Ignored);
    }
    m_properties->setCurrentWidget(panel);
    m_properties->adjustSize();
}

void ReportDesigner::controlAdded(const QString& name, ControlKind kind) {
    showMessage(u"%1 incluído como %2."_s.arg(controlKindName(kind), name));
    if (kind == ControlKind::Image)
        m_controlPanel->choosePicture();
}

void ReportDesigner::newTemplate() {
    if (!maybeSave())
        return;
    m_editor.replaceLayout(m_startingLayout);
    updateFileLabel();
}

void ReportDesigner::openTemplate() {
    if (!maybeSave())
        return;
    const QString path =
        m_dialogs.openFile(this, u"Abrir modelo"_s, m_settings.lastFolder(), TemplateFilter);
    if (!path.isEmpty())
        openTemplateFile(path);
}

bool ReportDesigner::openTemplateFile(const QString& path) {
    try {
        m_editor.open(path);
    } catch (const Exception& error) {
        QMessageBox box(QMessageBox::Warning, u"Abrir modelo"_s,
                        error.message() + u"\n\nO modelo em edição continua como estava."_s,
                        QMessageBox::Ok, this);
        box.setObjectName(u"msgOpenFailed"_s);
        box.exec();
        if (!QFileInfo::exists(path)) {
            m_settings.removeRecentFile(path);
            updateRecentFiles();
        }
        return false;
    }
    remember(path, true);
    updateFileLabel();
    showMessage(u"Modelo aberto: %1"_s.arg(QDir::toNativeSeparators(path)));
    return true;
}

bool ReportDesigner::save() {
    const QString fileName = m_report.templateFileName();
    return canSaveTo(fileName) ? saveTo(fileName) : saveAs();
}

bool ReportDesigner::saveAs() {
    const QString path =
        m_dialogs.saveFile(this, u"Salvar modelo como"_s, suggestedPath(u".rtm"_s), TemplateFilter);
    if (path.isEmpty())
        return false;
    return saveTo(
        QDir::toNativeSeparators(QFileInfo(withExtension(path, u".rtm"_s)).absoluteFilePath()));
}

bool ReportDesigner::saveTo(const QString& path) {
    const QString previous = m_report.templateFileName();
    m_report.setTemplateFileName(path);
    const bool saved = reportErrors([&] {
        if (m_onCustomSave)
            m_onCustomSave(m_report);
        else
            m_report.saveToFile(path);
    });
    if (!saved) {
        m_report.setTemplateFileName(previous);
        return false;
    }
    m_editor.markSaved();
    remember(QDir::fromNativeSeparators(path), true);
    updateFileLabel();
    showMessage(u"Modelo salvo: %1"_s.arg(path));
    return true;
}

bool ReportDesigner::maybeSave() {
    if (!m_editor.isModified())
        return true;
    QMessageBox box(QMessageBox::Question, u"Etiquetas"_s,
                    u"O modelo foi alterado. Deseja salvar as alterações?"_s,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
    box.setObjectName(u"msgSaveChanges"_s);
    box.button(QMessageBox::Yes)->setText(u"Sim"_s);
    box.button(QMessageBox::No)->setText(u"Não"_s);
    box.button(QMessageBox::Cancel)->setText(u"Cancelar"_s);
    box.setDefaultButton(QMessageBox::Yes);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return save();
    case QMessageBox::No:
        m_editor.discardChanges();
        updateFileLabel();
        return true;
    default:
        return false;
    }
}

QString ReportDesigner::suggestedPath(const QString& extension) const {
    QString name = m_report.templateFileName();
    // A template saved on Windows names its file with backslashes, on any system.
    name.replace(u'\\', u'/');
    const QFileInfo file(name);
    const QString folder =
        canSaveTo(m_report.templateFileName()) ? file.absolutePath() : m_settings.lastFolder();
    const QString base =
        file.completeBaseName().isEmpty() ? u"Etiquetas"_s : file.completeBaseName();
    return QDir(folder).filePath(base + extension);
}

void ReportDesigner::remember(const QString& path, bool recent) {
    m_settings.setLastFolder(QFileInfo(path).absolutePath());
    if (recent) {
        m_settings.addRecentFile(QFileInfo(path).absoluteFilePath());
        updateRecentFiles();
    }
}

void ReportDesigner::updateRecentFiles() {
    m_recentMenu->clear();
    const QStringList files = m_settings.recentFiles();
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        QAction* action =
            m_recentMenu->addAction(u"&%1 %2"_s.arg(i + 1).arg(QFileInfo(path).fileName()));
        action->setToolTip(QDir::toNativeSeparators(path));
        connect(action, &QAction::triggered, this, [this, path] {
            if (maybeSave())
                openTemplateFile(path);
        });
    }
    m_recentMenu->setEnabled(!files.isEmpty());
}

void ReportDesigner::updateFileLabel() {
    const QString name = m_report.templateFileName();
    QString text = name.isEmpty() ? u"Modelo novo, ainda não salvo"_s : u"Modelo: %1"_s.arg(name);
    if (m_editor.isModified())
        text += u" (alterado)"_s;
    m_fileLabel->setText(text);
}

void ReportDesigner::pageSetup() {
    m_pages->setCurrentIndex(0);
    m_editor.select({});
    m_reportPanel->focusPageSetup();
    showMessage(u"Ajuste o papel, as margens e as colunas no painel à direita."_s);
}

void ReportDesigner::printLabels() {
    QPrinter printer(QPrinter::HighResolution);
    configurePrinter(m_report, printer);
    if (!m_dialogs.print(printer, this))
        return;
    QString outcome;
    reportErrors([&] {
        try {
            // A queue that refuses jobs is said before the operator is asked anything.
            checkPrinter(printer);
            Document document(m_report, outputResolution(printer));
            if (!goOnDespiteProblems(this, document)) {
                outcome = u"Impressão cancelada."_s;
                return;
            }
            const PrintJob job = printJob(document, printer);
            outcome =
                u"Etiquetas enviadas para a impressora: %1 página(s)."_s.arg(job.summary.pages) +
                jobNote(job) + problemsNote(job.summary);
        } catch (const SilentAbort&) {
            outcome = u"Impressão cancelada."_s;
        }
    });
    afterRun(outcome);
}

void ReportDesigner::exportPdf() {
    const QString chosen =
        m_dialogs.saveFile(this, u"Exportar PDF"_s, suggestedPath(u".pdf"_s), PdfFilter);
    if (chosen.isEmpty())
        return;
    const QString path = withExtension(chosen, u".pdf"_s);
    QString outcome;
    reportErrors([&] {
        try {
            Document document(m_report);
            if (!goOnDespiteProblems(this, document)) {
                outcome = u"Exportação cancelada."_s;
                return;
            }
            const RunSummary summary = writePdf(document, path);
            remember(path, false);
            outcome = u"PDF gravado em %1: %2 página(s)."_s.arg(QDir::toNativeSeparators(path))
                          .arg(summary.pages) +
                      problemsNote(summary);
        } catch (const SilentAbort&) {
            outcome = u"Exportação cancelada."_s;
        }
    });
    afterRun(outcome);
}

void ReportDesigner::showProblemCount() {
    const int labels = m_preview->labelsWithProblems();
    m_problemCountLabel->setVisible(labels >= 0);
    m_problemCountLabel->setText(labels == 0   ? u"Nenhuma etiqueta com problemas"_s
                                 : labels == 1 ? u"1 etiqueta com problemas"_s
                                               : u"%1 etiquetas com problemas"_s.arg(labels));
    m_problemCountLabel->setStyleSheet(labels > 0 ? u"color: #B00000; font-weight: bold;"_s
                                                  : QString());
}

void ReportDesigner::afterRun(const QString& message) {
    m_editor.adoptOutsideChanges(u"Ajuste automático"_s);
    if (!message.isEmpty())
        showMessage(message);
}

void ReportDesigner::showMessage(const QString& text) {
    m_statusBar->showMessage(text, MessageTime);
}

} // namespace plataforma::relatorio
