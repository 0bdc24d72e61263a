#include "TFEtiquet.h"

#include "Figuras.h"
#include "GrupoEntalhado.h"
#include "VersaoDoExecutavel.h"
#include "impressao/CaixaAutoajuste.h"
#include "impressao/GerarEtiquetas.h"
#include "impressao/TFConfgImpressaoHelp.h"
#include "impressao/VerificacaoAltura.h"
#include "lista/AlterarQuantidades.h"
#include "lista/BuscaProduto.h"
#include "lista/CarregarLista.h"
#include "lista/ColunasProdutos.h"
#include "lista/ResumoLista.h"
#include "lista/TabelaProdutos.h"
#include "plataforma/AttentionBox.h"
#include "plataforma/DataGrid.h"
#include "plataforma/ErrorBox.h"
#include "plataforma/GridModel.h"
#include "plataforma/SpinEdit.h"
#include "plataforma/relatorio/designer/widgets/ReportDesigner.h"
#include "util/ArquivoDoPrograma.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QCompleter>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QScreen>
#include <QTabWidget>
#include <QToolButton>
#include <QWindow>
#include <algorithm>

namespace {

const QString Titulo = QStringLiteral("Impressão de Etiquetas de Gôndola (Quorvia) - Versão: ");
// Light red: a value of the list file that did not read.
constexpr QRgb CorIlegivel = 0xFFC8C8;

template <typename Controle> Controle* criar(QWidget* pai, const char* nome, const QRect& posicao) {
    auto* controle = new Controle(pai);
    controle->setObjectName(QLatin1String(nome));
    controle->setGeometry(posicao);
    return controle;
}

// A flat button with a picture, a hand cursor and a tooltip, which never
// takes the focus away from the grid or the search box.
QToolButton* botaoComFigura(QWidget* pai, const char* nome, const QRect& posicao,
                            const QIcon& figura, int lado, const QString& texto,
                            const QString& dica) {
    auto* botao = criar<QToolButton>(pai, nome, posicao);
    botao->setAutoRaise(true);
    botao->setFocusPolicy(Qt::NoFocus);
    botao->setCursor(Qt::PointingHandCursor);
    botao->setIcon(figura);
    botao->setIconSize(QSize(lado, lado));
    botao->setToolTip(dica);
    if (!texto.isEmpty()) {
        botao->setText(texto);
        botao->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    }
    return botao;
}

QFrame* filete(QWidget* pai, const char* nome, const QRect& posicao) {
    auto* linha = criar<QFrame>(pai, nome, posicao);
    linha->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    return linha;
}

QLabel* rotulo(QWidget* pai, const char* nome, QPoint posicao, const QString& texto) {
    auto* label = new QLabel(texto, pai);
    label->setObjectName(QLatin1String(nome));
    label->move(posicao);
    label->adjustSize();
    return label;
}

QList<plataforma::GridColumn> colunasDaGrade() {
    QList<plataforma::GridColumn> colunas;
    for (const lista::ColunaProduto& origem : lista::ColunasProdutos) {
        plataforma::GridColumn coluna(QString::fromLatin1(origem.campo), origem.titulo.toString());
        coluna.width = origem.largura;
        coluna.alignment = origem.alinhamento;
        coluna.editable = origem.editavel;
        if (origem.editavel)
            coluna.background = QColor(lista::CorColunaEditavel);
        colunas << coluna;
    }
    return colunas;
}

int colunaDaGrade(const char* campo) {
    const auto coluna = std::find_if(
        lista::ColunasProdutos.begin(), lista::ColunasProdutos.end(),
        [campo](const lista::ColunaProduto& c) { return qstrcmp(c.campo, campo) == 0; });
    return static_cast<int>(coluna - lista::ColunasProdutos.begin());
}

QString pastaInicial() {
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\");
#else
    return QDir::homePath();
#endif
}

} // namespace

TFEtiquet::TFEtiquet(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("FEtiquet"));
    lista::DefinirCamposProdutos(MemTable2);
    setFixedSize(811, 571);
    QFont fonte(QStringLiteral("Arial"));
    fonte.setPixelSize(11);
    setFont(fonte);
    QPalette cores = palette();
    cores.setColor(QPalette::Window, cores.color(QPalette::Button));
    setPalette(cores);

    pc = criar<QTabWidget>(this, "pc", rect());
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    pc->addTab(TabSheet1, QStringLiteral("Impressão das Etiquetas"));
    criarPainelBusca(TabSheet1);
    criarGrade(TabSheet1);
    criarGrupoImpressao(TabSheet1);
    setTabOrder(GridSelecao, AltLinear);
    setTabOrder(AltLinear, Edit1);

    OpenDialog1 = new QFileDialog(this);
    OpenDialog1->setObjectName(QStringLiteral("OpenDialog1"));
    OpenDialog1->setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
    OpenDialog1->setAcceptMode(QFileDialog::AcceptOpen);
    // A typed name comes back as typed, whether or not such a file exists.
    OpenDialog1->setFileMode(QFileDialog::AnyFile);
    OpenDialog1->setNameFilter(QStringLiteral("csv (*.csv)"));
    // The sample list that ships with the program is one click away.
    const QFileInfo exemplos(util::arquivoDoPrograma(QStringLiteral("exemplos")));
    if (exemplos.isDir())
        OpenDialog1->setSidebarUrls(OpenDialog1->sidebarUrls()
                                    << QUrl::fromLocalFile(exemplos.absoluteFilePath()));

    m_relatorio.publicar(QStringLiteral("ppReport1PageRequest"),
                         [this](plataforma::relatorio::Report&) { ppReport1PageRequest(); });

    qApp->installEventFilter(this);
}

TFEtiquet::~TFEtiquet() {
    qApp->removeEventFilter(this);
    // The product table outlives the members the summary reads, and tells the grid it is gone.
    GridSelecao->model()->disconnect(this);
}

void TFEtiquet::criarPainelBusca(QWidget* pagina) {
    Panel1 = criar<QFrame>(pagina, "Panel1", QRect(3, 2, 798, 41));
    // Raised outside, lowered inside.
    Panel1->setFrameStyle(QFrame::Box | QFrame::Raised);
    bRestaurarLista =
        botaoComFigura(Panel1, "bRestaurarLista", QRect(9, 8, 124, 27), FiguraCarregarLista(), 18,
                       QStringLiteral("Carregar Lista (F3)"), QStringLiteral("Restaurar Lista"));
    connect(bRestaurarLista, &QToolButton::clicked, this,
            plataforma::reportingErrors([this] { bRestaurarListaClick(); }));
    Bevel5 = filete(Panel1, "Bevel5", QRect(140, 6, 2, 30));
    Label3 = rotulo(Panel1, "Label3", QPoint(147, 14), QStringLiteral("Busca:"));
    Edit1 = criar<QLineEdit>(Panel1, "Edit1", QRect(187, 10, 358, 22));
    connect(Edit1, &QLineEdit::returnPressed, this,
            plataforma::reportingErrors([this] { Edit1KeyPress(); }));
    lblBusca = criar<QLabel>(Panel1, "lblBusca", QRect(551, 13, 170, 16));
    Bevel4 = filete(Panel1, "Bevel4", QRect(725, 5, 2, 30));
    sbAnterior = botaoComFigura(Panel1, "sbAnterior", QRect(733, 7, 29, 28), FiguraAnterior(), 20,
                                {}, QStringLiteral("Anterior"));
    connect(sbAnterior, &QToolButton::clicked, this,
            plataforma::reportingErrors([this] { sbAnteriorClick(); }));
    sbProximo = botaoComFigura(Panel1, "sbProximo", QRect(762, 7, 29, 28), FiguraProximo(), 20, {},
                               QStringLiteral("Próximo"));
    connect(sbProximo, &QToolButton::clicked, this,
            plataforma::reportingErrors([this] { sbProximoClick(); }));
}

void TFEtiquet::criarGrade(QWidget* pagina) {
    GridSelecao = criar<plataforma::DataGrid>(pagina, "GridSelecao", QRect(2, 44, 800, 437));
    GridSelecao->setColumns(colunasDaGrade());
    GridSelecao->setTable(&MemTable2);
    GridSelecao->setTitleColors(QColor(lista::CorTitulosProdutos), Qt::white);
    GridSelecao->setVerticalLines(true);
    GridSelecao->gridModel()->setCellNotes(
        [this](int linha, int campo) {
            const lista::CampoIlegivel* ilegivel = m_ilegiveis.Procurar(linha, campo);
            return ilegivel ? QStringLiteral("Linha %1 do arquivo: \"%2\" não pôde ser lido.")
                                  .arg(ilegivel->linhaDoArquivo)
                                  .arg(ilegivel->texto)
                            : QString();
        },
        QColor(CorIlegivel));
    const QAbstractItemModel* modelo = GridSelecao->model();
    connect(modelo, &QAbstractItemModel::modelReset, this, &TFEtiquet::atualizarResumo);
    connect(modelo, &QAbstractItemModel::dataChanged, this, &TFEtiquet::atualizarResumo);
    connect(modelo, &QAbstractItemModel::rowsInserted, this, &TFEtiquet::atualizarResumo);
    connect(modelo, &QAbstractItemModel::rowsRemoved, this, &TFEtiquet::atualizarResumo);
}

void TFEtiquet::atualizarResumo() {
    lblResumo->setText(
        lista::ResumoDaLista(MemTable2, m_arquivoCarregado, m_ilegiveis.Quantidade()));
}

void TFEtiquet::criarGrupoImpressao(QWidget* pagina) {
    GrImpressao = criar<GrupoEntalhado>(pagina, "GrImpressao", QRect(0, 480, 803, 62));
    GrImpressao->setTitle(QStringLiteral(" Impressão "));
    SpeedButton1 = botaoComFigura(GrImpressao, "SpeedButton1", QRect(9, 23, 135, 27),
                                  FiguraImpressora(), 18, QStringLiteral("Configurar e Imprimir"),
                                  QStringLiteral("Configurar e Imprimir"));
    connect(SpeedButton1, &QToolButton::clicked, this,
            plataforma::reportingErrors([this] { SpeedButton1Click(); }));
    Bevel3 = filete(GrImpressao, "Bevel3", QRect(154, 15, 2, 40));
    lblResumo = criar<QLabel>(GrImpressao, "lblResumo", QRect(166, 29, 455, 16));
    AltLinear = criar<plataforma::SpinEdit>(GrImpressao, "AltLinear", QRect(629, 30, 65, 22));
    AltLinear->setRange(0, 9999);
    AltLinear->setMaxLength(4);
    AltLinear->setSingleStep(1);
    AltLinear->setValue(0);
    Label1 = rotulo(GrImpressao, "Label1", QPoint(631, 14), QStringLiteral("Alt. &Linear"));
    Label1->setBuddy(AltLinear);
    SpeedButton2 =
        botaoComFigura(GrImpressao, "SpeedButton2", QRect(704, 23, 89, 25), FiguraAlterar(), 16,
                       QStringLiteral("&Alterar"), QStringLiteral("Alterar Linear"));
    connect(SpeedButton2, &QToolButton::clicked, this,
            plataforma::reportingErrors([this] { SpeedButton2Click(); }));
}

void TFEtiquet::bRestaurarListaClick() {
    OpenDialog1->setDirectory(pastaInicial());
    // The last name chosen comes back, and with it its folder.
    if (!m_ultimoArquivo.isEmpty())
        OpenDialog1->selectFile(m_ultimoArquivo);
    const int resposta = OpenDialog1->exec();
    // The name box's list of suggestions can outlive the dialog, over the grid, where it takes
    // the arrow keys.
    for (const QCompleter* sugestoes : OpenDialog1->findChildren<QCompleter*>())
        sugestoes->popup()->hide();
    if (resposta != QDialog::Accepted)
        return;
    m_ultimoArquivo = OpenDialog1->selectedFiles().value(0);
    lista::CarregarLista(MemTable2, m_ultimoArquivo, QDate::currentDate(), &m_ilegiveis);
    m_arquivoCarregado = m_ultimoArquivo;
    atualizarResumo();
}

void TFEtiquet::Edit1KeyPress() {
    if (!MemTable2.isOpen()) {
        plataforma::showAttention(
            this, QStringLiteral("Carregue a lista de produtos antes de efetuar a busca."));
        return;
    }
    const lista::ResultadoBusca resultado = lista::BuscarProduto(MemTable2, Edit1->text());
    if (resultado == lista::ResultadoBusca::NadaABuscar)
        return;
    if (resultado == lista::ResultadoBusca::NaoEncontrado)
        lblBusca->setText(QStringLiteral("Produto não encontrado."));
    GridSelecao->setFocus();
    // The next number typed is the quantity of the product found.
    GridSelecao->setCurrentIndex(
        GridSelecao->model()->index(MemTable2.currentRow(), colunaDaGrade(lista::CQTDE)));
}

void TFEtiquet::sbAnteriorClick() {
    if (MemTable2.isOpen() && !MemTable2.isEmpty())
        MemTable2.prior();
}

void TFEtiquet::sbProximoClick() {
    if (MemTable2.isOpen() && !MemTable2.isEmpty())
        MemTable2.next();
}

void TFEtiquet::SpeedButton1Click() {
    if (!MemTable2.isOpen()) {
        plataforma::showAttention(this, QStringLiteral("Nenhuma lista de produtos foi carregada."));
        return;
    }
    impressao::GerarEtiquetas(MemTable2, MemTable3(), plataforma::Date::today());
    if (MemTable3().isEmpty()) {
        plataforma::showAttention(
            this, QStringLiteral("Defina as quantidades de etiquetas a serem impressas."));
        return;
    }
    SpeedButton1->setEnabled(false);
    // The batch lives exactly as long as the hub, however the hub ends.
    const auto descartarLote = qScopeGuard([this] {
        MemTable3().close();
        SpeedButton1->setEnabled(true);
    });
    impressao::TFConfgImpressaoHelp::AbrirConfigImpressao(
        [this](QWidget* hub) { MostrarDesigner(hub); });
}

plataforma::relatorio::ReportDesigner& TFEtiquet::designer() {
    if (!m_ppDesigner1) {
        m_ppDesigner1 = std::make_unique<plataforma::relatorio::ReportDesigner>(ppReport1(), this);
        m_ppDesigner1->setShowHandler(
            [this](plataforma::relatorio::ReportDesigner&) { ppDesigner1Show(); });
        m_ppDesigner1->setCustomSaveHandler(
            [this](plataforma::relatorio::Report&) { ppDesigner1CustomSaveDoc(); });
    }
    return *m_ppDesigner1;
}

void TFEtiquet::MostrarDesigner(QWidget* sobre) {
    // The window manager keeps a dialog above the window it belongs to: the hub, here, rather
    // than the main window behind it.
    designer().winId();
    m_ppDesigner1->windowHandle()->setTransientParent(sobre->windowHandle());
    m_ppDesigner1->exec();
}

void TFEtiquet::AbrirModelo(const QString& arquivo) {
    // No list is behind a template opened this way: the batch is empty, and the designer shows
    // each data field by its name.
    MemTable3().open();
    const auto descartarLote = qScopeGuard([this] { MemTable3().close(); });
    if (designer().openTemplateFile(arquivo))
        MostrarDesigner(this);
}

void TFEtiquet::ppDesigner1Show() {
    ppReport1().setLanguage(plataforma::relatorio::Language::PortugueseBrazil);
    m_ppDesigner1->pageControl()->setCurrentIndex(0);
}

void TFEtiquet::ppDesigner1CustomSaveDoc() {
    // The engine writes the whole file or nothing, so a failed save leaves the old one whole.
    ppReport1().saveToFile(ppReport1().templateFileName());
}

void TFEtiquet::ppReport1PageRequest() {
    // Over the window the run was started from: the designer's preview, or the main window.
    impressao::VerificarAlturaDoCabecalho(ppReport1(), [this] {
        QWidget* ativa = QApplication::activeWindow();
        return impressao::PerguntarAutoajuste(ativa ? ativa : this);
    });
}

void TFEtiquet::SpeedButton2Click() {
    if (!MemTable2.isOpen()) {
        plataforma::showAttention(this, QStringLiteral("Nenhuma lista de produtos foi carregada."));
        return;
    }
    lista::AlterarQuantidades(MemTable2, AltLinear->currentValue());
}

void TFEtiquet::closeEvent(QCloseEvent* event) {
    // Quitting asks about the designer's unsaved changes as closing the designer does, and
    // closes the designer too when the answer lets the program end.
    if (m_ppDesigner1) {
        if (!m_ppDesigner1->maybeSave()) {
            event->ignore();
            return;
        }
        if (m_ppDesigner1->isVisible())
            m_ppDesigner1->reject();
    }
    QWidget::closeEvent(event);
}

void TFEtiquet::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        FormShow();
    QWidget::showEvent(event);
}

void TFEtiquet::FormShow() {
    setWindowTitle(Titulo + VersaoDoExecutavel());
    if (const QScreen* tela = screen())
        move(tela->availableGeometry().center() - rect().center());
}

bool TFEtiquet::eventFilter(QObject* alvo, QEvent* evento) {
    if (m_repassando || evento->type() != QEvent::KeyPress || !alvo->isWidgetType() ||
        static_cast<QWidget*>(alvo)->window() != this)
        return false;
    // A search's "not found" holds until the operator's next key; a key the focused control
    // leaves to its parents comes here again, and is no new key.
    if (alvo == QApplication::focusWidget())
        lblBusca->clear();
    const auto& tecla = *static_cast<QKeyEvent*>(evento);
    if (tecla.key() == Qt::Key_F3) {
        // The load opens a dialog, which moves the focus and may even close
        // the grid's cell editor that the key was meant for. So the key is
        // taken here and, once the load is over, handed again to its control
        // if that still exists.
        QPointer<QObject> destino(alvo);
        if (plataforma::reportErrors([this] { bRestaurarListaClick(); }) && destino) {
            const QScopedValueRollback repassando(m_repassando, true);
            QKeyEvent copia(tecla.type(), tecla.key(), tecla.modifiers(), tecla.nativeScanCode(),
                            tecla.nativeVirtualKey(), tecla.nativeModifiers(), tecla.text(),
                            tecla.isAutoRepeat(), tecla.count(), tecla.device());
            QCoreApplication::sendEvent(destino, &copia);
        }
        return true;
    }
    // The grid would delete the current product; no control gets the key.
    return tecla.key() == Qt::Key_Delete && tecla.modifiers().testFlag(Qt::ControlModifier);
}
