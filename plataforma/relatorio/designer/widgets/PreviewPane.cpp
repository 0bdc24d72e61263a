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
#include <QSplitter>
#include <QTimer>
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
    m_problemsTitle->setWordWrap(true);
    m_problems->setObjectName(u"lstProblems"_s);
    m_problemsTitle->hide();
    m_problems->hide();
    connect(m_problems, &QListWidget::currentRowChanged, this, &PreviewPane::goToProblem);

    // The operator gives the list more room when there is much to go through.
    auto* problems = new QWidget;
    auto* problemsLayout = new QVBoxLayout(problems);
    problemsLayout->setContentsMargins(4, 2, 4, 0);
    problemsLayout->addWidget(m_problemsTitle);
    problemsLayout->addWidget(m_problems, 1);
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->setObjectName(u"previewSplitter"_s);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(m_scroll);
    splitter->addWidget(problems);
    splitter->setStretchFactor(0, 4);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({600, 150});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_note);
    layout->addWidget(splitter, 1);
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
    emit runChanged();
}

void PreviewPane::clear() {
    m_run.reset();
    m_page = 0;
    m_outlined = {};
    m_problems->clear();
    m_problemsTitle->hide();
    m_problems->hide();
    m_note->hide();
    render();
    emit runChanged();
}

int PreviewPane::labelsWithProblems() const {
    return m_run && !m_run->abandoned() ? m_run->labelsWithProblems() : -1;
}

void PreviewPane::showPage(int index) {
    m_page = std::clamp(index, 0, std::max(0, pageCount() - 1));
    render();
}

void PreviewPane::showProblems() {
    const QSignalBlocker quiet(m_problems);
    m_problems->clear();
    m_outlined = {};
    for (const Problem& problem : m_run->problems()) {
        auto* item = new QListWidgetItem(problem.describe(), m_problems);
        const QList<int> label{problem.label.page, problem.label.row, problem.label.column};
        item->setData(Qt::UserRole, QVariant::fromValue(label));
    }
    const int count = m_problems->count();
    const int labels = m_run->labelsWithProblems();
    m_problemsTitle->setText(
        u"%1 em %2: escolha um problema para ver a etiqueta, contornada em vermelho."_s.arg(
            count == 1 ? u"1 problema"_s : u"%1 problemas"_s.arg(count),
            labels == 1 ? u"1 etiqueta"_s : u"%1 etiquetas"_s.arg(labels)));
    m_problemsTitle->setVisible(count > 0);
    m_problems->setVisible(count > 0);
}

void PreviewPane::goToProblem(int index) {
    const QListWidgetItem* item = m_problems->item(index);
    if (!item)
        return;
    const QList<int> at = item->data(Qt::UserRole).value<QList<int>>();
    m_outlined = {at.value(0, -1), at.value(1, -1), at.value(2, -1)};
    if (m_outlined.page >= 0)
        showPage(m_outlined.page);
    else
        render();
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
    const double dpi = logicalDpiX() * zoomFactor();
    QImage page = m_run->pageImage(m_page, dpi * ratio, m_outlined);
    page.setDevicePixelRatio(ratio);
    m_view->setPage(page);
    const QRectF label = m_outlined.page == m_page ? m_run->labelBox(m_outlined) : QRectF();
    if (!label.isNull()) {
        // Once the view has taken the page's size: at full size the label may lie out of sight.
        const QPointF centre = label.center() * dpi / MillimetresPerInch;
        QTimer::singleShot(0, this, [this, centre] {
            const int left =
                std::max(PageView::Margin,
                         (m_view->width() - m_view->minimumWidth()) / 2 + PageView::Margin);
            m_scroll->ensureVisible(
                left + qRound(centre.x()), PageView::Margin + qRound(centre.y()),
                m_scroll->viewport()->width() / 3, m_scroll->viewport()->height() / 3);
        });
    }
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
