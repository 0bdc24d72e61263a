#include "app/TFEtiquet.h"
#include "impressao/ModeloNoRelatorio.h"
#include "impressao/TFConfgImpressaoHelp.h"
#include "lista/CarregarLista.h"
#include "lista/TabelaProdutos.h"
#include "modelos/TFConfigImpressaoModelo.h"
#include "plataforma/Exception.h"
#include "plataforma/relatorio/designer/DesignerSettings.h"
#include "plataforma/relatorio/designer/widgets/ReportDesigner.h"
#include "tests/apoio/ModalAnswer.h"
#include "tests/apoio/Roteiro.h"

#include <QDialog>
#include <QFile>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>

using impressao::TFConfgImpressaoHelp;
using plataforma::MemTable;
using plataforma::relatorio::Language;
using plataforma::relatorio::ReportDesigner;

namespace {

struct Caixa {
    QString titulo;
    QString texto;
    QMessageBox::Icon icone;
};

// What the operator saw while the hub was open.
struct NoHub {
    int linhasDoLote = -1;
    bool botaoHabilitado = true;
    Qt::WindowModality modalidade = Qt::NonModal;
    QPoint centro;
    QStringList descricoes;
};

} // namespace

class TesteConfigurarImprimir : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_pasta;
    std::unique_ptr<TFEtiquet> m_janela;

    QToolButton* configurarEImprimir() const {
        return m_janela->findChild<QToolButton*>(QStringLiteral("SpeedButton1"));
    }
    MemTable& produtos() const { return m_janela->MemTable2; }
    MemTable& lote() const { return m_janela->MemTable3(); }
    Language ppReport1Idioma() const { return m_janela->ppReport1().language(); }

    void carregar(const QList<int>& quantidades) {
        QByteArray conteudo = "codigo;descricao\r\n";
        for (int i = 0; i < quantidades.size(); ++i)
            conteudo += QByteArray::number(i + 1) + ";Produto " + QByteArray::number(i + 1) +
                        ";Lab;789;10;0;0;0;" + QByteArray::number(quantidades[i]) + ";\r\n";
        const QString caminho = m_pasta.filePath(QStringLiteral("lista.csv"));
        QFile arquivo(caminho);
        QVERIFY(arquivo.open(QIODevice::WriteOnly));
        QCOMPARE(arquivo.write(conteudo), conteudo.size());
        arquivo.close();
        lista::CarregarLista(produtos(), caminho);
        produtos().first();
    }
    void definirQuantidade(int linha, int quantidade) {
        produtos().first();
        for (int i = 0; i < linha; ++i)
            produtos().next();
        produtos().edit();
        produtos().setInteger(lista::CQTDE, quantidade);
        produtos().post();
    }
    // Looks at the hub and the main window behind it, then closes the hub with its close box.
    NoHub abrirEFechar() {
        NoHub visto;
        Roteiro roteiro;
        roteiro.depois(QStringLiteral("the hub"), [&](QWidget* modal) {
            auto* hub = qobject_cast<TFConfgImpressaoHelp*>(modal);
            if (!hub)
                return false;
            visto.linhasDoLote = lote().isOpen() ? lote().rowCount() : -1;
            visto.botaoHabilitado = configurarEImprimir()->isEnabled();
            visto.modalidade = hub->windowModality();
            visto.centro = hub->geometry().center();
            for (lote().first(); !lote().eof(); lote().next())
                visto.descricoes << lote().displayText(lote().currentRow(),
                                                       lote().fieldIndex(lista::CDESCRICAO));
            hub->close();
            return true;
        });
        QTest::mouseClick(configurarEImprimir(), Qt::LeftButton);
        if (!roteiro.terminou() || !roteiro.esgotado().isEmpty())
            qWarning("the hub did not open");
        return visto;
    }
    // Reads the guard's box, which ends the click.
    QList<Caixa> clicarComCaixa() {
        QList<Caixa> caixas;
        Roteiro roteiro(10000);
        roteiro.depois(QStringLiteral("the box"), [&](QWidget* modal) {
            auto* caixa = qobject_cast<QMessageBox*>(modal);
            if (!caixa)
                return false;
            caixas << Caixa{caixa->windowTitle(), caixa->text(), caixa->icon()};
            QTest::keyClick(caixa->focusWidget() ? caixa->focusWidget() : caixa, Qt::Key_Return);
            return true;
        });
        QTest::mouseClick(configurarEImprimir(), Qt::LeftButton);
        return caixas;
    }

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void guardas_data();
    void guardas();
    void fecharDescartaOLote();
    void segundoCliqueRefazOLote();
    void designerECatalogoVoltamAoMesmoHub();
    void alturaDaPaginaPerguntaNaJanela_data();
    void alturaDaPaginaPerguntaNaJanela();
    void sairComAlteracoesNoDesignerPergunta();
};

void TesteConfigurarImprimir::initTestCase() {
    // The designer's preferences go to the test's own configuration folder.
    QStandardPaths::setTestModeEnabled(true);
    QFile::remove(plataforma::relatorio::DesignerSettings::filePath());
}

void TesteConfigurarImprimir::init() {
    m_janela = std::make_unique<TFEtiquet>();
    m_janela->show();
    QApplication::setActiveWindow(m_janela.get());
    QVERIFY(QTest::qWaitForWindowActive(m_janela.get()));
}

void TesteConfigurarImprimir::cleanup() {
    m_janela.reset();
}

void TesteConfigurarImprimir::guardas_data() {
    QTest::addColumn<bool>("comLista");
    QTest::addColumn<QString>("mensagem");
    QTest::newRow("no-list") << false << "Nenhuma lista de produtos foi carregada.";
    QTest::newRow("all-zero") << true << "Defina as quantidades de etiquetas a serem impressas.";
}

void TesteConfigurarImprimir::guardas() {
    QFETCH(bool, comLista);
    QFETCH(QString, mensagem);
    if (comLista)
        carregar({0, 0, -2});
    const QList<Caixa> caixas = clicarComCaixa();
    QCOMPARE(caixas.size(), 1);
    QCOMPARE(caixas[0].titulo, "Atenção");
    QCOMPARE(caixas[0].texto, mensagem);
    QCOMPARE(caixas[0].icone, QMessageBox::Information);
    QVERIFY(configurarEImprimir()->isEnabled());
    // Nothing built without a list; an empty batch stays open until the next click.
    QCOMPARE(lote().isOpen(), comLista);
    if (comLista) {
        QVERIFY(lote().isEmpty());
        QList<int> quantidades;
        for (produtos().first(); !produtos().eof(); produtos().next())
            quantidades << produtos().asInteger(lista::CQTDE);
        QCOMPARE(quantidades, QList<int>({0, 0, -2}));
    }
}

void TesteConfigurarImprimir::fecharDescartaOLote() {
    carregar({2, 0, 3});
    const NoHub visto = abrirEFechar();
    QCOMPARE(visto.linhasDoLote, 5);
    QCOMPARE(visto.descricoes,
             QStringList({"PRODUTO 1", "PRODUTO 1", "PRODUTO 3", "PRODUTO 3", "PRODUTO 3"}));
    QVERIFY(!visto.botaoHabilitado);
    QCOMPARE(visto.modalidade, Qt::ApplicationModal);
    QVERIFY((visto.centro - m_janela->geometry().center()).manhattanLength() <= 2);

    QVERIFY(!lote().isOpen());
    QVERIFY(configurarEImprimir()->isEnabled());
    const QWidgetList janelas = QApplication::topLevelWidgets();
    QVERIFY(std::none_of(janelas.begin(), janelas.end(), [](QWidget* janela) {
        return qobject_cast<TFConfgImpressaoHelp*>(janela) != nullptr;
    }));
}

void TesteConfigurarImprimir::segundoCliqueRefazOLote() {
    carregar({1, 1, 1});
    QCOMPARE(abrirEFechar().linhasDoLote, 3);
    definirQuantidade(0, 0);
    definirQuantidade(1, 4);
    const NoHub segundo = abrirEFechar();
    QCOMPARE(segundo.linhasDoLote, 5);
    QCOMPARE(segundo.descricoes.count(QStringLiteral("PRODUTO 1")), 0);
    QCOMPARE(segundo.descricoes.count(QStringLiteral("PRODUTO 2")), 4);
    QVERIFY(!lote().isOpen());
    QVERIFY(configurarEImprimir()->isEnabled());
}

void TesteConfigurarImprimir::designerECatalogoVoltamAoMesmoHub() {
    carregar({2, 0, 3});
    QCOMPARE(ppReport1Idioma(), Language::Default);
    QPointer<TFConfgImpressaoHelp> primeiro;
    QList<QPointer<QWidget>> hubs;
    QList<ReportDesigner*> designers;
    QList<int> paginas;
    QList<int> linhas;
    QStringList estados;
    // Designer, catalogue, designer again, then the close box.
    const auto naHub = [&](const char* botao) {
        return [&, botao](QWidget* modal) {
            auto* hub = qobject_cast<TFConfgImpressaoHelp*>(modal);
            if (!hub)
                return false;
            if (!primeiro)
                primeiro = hub;
            hubs << hub;
            linhas << lote().rowCount();
            if (botao)
                Roteiro::clicar(hub->findChild<QWidget*>(QLatin1String(botao)));
            else
                hub->close();
            return true;
        };
    };
    const auto noDesigner = [&](bool irParaAVisualizacao) {
        return [&, irParaAVisualizacao](QWidget* modal) {
            auto* designer = qobject_cast<ReportDesigner*>(modal);
            if (!designer)
                return false;
            designers << designer;
            paginas << designer->pageControl()->currentIndex();
            linhas << lote().rowCount();
            estados << QStringLiteral("%1 %2 %3")
                           .arg(designer->windowTitle())
                           .arg(designer->isMaximized() ? "maximized" : "normal")
                           .arg(ppReport1Idioma() == Language::PortugueseBrazil ? "pt-BR" : "?");
            if (irParaAVisualizacao) {
                QTabBar* abas = designer->pageControl()->tabBar();
                QTest::mouseClick(abas, Qt::LeftButton, {}, abas->tabRect(1).center());
                paginas << designer->pageControl()->currentIndex();
            }
            designer->close();
            return true;
        };
    };
    Roteiro roteiro;
    roteiro.depois(QStringLiteral("hub 1"), naHub("btnRelatorioEtiquetas"))
        .depois(QStringLiteral("designer 1"), noDesigner(true))
        .depois(QStringLiteral("hub 2"), naHub("btnModelos"))
        .depois(QStringLiteral("catalogue"),
                [](QWidget* modal) {
                    if (!qobject_cast<modelos::TFConfigImpressaoModelo*>(modal))
                        return false;
                    QTest::keyClick(modal, Qt::Key_Escape);
                    return true;
                })
        .depois(QStringLiteral("hub 3"), naHub("btnRelatorioEtiquetas"))
        .depois(QStringLiteral("designer 2"), noDesigner(false))
        .depois(QStringLiteral("hub 4"), naHub(nullptr));
    QTest::mouseClick(configurarEImprimir(), Qt::LeftButton);
    QCOMPARE(roteiro.esgotado(), QString());
    QVERIFY(roteiro.terminou());

    QCOMPARE(hubs.size(), 4);
    QVERIFY(
        std::all_of(hubs.begin(), hubs.end(), [&](const auto& hub) { return hub == primeiro; }));
    QVERIFY(primeiro.isNull());
    QCOMPARE(linhas, QList<int>({5, 5, 5, 5, 5, 5}));
    // One designer for the whole run, on its design page each time it opens.
    QCOMPARE(designers.size(), 2);
    QCOMPARE(designers[0], designers[1]);
    QCOMPARE(designers[0], m_janela->ppDesigner1());
    QCOMPARE(paginas, QList<int>({0, 1, 0}));
    QCOMPARE(estados, QStringList(2, QStringLiteral("Etiquetas maximized pt-BR")));
    QVERIFY(!lote().isOpen());
    QVERIFY(configurarEImprimir()->isEnabled());
}

void TesteConfigurarImprimir::alturaDaPaginaPerguntaNaJanela_data() {
    QTest::addColumn<Qt::Key>("resposta");
    QTest::addColumn<float>("alturaDepois");
    QTest::addColumn<bool>("abandonada");
    QTest::addColumn<bool>("deOutraJanela");
    QTest::newRow("yes") << Qt::Key_Return << 294.0f << false << false;
    QTest::newRow("no") << Qt::Key_N << 300.0f << true << false;
    // As from the designer's preview: the box comes up over the designer.
    QTest::newRow("yes-from-the-designer") << Qt::Key_Return << 294.0f << false << true;
}

void TesteConfigurarImprimir::alturaDaPaginaPerguntaNaJanela() {
    QFETCH(Qt::Key, resposta);
    QFETCH(float, alturaDepois);
    QFETCH(bool, abandonada);
    QFETCH(bool, deOutraJanela);
    QDialog designer;
    if (deOutraJanela) {
        designer.show();
        QApplication::setActiveWindow(&designer);
        QVERIFY(QTest::qWaitForWindowActive(&designer));
    }
    // An A4 template, in millimetres, which names the check as its page-request event.
    impressao::CarregarModeloEmbutido(m_janela->ppReport1(), 9);
    auto cabecalho = m_janela->ppReport1().band(plataforma::relatorio::BandKind::ColumnHeader);
    QVERIFY(cabecalho);
    cabecalho->setHeight(300);

    QString titulo;
    QWidget* dono = nullptr;
    ModalAnswer operador(
        [&](QWidget* caixa) {
            titulo = caixa->windowTitle();
            dono = caixa->parentWidget();
        },
        resposta);
    bool abortou = false;
    try {
        m_janela->ppReport1().raisePageRequest();
    } catch (const plataforma::SilentAbort&) {
        abortou = true;
    }
    QCOMPARE(operador.answered(), 1);
    QCOMPARE(titulo, "Alerta");
    QCOMPARE(dono, deOutraJanela ? static_cast<QWidget*>(&designer) : m_janela.get());
    QCOMPARE(abortou, abandonada);
    QCOMPARE(m_janela->ppReport1().band(plataforma::relatorio::BandKind::ColumnHeader)->height(),
             alturaDepois);
}

// Ending the program while the designer holds unsaved changes asks as closing the designer
// does: "Cancelar" keeps everything open, "Não" drops the changes and ends.
void TesteConfigurarImprimir::sairComAlteracoesNoDesignerPergunta() {
    carregar({1});
    QByteArray antes;
    QStringList perguntas;
    bool principalAbertaAposCancelar = false;
    const auto responder = [&](QMessageBox::StandardButton botao) {
        return [&, botao](QWidget* modal) {
            auto* caixa = qobject_cast<QMessageBox*>(modal);
            if (!caixa)
                return false;
            perguntas << caixa->objectName();
            caixa->button(botao)->click();
            return true;
        };
    };
    Roteiro roteiro;
    roteiro
        .depois(QStringLiteral("hub"),
                [](QWidget* modal) {
                    if (!qobject_cast<TFConfgImpressaoHelp*>(modal))
                        return false;
                    Roteiro::clicar(
                        modal->findChild<QWidget*>(QStringLiteral("btnRelatorioEtiquetas")));
                    return true;
                })
        .depois(QStringLiteral("designer"),
                [&](QWidget* modal) {
                    auto* designer = qobject_cast<ReportDesigner*>(modal);
                    if (!designer)
                        return false;
                    antes = designer->report().toStream();
                    designer->editor().setBandHeight(plataforma::relatorio::BandKind::Detail, 7);
                    Roteiro::agendar([this] { m_janela->close(); });
                    return true;
                })
        .depois(QStringLiteral("cancel"), responder(QMessageBox::Cancel))
        .depois(QStringLiteral("designer again"),
                [&](QWidget* modal) {
                    if (!qobject_cast<ReportDesigner*>(modal))
                        return false;
                    principalAbertaAposCancelar = m_janela->isVisible();
                    Roteiro::agendar([this] { m_janela->close(); });
                    return true;
                })
        .depois(QStringLiteral("discard"), responder(QMessageBox::No))
        .depois(QStringLiteral("hub closes"), [](QWidget* modal) {
            if (!qobject_cast<TFConfgImpressaoHelp*>(modal))
                return false;
            modal->close();
            return true;
        });
    QTest::mouseClick(configurarEImprimir(), Qt::LeftButton);
    QCOMPARE(roteiro.esgotado(), QString());
    QCOMPARE(perguntas, QStringList(2, QStringLiteral("msgSaveChanges")));
    QVERIFY(principalAbertaAposCancelar);
    QVERIFY(!m_janela->isVisible());
    QCOMPARE(m_janela->ppReport1().toStream(), antes);
}

QTEST_MAIN(TesteConfigurarImprimir)
#include "tst_configurar_imprimir.moc"
