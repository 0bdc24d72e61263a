#include "impressao/TFConfgImpressaoHelp.h"
#include "modelos/TFConfigImpressaoModelo.h"
#include "plataforma/Exception.h"
#include "tests/apoio/ModalAnswer.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QScopeGuard>
#include <QTest>
#include <QToolButton>
#include <memory>

using impressao::TFConfgImpressaoHelp;

namespace {

const QString DicaRelatorio = QStringLiteral(
    "Utilizando a opção \"Imprimir etiquetas\" você pode criar e imprimir através do "
    "relatório de etiquetas.");
const QString DicaModelos =
    QStringLiteral("Aqui você encontra modelos de etiquetas prontos para utilização na impressão.");
const QString DicaVideo = QStringLiteral("Em caso de dúvidas, assista nosso vídeo explicativo.");

// Where the pointer goes: over a control (its centre unless a point is given) or, with no
// control, at a point of the hub itself.
struct Parada {
    QString controle;
    QPoint ponto{-1, -1};
};

// Takes what the shell would have opened.
class Navegador : public QObject {
    Q_OBJECT

public:
    QList<QUrl> abertos;

public slots:
    void abrir(const QUrl& endereco) { abertos << endereco; }
};

} // namespace

Q_DECLARE_METATYPE(QList<Parada>)

class TesteConfigImpressao : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TFConfgImpressaoHelp> m_hub;
    int m_designerAberto = 0;
    QWidget* m_designerSobre = nullptr;
    std::function<void()> m_noDesigner;

    template <typename Controle = QWidget> Controle* controle(const QString& nome) const {
        auto* achado = m_hub->findChild<Controle*>(nome);
        if (!achado)
            qFatal("no control %s", qPrintable(nome));
        return achado;
    }
    QString dica() const { return controle<QLabel>(QStringLiteral("lblHint"))->text(); }
    void mover(const Parada& parada) {
        if (parada.controle.isEmpty()) {
            QTest::mouseMove(m_hub.get(), parada.ponto);
            return;
        }
        QWidget* alvo = controle(parada.controle);
        QTest::mouseMove(alvo, parada.ponto.x() < 0 ? alvo->rect().center() : parada.ponto);
    }

private slots:
    void init();
    void cleanup();
    void disposicao();
    void botoes_data();
    void botoes();
    void dicas_data();
    void dicas();
    void teclasNaoFecham_data();
    void teclasNaoFecham();
    void fecharCancela();
    void imprimirEtiquetasMostraODesigner();
    void modelosAbreOCatalogo();
    void catalogoCentradoNoHub_data();
    void catalogoCentradoNoHub();
    void duvidasAbreAPaginaDeAjuda();
    void erroNoBotaoMostraACaixa();
};

void TesteConfigImpressao::init() {
    m_designerAberto = 0;
    m_designerSobre = nullptr;
    m_noDesigner = {};
    m_hub = std::make_unique<TFConfgImpressaoHelp>([this](QWidget* sobre) {
        ++m_designerAberto;
        m_designerSobre = sobre;
        if (m_noDesigner)
            m_noDesigner();
    });
    m_hub->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_hub.get()));
}

void TesteConfigImpressao::cleanup() {
    m_hub.reset();
}

void TesteConfigImpressao::disposicao() {
    QCOMPARE(m_hub->windowTitle(), "Configurar e imprimir");
    QCOMPARE(m_hub->size(), QSize(483, 140));
    QCOMPARE(m_hub->minimumSize(), m_hub->maximumSize());
    QVERIFY(!m_hub->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!m_hub->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(m_hub->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QCOMPARE(dica(), QString());

    const auto* titulo = controle<QLabel>(QStringLiteral("Label1"));
    QCOMPARE(titulo->text(), "Configurar e imprimir");
    QVERIFY(titulo->font().bold());
    QCOMPARE(titulo->font().pixelSize(), 15);
    const auto* filete = controle<QLabel>(QStringLiteral("Label2"));
    QCOMPARE(filete->text(), QString(187, u'.'));
    // The rule runs past the window's edge, which cuts it.
    QVERIFY(filete->geometry().right() > m_hub->width());
    QVERIFY(controle<QLabel>(QStringLiteral("lblHint"))->wordWrap());
    QCOMPARE(controle(QStringLiteral("Panel1"))->geometry(), QRect(0, 0, 483, 41));
    QCOMPARE(controle(QStringLiteral("Panel3"))->geometry(), QRect(0, 41, 483, 71));
    QCOMPARE(controle(QStringLiteral("Panel2"))->geometry(), QRect(0, 112, 483, 28));
}

void TesteConfigImpressao::botoes_data() {
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("esquerda");
    QTest::newRow("print") << "btnRelatorioEtiquetas"
                           << "Imprimir Etiquetas" << 16;
    QTest::newRow("templates") << "btnModelos"
                               << "Modelos de Etiquetas" << 166;
    QTest::newRow("video") << "btnVideo"
                           << "Dúvidas" << 316;
}

void TesteConfigImpressao::botoes() {
    QFETCH(QString, nome);
    QFETCH(QString, texto);
    QFETCH(int, esquerda);
    const auto* botao = controle<QToolButton>(nome);
    QCOMPARE(botao->text(), texto);
    QCOMPARE(botao->geometry(), QRect(esquerda, 3, 150, 65));
    QCOMPARE(botao->iconSize(), QSize(32, 32));
    QVERIFY(!botao->icon().isNull());
    QCOMPARE(botao->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
    QVERIFY(botao->autoRaise());
    QCOMPARE(botao->focusPolicy(), Qt::NoFocus);
    QVERIFY(botao->toolTip().isEmpty());
    QVERIFY(botao->shortcut().isEmpty());
}

void TesteConfigImpressao::dicas_data() {
    QTest::addColumn<QList<Parada>>("caminho");
    QTest::addColumn<QString>("esperada");
    const Parada relatorio{QStringLiteral("btnRelatorioEtiquetas")};
    const Parada modelos{QStringLiteral("btnModelos")};
    const Parada video{QStringLiteral("btnVideo")};
    QTest::newRow("print") << QList{relatorio} << DicaRelatorio;
    QTest::newRow("templates") << QList{modelos} << DicaModelos;
    QTest::newRow("video") << QList{video} << DicaVideo;
    // Straight from one button onto the next, which touch.
    QTest::newRow("print-then-templates")
        << QList{relatorio, Parada{QStringLiteral("btnRelatorioEtiquetas"), {148, 30}},
                 Parada{QStringLiteral("btnModelos"), {1, 30}}}
        << DicaModelos;
    QTest::newRow("templates-then-video") << QList{modelos, video} << DicaVideo;
    QTest::newRow("button-then-empty-middle")
        << QList{modelos, Parada{QStringLiteral("Panel3"), {474, 35}}} << QString();
    QTest::newRow("button-then-above-buttons")
        << QList{video, Parada{QStringLiteral("Panel3"), {200, 1}}} << QString();
    QTest::newRow("button-then-header")
        << QList{relatorio, Parada{QStringLiteral("Panel1"), {400, 5}}} << QString();
    QTest::newRow("button-then-footer")
        << QList{modelos, Parada{QStringLiteral("Panel2"), {5, 24}}} << QString();
    QTest::newRow("button-then-hint-line")
        << QList{video, Parada{QStringLiteral("lblHint")}} << QString();
    QTest::newRow("button-then-title")
        << QList{video, Parada{QStringLiteral("Label1")}} << DicaVideo;
    QTest::newRow("button-then-rule")
        << QList{relatorio, Parada{QStringLiteral("Label2"), {100, 4}}} << DicaRelatorio;
    QTest::newRow("title-then-rule-keep-empty")
        << QList{Parada{QStringLiteral("Label1")}, Parada{QStringLiteral("Label2"), {50, 4}}}
        << QString();
    QTest::newRow("leaving-the-window") << QList{modelos, Parada{{}, {600, 70}}} << DicaModelos;
}

void TesteConfigImpressao::dicas() {
    QFETCH(QList<Parada>, caminho);
    QFETCH(QString, esperada);
    for (const Parada& parada : caminho)
        mover(parada);
    QCOMPARE(dica(), esperada);
    // Every word of it shows, inside the hub.
    const auto* linha = controle<QLabel>(QStringLiteral("lblHint"));
    QVERIFY(linha->heightForWidth(linha->width()) <= linha->height());
    QVERIFY(m_hub->rect().contains(QRect(linha->mapTo(m_hub.get(), QPoint()), linha->size())));
}

void TesteConfigImpressao::teclasNaoFecham_data() {
    QTest::addColumn<Qt::Key>("tecla");
    QTest::newRow("escape") << Qt::Key_Escape;
    QTest::newRow("return") << Qt::Key_Return;
    QTest::newRow("enter") << Qt::Key_Enter;
}

void TesteConfigImpressao::teclasNaoFecham() {
    QFETCH(Qt::Key, tecla);
    m_hub.reset();
    QStringList ativas;
    // Each key goes to the hub as the operator presses it; only then does the close box end it.
    QTimer::singleShot(50, [&] {
        QWidget* hub = QApplication::activeModalWidget();
        for (int vez = 0; vez < 3; ++vez)
            QTest::keyClick(hub, tecla);
        ativas << (QApplication::activeModalWidget() == hub ? QStringLiteral("open")
                                                            : QStringLiteral("closed"));
        hub->close();
    });
    const int fechada = TFConfgImpressaoHelp::AbrirConfigImpressao([](QWidget*) {});
    QCOMPARE(ativas, QStringList{QStringLiteral("open")});
    QCOMPARE(fechada, int(QDialog::Rejected));
}

void TesteConfigImpressao::fecharCancela() {
    m_hub.reset();
    QPointer<TFConfgImpressaoHelp> aberto;
    QTimer::singleShot(50, [&] {
        aberto = qobject_cast<TFConfgImpressaoHelp*>(QApplication::activeModalWidget());
        QVERIFY(aberto);
        QVERIFY(aberto->isModal());
        aberto->close();
    });
    const int resultado = TFConfgImpressaoHelp::AbrirConfigImpressao([](QWidget*) {});
    QCOMPARE(resultado, int(QDialog::Rejected));
    // Destroyed before the call returned.
    QVERIFY(aberto.isNull());
}

void TesteConfigImpressao::imprimirEtiquetasMostraODesigner() {
    QTest::mouseClick(controle(QStringLiteral("btnRelatorioEtiquetas")), Qt::LeftButton);
    QCOMPARE(m_designerAberto, 1);
    QCOMPARE(m_designerSobre, m_hub.get());
    QTest::mouseClick(controle(QStringLiteral("btnRelatorioEtiquetas")), Qt::LeftButton);
    QCOMPARE(m_designerAberto, 2);
    QVERIFY(m_hub->isVisible());
}

void TesteConfigImpressao::modelosAbreOCatalogo() {
    for (int vez = 1; vez <= 2; ++vez) {
        QString titulo;
        ModalAnswer catalogo(
            [&titulo](QWidget* janela) {
                if (qobject_cast<modelos::TFConfigImpressaoModelo*>(janela))
                    titulo = janela->windowTitle();
            },
            Qt::Key_Escape);
        QTest::mouseClick(controle(QStringLiteral("btnModelos")), Qt::LeftButton);
        QCOMPARE(catalogo.answered(), 1);
        QCOMPARE(titulo, "Modelos de etiquetas");
        QVERIFY(m_hub->isVisible());
    }
}

void TesteConfigImpressao::catalogoCentradoNoHub_data() {
    QTest::addColumn<QPoint>("posicao");
    QTest::newRow("top-left") << QPoint(0, 0);
    QTest::newRow("lower-right") << QPoint(300, 420);
    QTest::newRow("middle") << QPoint(150, 200);
}

// Wherever the operator has put the hub, the catalogue opens over its middle, even with
// another window active when the button is pressed.
void TesteConfigImpressao::catalogoCentradoNoHub() {
    QFETCH(QPoint, posicao);
    m_hub->move(posicao);
    QWidget outra;
    outra.setGeometry(600, 0, 100, 100);
    outra.show();
    QApplication::setActiveWindow(&outra);
    QPoint centroDoCatalogo;
    ModalAnswer catalogo([&](QWidget* janela) { centroDoCatalogo = janela->geometry().center(); },
                         Qt::Key_Escape);
    QTest::mouseClick(controle(QStringLiteral("btnModelos")), Qt::LeftButton);
    QCOMPARE(catalogo.answered(), 1);
    QVERIFY2((centroDoCatalogo - m_hub->geometry().center()).manhattanLength() <= 1,
             qPrintable(QStringLiteral("catalogue centre %1,%2, hub centre %3,%4")
                            .arg(centroDoCatalogo.x())
                            .arg(centroDoCatalogo.y())
                            .arg(m_hub->geometry().center().x())
                            .arg(m_hub->geometry().center().y())));
}

void TesteConfigImpressao::duvidasAbreAPaginaDeAjuda() {
    // In a build folder the page lies beside the executable.
    const QDir ajuda(QCoreApplication::applicationDirPath() + "/ajuda");
    QVERIFY(ajuda.mkpath(QStringLiteral(".")));
    const auto limpar = qScopeGuard([ajuda] { QDir(ajuda).removeRecursively(); });
    QFile pagina(ajuda.filePath(QStringLiteral("index.html")));
    QVERIFY(pagina.open(QIODevice::WriteOnly));
    pagina.close();
    Navegador navegador;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &navegador, "abrir");
    QTest::mouseClick(controle(QStringLiteral("btnVideo")), Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QCOMPARE(navegador.abertos.size(), 1);
    QCOMPARE(navegador.abertos[0],
             QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + "/ajuda/index.html"));
    QVERIFY(m_hub->isVisible());
    QVERIFY(!QApplication::activeModalWidget());
}

void TesteConfigImpressao::erroNoBotaoMostraACaixa() {
    m_noDesigner = [] {
        throw plataforma::Exception(QStringLiteral("Arquivo travado"));
    };
    QString texto;
    QMessageBox::Icon icone = QMessageBox::NoIcon;
    ModalAnswer caixa([&](QWidget* janela) {
        if (auto* mensagem = qobject_cast<QMessageBox*>(janela)) {
            texto = mensagem->text();
            icone = mensagem->icon();
        }
    });
    QTest::mouseClick(controle(QStringLiteral("btnRelatorioEtiquetas")), Qt::LeftButton);
    QCOMPARE(caixa.answered(), 1);
    QCOMPARE(texto, "Arquivo travado.");
    QCOMPARE(icone, QMessageBox::Critical);
    QVERIFY(m_hub->isVisible());
    m_noDesigner = {};
    mover({QStringLiteral("btnVideo")});
    QCOMPARE(dica(), DicaVideo);
}

QTEST_MAIN(TesteConfigImpressao)
#include "tst_config_impressao.moc"
