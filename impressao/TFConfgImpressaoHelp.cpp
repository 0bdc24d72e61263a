#include "impressao/TFConfgImpressaoHelp.h"

#include "impressao/FigurasConfgImpressao.h"
#include "modelos/TFConfigImpressaoModelo.h"
#include "plataforma/CenterOver.h"
#include "plataforma/ErrorBox.h"
#include "plataforma/Exception.h"
#include "util/ArquivoDoPrograma.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QToolButton>

namespace impressao {

namespace {

constexpr int Largura = 483;
constexpr int Altura = 140;
constexpr int AlturaCabecalho = 41;
constexpr int AlturaRodape = 28;

const QString HintRelatorio =
    QStringLiteral("Utilizando a opção \"Imprimir etiquetas\" você pode criar e imprimir através "
                   "do relatório de etiquetas.");
const QString HintModelos =
    QStringLiteral("Aqui você encontra modelos de etiquetas prontos para utilização na impressão.");
const QString HintVideo = QStringLiteral("Em caso de dúvidas, assista nosso vídeo explicativo.");

QFont arial(int pixels, bool negrito = false) {
    QFont fonte(QStringLiteral("Arial"));
    fonte.setPixelSize(pixels);
    fonte.setBold(negrito);
    return fonte;
}

QFrame* painel(QWidget* pai, const char* nome, const QRect& posicao) {
    auto* quadro = new QFrame(pai);
    quadro->setObjectName(QLatin1String(nome));
    quadro->setFrameStyle(QFrame::NoFrame);
    quadro->setGeometry(posicao);
    return quadro;
}

QLabel* rotulo(QWidget* pai, const char* nome, const QString& texto) {
    auto* label = new QLabel(texto, pai);
    label->setObjectName(QLatin1String(nome));
    // A label is plain text: "&" is no accelerator.
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

int TFConfgImpressaoHelp::AbrirConfigImpressao(MostrarDesigner ppDesigner1) {
    const QWidget* ativa = QApplication::activeWindow();
    TFConfgImpressaoHelp hub(std::move(ppDesigner1));
    plataforma::centerOver(hub, ativa);
    try {
        hub.exec();
    } catch (const plataforma::Exception&) {
        // The hub closes; what went wrong in showing it is not the operator's to read.
    }
    return hub.result();
}

QUrl TFConfgImpressaoHelp::EnderecoVideo() {
    return QUrl::fromLocalFile(util::arquivoDoPrograma(QStringLiteral("ajuda/index.html")));
}

TFConfgImpressaoHelp::TFConfgImpressaoHelp(MostrarDesigner ppDesigner1, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_ppDesigner1(std::move(ppDesigner1)) {
    setObjectName(QStringLiteral("FConfgImpressaoHelp"));
    setWindowTitle(QStringLiteral("Configurar e imprimir"));
    setFixedSize(Largura, Altura);
    setFont(arial(11));
    montarCabecalho();
    montarBotoes();
    montarRodape();
    acompanharMouse(this, &TFConfgImpressaoHelp::FormMouseMove);
}

void TFConfgImpressaoHelp::montarCabecalho() {
    Panel1 = painel(this, "Panel1", QRect(0, 0, Largura, AlturaCabecalho));
    acompanharMouse(Panel1, &TFConfgImpressaoHelp::FormMouseMove);
    Label2 = rotulo(Panel1, "Label2", QString(187, u'.'));
    Label2->setGeometry(16, 28, 561, Label2->sizeHint().height());
    Label1 = rotulo(Panel1, "Label1", QStringLiteral("Configurar e imprimir"));
    Label1->setFont(arial(15, true));
    Label1->move(16, 14);
    Label1->adjustSize();
    // The title and its rule follow no mouse: over them the hint stays as it was, and the
    // moves Qt does not deliver to them do not reach the panel either.
}

void TFConfgImpressaoHelp::montarBotoes() {
    Panel3 = painel(this, "Panel3",
                    QRect(0, AlturaCabecalho, Largura, Altura - AlturaCabecalho - AlturaRodape));
    acompanharMouse(Panel3, &TFConfgImpressaoHelp::FormMouseMove);
    btnModelos = botao("btnModelos", 166, QStringLiteral("Modelos de Etiquetas"), FiguraModelos(),
                       &TFConfgImpressaoHelp::btnModelosClick);
    acompanharMouse(btnModelos, &TFConfgImpressaoHelp::btnModelosMouseMove);
    btnRelatorioEtiquetas =
        botao("btnRelatorioEtiquetas", 16, QStringLiteral("Imprimir Etiquetas"),
              FiguraRelatorioEtiquetas(), &TFConfgImpressaoHelp::btnRelatorioEtiquetasClick);
    acompanharMouse(btnRelatorioEtiquetas, &TFConfgImpressaoHelp::btnRelatorioEtiquetasMouseMove);
    btnVideo = botao("btnVideo", 316, QStringLiteral("Dúvidas"), FiguraVideo(),
                     &TFConfgImpressaoHelp::btnVideoClick);
    acompanharMouse(btnVideo, &TFConfgImpressaoHelp::btnVideoMouseMove);
}

void TFConfgImpressaoHelp::montarRodape() {
    Panel2 = painel(this, "Panel2", QRect(0, Altura - AlturaRodape, Largura, AlturaRodape));
    acompanharMouse(Panel2, &TFConfgImpressaoHelp::FormMouseMove);
    lblHint = rotulo(Panel2, "lblHint", {});
    // The first hint takes two lines at this width; one line's height would cut the second.
    lblHint->setGeometry(18, 2, 446, 26);
    lblHint->setWordWrap(true);
    lblHint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    acompanharMouse(lblHint, &TFConfgImpressaoHelp::FormMouseMove);
}

QToolButton* TFConfgImpressaoHelp::botao(const char* nome, int esquerda, const QString& texto,
                                         const QIcon& figura,
                                         void (TFConfgImpressaoHelp::*clique)()) {
    auto* botao = new QToolButton(Panel3);
    botao->setObjectName(QLatin1String(nome));
    botao->setGeometry(esquerda, 3, 150, 65);
    botao->setAutoRaise(true);
    botao->setFocusPolicy(Qt::NoFocus);
    botao->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    botao->setIcon(figura);
    botao->setIconSize(QSize(32, 32));
    botao->setText(texto);
    connect(botao, &QToolButton::clicked, this,
            plataforma::reportingErrors([this, clique] { (this->*clique)(); }));
    return botao;
}

void TFConfgImpressaoHelp::acompanharMouse(QWidget* controle,
                                           void (TFConfgImpressaoHelp::*mouseMove)()) {
    m_mouseMove.insert(controle, mouseMove);
    controle->setMouseTracking(true);
    // Each control answers for itself: a move over a button must not reach the panel under it,
    // which clears the line.
    controle->setAttribute(Qt::WA_NoMousePropagation);
    controle->installEventFilter(this);
}

void TFConfgImpressaoHelp::btnRelatorioEtiquetasClick() {
    m_ppDesigner1(this);
}

void TFConfgImpressaoHelp::btnModelosClick() {
    modelos::TFConfigImpressaoModelo::AbrirModelos(this);
}

void TFConfgImpressaoHelp::btnVideoClick() {
    // Without a browser, or without the page, nothing happens and nothing is said.
    QDesktopServices::openUrl(EnderecoVideo());
}

void TFConfgImpressaoHelp::btnRelatorioEtiquetasMouseMove() {
    lblHint->setText(HintRelatorio);
}

void TFConfgImpressaoHelp::btnModelosMouseMove() {
    lblHint->setText(HintModelos);
}

void TFConfgImpressaoHelp::btnVideoMouseMove() {
    lblHint->setText(HintVideo);
}

void TFConfgImpressaoHelp::FormMouseMove() {
    lblHint->clear();
}

void TFConfgImpressaoHelp::keyPressEvent(QKeyEvent* evento) {
    switch (evento->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        evento->accept();
        return;
    default:
        QDialog::keyPressEvent(evento);
    }
}

bool TFConfgImpressaoHelp::eventFilter(QObject* alvo, QEvent* evento) {
    if (evento->type() == QEvent::MouseMove) {
        if (const auto mouseMove = m_mouseMove.value(alvo))
            (this->*mouseMove)();
    }
    return QDialog::eventFilter(alvo, evento);
}

} // namespace impressao
