#include "plataforma/relatorio/designer/widgets/PreviewPane.h"

#include "plataforma/relatorio/PrinterOutput.h"
#include "plataforma/relatorio/PrinterResolution.h"
#include "plataforma/relatorio/designer/PreviewRun.h"
#include "plataforma/relatorio/designer/widgets/PageView.h"

#include <QActionGroup>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QScrollArea>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

namespace plataforma::relatorio {

using namespace Qt::StringLiterals;

namespace {

constexpr double MillimetresPerInch = 25.4;

QAction* named(QAction* action, const QString& objectName) {
    action->setObjectName(objectName);
    return action;
}

} // namespace

PreviewPane::PreviewPane(Report& report, QWidget* parent)
    : QWidget(parent), m_report(report), m_toolBar(new QToolBar(this)),
      m_scroll(new QScrollArea(this)), m_view(new PageView), m_note(new QLabel(this)),
      m_problemsTitle(new QLabel(this)), m_problems(new QListWidget(this)) {
    setObjectName(u"previewPane"_s);
    buildToolBar();
    m_note->setObjectName(u"lblNote"_s);
    m_note->setAlignment(Qt::AlignCenter);
    m_note->setWordWrap(true);
    m_note->hide();
    m_scroll->setObjectName(u"previewArea"_s);
    m_scroll->setWidget(m_view);
    m_scroll->setWidgetResizable(true);
    m_problemsTitle->setObjectName(u"lblProblems"_s);
    m_problems->setObjectName(u"lstProblems"_s);
    m_problems->setMaximumHeight(120);
    m_problemsTitle->hide();
    m_problems->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_note);
    layout->addWidget(m_scroll, 1);
    layout->addWidget(m_problemsTitle);
    layout->addWidget(m_problems);
    render();
}

PreviewPane::~PreviewPane() = default;

void PreviewPane::buildToolBar() {
    m_toolBar->setObjectName(u"previewToolBar"_s);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_first = named(m_toolBar->addAction(u"|◀ Primeira"_s), u"actFirstPage"_s);
    m_prior = named(m_toolBar->addAction(u"◀ Anterior"_s), u"actPriorPage"_s);
    m_pageLabel = new QLabel(m_toolBar);
    m_pageLabel->setObjectName(u"lblPage"_s);
    m_pageLabel->setContentsMargins(8, 0, 8, 0);
    m_toolBar->addWidget(m_pageLabel);
    m_next = named(m_toolBar->addAction(u"Próxima ▶"_s), u"actNextPage"_s);
    m_last = named(m_toolBar->addAction(u"Última ▶|"_s), u"actLastPage"_s);
    connect(m_first, &QAction::triggered, this, [this] { showPage(0); });
    connect(m_prior, &QAction::triggered, this, [this] { showPage(m_page - 1); });
    connect(m_next, &QAction::triggered, this, [this] { showPage(m_page + 1); });
    connect(m_last, &QAction::triggered, this, [this] { showPage(pageCount() - 1); });

    m_toolBar->addSeparator();
    m_zooms = new QActionGroup(this);
    const std::pair<PreviewZoom, QString> zooms[] = {
        {PreviewZoom::WholePage, u"Página inteira"_s},
        {PreviewZoom::PageWidth, u"Largura da página"_s},
        {PreviewZoom::ActualSize, u"100%"_s}};
    const QString names[] = {u"actZoomWholePage"_s, u"actZoomPageWidth"_s, u"actZoomActualSize"_s};
    for (const auto& [zoom, text] : zooms) {
        QAction* action = named(m_zooms->addAction(text), names[static_cast<int>(zoom)]);
        action->setCheckable(true);
        action->setChecked(zoom == m_zoom);
        connect(action, &QAction::triggered, this, [this, zoom] { setZoom(zoom); });
        m_toolBar->addAction(action);
    }
    m_toolBar->addSeparator();
}

void PreviewPane::setZoom(PreviewZoom zoom) {
    m_zoom = zoom;
    m_zooms->actions().at(static_cast<int>(zoom))->setChecked(true);
    render();
}

int PreviewPane::pageCount() const {
    return m_run ? m_run->pageCount() : 0;
}

void PreviewPane::refresh() {
    clear();
    m_note->setText(u"Não foi possível visualizar as etiquetas."_s);
    m_note->show();
    // The labels as the printer they go to prints them.
    m_run = std::make_unique<PreviewRun>(m_report, printerResolution(chosenPrinter(m_report)));
    m_note->setText(u"A visualização foi cancelada. Ajuste o modelo e volte a esta página "
                    u"para visualizar de novo."_s);
    m_note->setVisible(m_run->abandoned());
    showProblems();
    render();
}

void PreviewPane::clear() {
    m_run.reset();
    m_page = 0;
    m_problems->clear();
    m_problemsTitle->hide();
    m_problems->hide();
    m_note->hide();
    render();
}

void PreviewPane::showPage(int index) {
    m_page = std::clamp(index, 0, std::max(0, pageCount() - 1));
    render();
}

void PreviewPane::showProblems() {
    m_problems->clear();
    for (const Problem& problem : m_run->problems())
        m_problems->addItem(problem.describe());
    const int count = m_problems->count();
    m_problemsTitle->setText(
        count == 1 ? u"1 problema: o que está abaixo não sai na impressão."_s
                   : u"%1 problemas: o que está abaixo não sai na impressão."_s.arg(count));
    m_problemsTitle->setVisible(count > 0);
    m_problems->setVisible(count > 0);
}

double PreviewPane::zoomFactor() const {
    if (m_zoom == PreviewZoom::ActualSize)
        return 1;
    const QSizeF paper = m_run->paperSize(m_page) * logicalDpiX() / MillimetresPerInch;
    const QSizeF room = m_scroll->viewport()->size() - QSize(2, 2) * (PageView::Margin + 4);
    const double across = room.width() / paper.width();
    const double factor = m_zoom == PreviewZoom::PageWidth
                              ? across
                              : std::min(across, room.height() / paper.height());
    return std::clamp(factor, 0.1, 8.0);
}

void PreviewPane::render() {
    const int count = pageCount();
    const bool shown = count > 0;
    m_pageLabel->setText(shown ? u"Página %1 de %2"_s.arg(m_page + 1).arg(count) : QString());
    m_first->setEnabled(shown && m_page > 0);
    m_prior->setEnabled(shown && m_page > 0);
    m_next->setEnabled(shown && m_page < count - 1);
    m_last->setEnabled(shown && m_page < count - 1);
    if (!shown) {
        m_view->setPage({});
        return;
    }
    const double ratio = devicePixelRatioF();
    QImage page = m_run->pageImage(m_page, logicalDpiX() * zoomFactor() * ratio);
    page.setDevicePixelRatio(ratio);
    m_view->setPage(page);
}

void PreviewPane::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_zoom != PreviewZoom::ActualSize && pageCount() > 0)
        render();
}

void PreviewPane::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_PageDown:
        showPage(m_page + 1);
        return;
    case Qt::Key_PageUp:
        showPage(m_page - 1);
        return;
    case Qt::Key_Home:
        showPage(0);
        return;
    case Qt::Key_End:
        showPage(pageCount() - 1);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace plataforma::relatorio
