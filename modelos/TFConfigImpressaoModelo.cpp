#include "modelos/TFConfigImpressaoModelo.h"

#include "modelos/Catalogo.h"
#include "modelos/FigurasCatalogo.h"
#include "modelos/SalvarModelo.h"
#include "plataforma/CenterOver.h"
#include "plataforma/DataGrid.h"
#include "plataforma/ErrorBox.h"
#include "plataforma/Exception.h"
#include "plataforma/GridModel.h"
#include "util/Confirma.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace modelos {

namespace {

constexpr int Largura = 560;
constexpr int Altura = 455;
constexpr int AlturaCabecalho = 41;
constexpr int AlturaRodape = 34;
constexpr int LarguraSalvar = 68;

QFont arial(int pixels, bool negrito = false) {
    QFont fonte(QStringLiteral("Arial"));
    fonte.setPixelSize(pixels);
    fonte.setBold(negrito);
    return fonte;
}

QWidget* faixa(QWidget* pai, int topo, int altura) {
    auto* widget = new QWidget(pai);
    widget->setGeometry(0, topo, Largura, altura);
    return widget;
}

// A rule of full stops whose dots sit on the given line of the band.
void regraPontilhada(QWidget* banda, int linhaDosPontos) {
    auto* regra = new QLabel(QString(179, u'.'), banda);
    regra->adjustSize();
    regra->move((Largura - regra->width()) / 2, linhaDosPontos - regra->fontMetrics().ascent());
}

void secao(QWidget* pai, const QString& texto, const QRect& geometria) {
    auto* titulo = new QLabel(texto, pai);
    titulo->setGeometry(geometria);
    titulo->setAlignment(Qt::AlignCenter);
    titulo->setFont(arial(12));
    titulo->setAutoFillBackground(true);
    QPalette cores = titulo->palette();
    cores.setColor(QPalette::Window, QColor(0xE6, 0xE6, 0xE6));
    titulo->setPalette(cores);
}

bool ehSalvar(const plataforma::DataGrid& grade, int coluna) {
    const int campo = grade.gridModel()->fieldOf(coluna);
    return campo >= 0 && grade.table()->field(campo).name() == u"salvar";
}

// An existing file is replaced only when the operator says so.
bool podeGravar(const QString& arquivo) {
    return !QFileInfo::exists(arquivo) ||
           util::Confirma(QStringLiteral("O arquivo já existe, deseja substituir?"), true,
                          QStringLiteral("Confirmação..."));
}

} // namespace

int TFConfigImpressaoModelo::AbrirModelos(const QWidget* sobre) {
    TFConfigImpressaoModelo catalogo;
    plataforma::centerOver(catalogo, sobre ? sobre : QApplication::activeWindow());
    try {
        catalogo.exec();
    } catch (const plataforma::Exception&) {
        // Whatever went wrong in showing the catalogue is not the operator's to read.
    }
    return catalogo.result();
}

TFConfigImpressaoModelo::TFConfigImpressaoModelo(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setWindowTitle(QStringLiteral("Modelos de etiquetas"));
    setFixedSize(Largura, Altura);
    setFont(arial(11));
    QPalette cores = palette();
    cores.setColor(QPalette::Window, Qt::white);
    setPalette(cores);
    setAutoFillBackground(true);

    DefinirListaTermica(MemoZebra);
    DefinirListaTermica(MemoArgox);
    DefinirListaComum(MemoComum);
    montarCabecalho();
    montarCorpo();
    montarRodape();
    for (plataforma::MemTable* lista : {&MemoZebra, &MemoArgox, &MemoComum}) {
        lista->setAfterScrollHook([this](plataforma::MemTable&) { MemoComumAfterScroll(); });
    }

    montarSaveDialog();

    // Key preview: the catalogue sees every key of its own window first, but
    // not those of the windows it opens, such as the save dialog.
    installEventFilter(this);
    for (QWidget* controle : findChildren<QWidget*>()) {
        if (controle->window() == this) {
            controle->installEventFilter(this);
        }
    }
}

void TFConfigImpressaoModelo::montarCabecalho() {
    QWidget* cabecalho = faixa(this, 0, AlturaCabecalho);
    auto* titulo = new QLabel(QStringLiteral("Modelos de etiquetas"), cabecalho);
    titulo->setFont(arial(15, true));
    titulo->adjustSize();
    titulo->move(16, 14);
    auto* figura = new QLabel(cabecalho);
    figura->setPixmap(FiguraEtiqueta());
    figura->setGeometry(184, 5, 32, 32);
    regraPontilhada(cabecalho, AlturaCabecalho - 2);
}

void TFConfigImpressaoModelo::montarCorpo() {
    m_corpo = faixa(this, AlturaCabecalho, Altura - AlturaCabecalho - AlturaRodape);
    secao(m_corpo, QStringLiteral("Impressora Zebra"), {16, 8, 207, 35});
    GridZebra = criarGrade(QStringLiteral("GridZebra"), MemoZebra, 135, {16, 43, 207, 125});
    secao(m_corpo, QStringLiteral("Impressora Argox"), {16, 168, 207, 35});
    GridArgox = criarGrade(QStringLiteral("GridArgox"), MemoArgox, 135, {16, 203, 207, 125});
    secao(m_corpo, QStringLiteral("Impressora comum papel A4"), {232, 8, 295, 35});
    DBGrid1 = criarGrade(QStringLiteral("DBGrid1"), MemoComum, 220, {232, 43, 295, 326});

    ligarClique(GridZebra, &TFConfigImpressaoModelo::GridZebraCellClick);
    ligarClique(GridArgox, &TFConfigImpressaoModelo::GridArgoxCellClick);
    ligarClique(DBGrid1, &TFConfigImpressaoModelo::GridComumCellClick);
    GridZebra->setCellPainter([this](QPainter& p, const QRect& celula, int linha, int coluna) {
        GridZebraDrawColumnCell(p, celula, linha, coluna);
    });
    GridArgox->setCellPainter([this](QPainter& p, const QRect& celula, int linha, int coluna) {
        GridArgoxDrawColumnCell(p, celula, linha, coluna);
    });
    DBGrid1->setCellPainter([this](QPainter& p, const QRect& celula, int linha, int coluna) {
        DBGrid1DrawColumnCell(p, celula, linha, coluna);
    });
}

void TFConfigImpressaoModelo::montarRodape() {
    QWidget* rodape = faixa(this, Altura - AlturaRodape, AlturaRodape);
    regraPontilhada(rodape, 1);
    btnFechar = new QPushButton(QIcon(GlifoFechar()), QStringLiteral("Fechar (Esc)"), rodape);
    btnFechar->setObjectName(QStringLiteral("btnFechar"));
    btnFechar->setGeometry(448, 3, 105, 27);
    btnFechar->setIconSize({16, 16});
    btnFechar->setFlat(true);
    // Enter in a list must not close the catalogue.
    btnFechar->setAutoDefault(false);
    connect(btnFechar, &QPushButton::clicked, this, &TFConfigImpressaoModelo::btnFecharClick);
}

void TFConfigImpressaoModelo::montarSaveDialog() {
    SaveDialog1 = new QFileDialog(this);
    SaveDialog1->setObjectName(QStringLiteral("SaveDialog1"));
    SaveDialog1->setAcceptMode(QFileDialog::AcceptSave);
    SaveDialog1->setDefaultSuffix(QStringLiteral("rtm"));
    // The replace question is the catalogue's own. The pattern after the
    // description lists the template files; the operator reads only the
    // description.
    SaveDialog1->setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite |
                            QFileDialog::HideNameFilterDetails);
    SaveDialog1->setNameFilter(QStringLiteral("Etiqueta (.rtm) (*.rtm)"));
    m_escolherArquivo = [this](const QString& nome) {
        return perguntarArquivo(nome);
    };
}

plataforma::DataGrid* TFConfigImpressaoModelo::criarGrade(const QString& nome,
                                                          plataforma::MemTable& lista,
                                                          int larguraModelo,
                                                          const QRect& geometria) {
    auto* grade = new plataforma::DataGrid(m_corpo);
    grade->setObjectName(nome);
    grade->setGeometry(geometria);
    grade->setFrameShape(QFrame::NoFrame);
    grade->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grade->setTitleColors(QColor(0xE0, 0xE0, 0xE0), Qt::black);
    // Right of the last column the title row is the list's own white.
    QPalette cores = grade->horizontalHeader()->palette();
    cores.setColor(QPalette::Window, Qt::white);
    cores.setColor(QPalette::Button, Qt::white);
    cores.setColor(QPalette::Base, Qt::white);
    grade->horizontalHeader()->setPalette(cores);
    grade->setVerticalLines(false);
    grade->setTable(&lista);

    QList<plataforma::GridColumn> colunas;
    plataforma::GridColumn id(QStringLiteral("id"), QStringLiteral("id"));
    id.hidden = true;
    colunas.append(id);
    plataforma::GridColumn modelo(QStringLiteral("modelo"), QStringLiteral("Modelo"));
    modelo.width = larguraModelo;
    modelo.boldTitle = true;
    colunas.append(modelo);
    plataforma::GridColumn salvar(QStringLiteral("salvar"), QStringLiteral("   "));
    salvar.width = LarguraSalvar;
    colunas.append(salvar);
    if (lista.fieldIndex(u"exibir") >= 0) {
        plataforma::GridColumn exibir(QStringLiteral("exibir"), QStringLiteral("exibir"));
        exibir.hidden = true;
        colunas.append(exibir);
    }
    grade->setColumns(colunas);
    return grade;
}

// An export error ends the click here, in the standard error box, before it
// could reach the grid's own mouse handling.
void TFConfigImpressaoModelo::ligarClique(plataforma::DataGrid* grade,
                                          void (TFConfigImpressaoModelo::*tratar)(int)) {
    connect(grade, &QAbstractItemView::clicked, this,
            plataforma::reportingErrors(
                [this, tratar](const QModelIndex& celula) { (this->*tratar)(celula.column()); }));
}

int TFConfigImpressaoModelo::exec() {
    FormShow();
    return QDialog::exec();
}

void TFConfigImpressaoModelo::definirEscolhaDeArquivo(EscolhaDeArquivo escolha) {
    m_escolherArquivo = std::move(escolha);
}

bool TFConfigImpressaoModelo::eventFilter(QObject* alvo, QEvent* evento) {
    if (evento->type() == QEvent::KeyPress && FormKeyDown(static_cast<QKeyEvent*>(evento)->key())) {
        return true;
    }
    return QDialog::eventFilter(alvo, evento);
}

void TFConfigImpressaoModelo::FormShow() {
    PreencherZebra();
    PreencherArgox();
    PreencherComum();
    OcultarBarras();
}

bool TFConfigImpressaoModelo::FormKeyDown(int tecla) {
    if (tecla != Qt::Key_Escape) {
        return false;
    }
    btnFechar->click();
    return true;
}

void TFConfigImpressaoModelo::btnFecharClick() {
    close();
}

void TFConfigImpressaoModelo::PreencherZebra() {
    PreencherListaTermica(MemoZebra, 1);
}

void TFConfigImpressaoModelo::PreencherArgox() {
    PreencherListaTermica(MemoArgox, 4);
}

void TFConfigImpressaoModelo::PreencherComum() {
    PreencherListaComum(MemoComum);
}

void TFConfigImpressaoModelo::OcultarBarras() {
    for (plataforma::DataGrid* grade : {DBGrid1, GridZebra, GridArgox}) {
        grade->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    for (plataforma::DataGrid* grade : {DBGrid1, GridZebra, GridArgox}) {
        grade->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
}

void TFConfigImpressaoModelo::MemoComumAfterScroll() {
    OcultarBarras();
}

void TFConfigImpressaoModelo::GridZebraCellClick(int coluna) {
    salvarDaLista(*GridZebra, QStringLiteral("Zebra "), coluna);
}

void TFConfigImpressaoModelo::GridArgoxCellClick(int coluna) {
    salvarDaLista(*GridArgox, QStringLiteral("Argox "), coluna);
}

void TFConfigImpressaoModelo::GridComumCellClick(int coluna) {
    salvarDaLista(*DBGrid1, QString(), coluna);
}

void TFConfigImpressaoModelo::salvarDaLista(const plataforma::DataGrid& grade,
                                            const QString& prefixo, int coluna) {
    if (ehSalvar(grade, coluna)) {
        const plataforma::MemTable& lista = *grade.table();
        const std::optional<QString> arquivo =
            m_escolherArquivo(prefixo + lista.asString(u"modelo"));
        if (arquivo && podeGravar(*arquivo)) {
            SalvarModelo(lista.asInteger(u"id"), *arquivo);
        }
    }
    OcultarBarras();
}

std::optional<QString> TFConfigImpressaoModelo::perguntarArquivo(const QString& nomeSugerido) {
    SaveDialog1->selectFile(nomeSugerido);
    if (SaveDialog1->exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return SaveDialog1->selectedFiles().value(0);
}

void TFConfigImpressaoModelo::GridZebraDrawColumnCell(QPainter& pintor, const QRect& celula,
                                                      int linha, int coluna) {
    desenharCelula(*GridZebra, pintor, celula, linha, coluna);
}

void TFConfigImpressaoModelo::GridArgoxDrawColumnCell(QPainter& pintor, const QRect& celula,
                                                      int linha, int coluna) {
    desenharCelula(*GridArgox, pintor, celula, linha, coluna);
}

void TFConfigImpressaoModelo::DBGrid1DrawColumnCell(QPainter& pintor, const QRect& celula,
                                                    int linha, int coluna) {
    desenharCelula(*DBGrid1, pintor, celula, linha, coluna);
}

// Rows alternate white and light grey by record number, the selected row too,
// and every cell's text starts at its top left.
void TFConfigImpressaoModelo::desenharCelula(const plataforma::DataGrid& grade, QPainter& pintor,
                                             const QRect& celula, int linha, int coluna) const {
    const plataforma::MemTable& lista = *grade.table();
    if (lista.isEmpty()) {
        return;
    }
    const int registro = linha + 1;
    pintor.fillRect(celula, registro % 2 == 1 ? QColor(Qt::white) : QColor(0xEE, 0xEE, 0xEE));
    QFont fonte = grade.font();
    fonte.setBold(ehSalvar(grade, coluna));
    pintor.setFont(fonte);
    pintor.setPen(Qt::black);
    pintor.drawText(celula.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                    lista.displayText(linha, grade.gridModel()->fieldOf(coluna)));
}

} // namespace modelos
