// The operator's whole print job, headless: the sample list, quantities, "Configurar e
// Imprimir", a template saved from the catalogue, opened and adjusted in the designer, previewed,
// exported to PDF and saved, and the hub closed.
#include "app/TFEtiquet.h"
#include "impressao/TFConfgImpressaoHelp.h"
#include "lista/TabelaProdutos.h"
#include "modelos/TFConfigImpressaoModelo.h"
#include "plataforma/DataGrid.h"
#include "plataforma/GridModel.h"
#include "plataforma/SpinEdit.h"
#include "plataforma/relatorio/Report.h"
#include "plataforma/relatorio/designer/DesignerSettings.h"
#include "plataforma/relatorio/designer/widgets/DesignSurface.h"
#include "plataforma/relatorio/designer/widgets/ReportDesigner.h"
#include "tests/apoio/Roteiro.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using impressao::TFConfgImpressaoHelp;
using plataforma::MemTable;
using plataforma::relatorio::BandKind;
using plataforma::relatorio::DesignSurface;
using plataforma::relatorio::MmBox;
using plataforma::relatorio::Report;
using plataforma::relatorio::ReportDesigner;

namespace {

// The price of the sample list's first product, which appears on no other.
const QString PrecoDoPrimeiro = QStringLiteral("$6,49");
const QString Preco = QStringLiteral("ppDBText2");

// Types a name into a file dialog and presses Enter, as the operator would.
bool escolherArquivo(QWidget* modal, const QString& caminho) {
    auto* dialogo = qobject_cast<QFileDialog*>(modal);
    if (!dialogo)
        return false;
    auto* nome = dialogo->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    nome->setText(caminho);
    QTest::keyClick(nome, Qt::Key_Return);
    return true;
}

// Opens the designer's File menu with the mouse and, once this event is over, clicks the item.
void escolherNoMenuArquivo(ReportDesigner* designer, const char* acao) {
    auto* barra = designer->findChild<QMenuBar*>(QStringLiteral("menuBar"));
    auto* arquivo = designer->findChild<QMenu*>(QStringLiteral("mnuFile"));
    QTest::mouseClick(barra, Qt::LeftButton, {},
                      barra->actionGeometry(arquivo->menuAction()).center());
    QAction* item = designer->findChild<QAction*>(QLatin1String(acao));
    Roteiro::agendar([arquivo, item] {
        QTest::mouseClick(arquivo, Qt::LeftButton, {}, arquivo->actionGeometry(item).center());
    });
}

QString textoDoPdf(const QString& caminho) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), caminho, "-"});
    if (!pdftotext.waitForFinished() || pdftotext.exitCode() != 0)
        return {};
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

MmBox caixaDoControle(Report& relatorio, const QString& nome) {
    for (const auto& controle : relatorio.band(BandKind::Detail)->controls())
        if (controle.name() == nome)
            return controle.box();
    return {};
}

void clicarNaCelula(plataforma::DataGrid* grade, int linha, const char* campo) {
    const int indice = grade->table()->fieldIndex(QLatin1String(campo));
    for (int coluna = 0; coluna < grade->model()->columnCount(); ++coluna) {
        if (grade->gridModel()->fieldOf(coluna) != indice)
            continue;
        const QPoint ponto = grade->visualRect(grade->model()->index(linha, coluna)).center();
        Roteiro::agendar(
            [grade, ponto] { QTest::mouseClick(grade->viewport(), Qt::LeftButton, {}, ponto); });
        return;
    }
    qFatal("no column %s", campo);
}

} // namespace

class TesteTrabalhoCompleto : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_pasta;
    std::unique_ptr<TFEtiquet> m_janela;

    template <typename Controle> Controle* controle(const char* nome) const {
        auto* achado = m_janela->findChild<Controle*>(QLatin1String(nome));
        if (!achado)
            qFatal("no control %s", nome);
        return achado;
    }
    void teclar(QWidget* alvo, Qt::Key tecla, Qt::KeyboardModifiers modificadores = {}) {
        QTest::keyClick(alvo, tecla, modificadores);
    }

private slots:
    void initTestCase();
    void trabalhoCompleto();
};

void TesteTrabalhoCompleto::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QFile::remove(plataforma::relatorio::DesignerSettings::filePath());
    QVERIFY(m_pasta.isValid());
    m_janela = std::make_unique<TFEtiquet>();
    m_janela->show();
    QApplication::setActiveWindow(m_janela.get());
    QVERIFY(QTest::qWaitForWindowActive(m_janela.get()));
}

void TesteTrabalhoCompleto::trabalhoCompleto() {
    const QString lista = qEnvironmentVariable("ETIQUETAS_FONTE") + "/exemplos/produtos.csv";
    const QString modelo = m_pasta.filePath(QStringLiteral("gondola.rtm"));
    const QString pdf = m_pasta.filePath(QStringLiteral("etiquetas.pdf"));
    auto* grade = controle<plataforma::DataGrid>("GridSelecao");

    // 1. The list, through F3 and the open dialog.
    {
        Roteiro roteiro(20000);
        roteiro.depois(QStringLiteral("the list's file dialog"),
                       [&](QWidget* modal) { return escolherArquivo(modal, lista); });
        teclar(controle<QLineEdit>("Edit1"), Qt::Key_F3);
        QCOMPARE(roteiro.esgotado(), QString());
    }
    MemTable& produtos = m_janela->MemTable2;
    QCOMPARE(produtos.rowCount(), 43);
    // The headless platform gives the activation back to no window when a dialog closes.
    QApplication::setActiveWindow(m_janela.get());
    QVERIFY(QTest::qWaitForWindowActive(m_janela.get()));

    // 2. One label of each product, then three of the first, typed into its cell.
    auto* linear = controle<plataforma::SpinEdit>("AltLinear");
    linear->setFocus();
    teclar(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1"));
    QTest::mouseClick(controle<QToolButton>("SpeedButton2"), Qt::LeftButton);
    grade->setFocus();
    grade->setCurrentIndex(grade->model()->index(0, 3));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("3"));

    // 3 to 5. The hub: a template from the catalogue, then the designer on it.
    MmBox precoAntes;
    MmBox precoMovido;
    int linhasNoHub = 0;
    int linhasNoFim = 0;
    bool alteradoAoFechar = true;
    QString arquivoNoDesigner;
    Roteiro roteiro;
    roteiro
        .depois(QStringLiteral("the hub, for the catalogue"),
                [&](QWidget* modal) {
                    auto* hub = qobject_cast<TFConfgImpressaoHelp*>(modal);
                    if (!hub)
                        return false;
                    linhasNoHub = m_janela->MemTable3().rowCount();
                    Roteiro::clicar(hub->findChild<QWidget*>(QStringLiteral("btnModelos")));
                    return true;
                })
        .depois(QStringLiteral("the catalogue, to save template 9"),
                [&](QWidget* modal) {
                    auto* catalogo = qobject_cast<modelos::TFConfigImpressaoModelo*>(modal);
                    if (!catalogo)
                        return false;
                    auto* a4 =
                        catalogo->findChild<plataforma::DataGrid*>(QStringLiteral("DBGrid1"));
                    const MemTable& modelos = *a4->table();
                    for (int linha = 0; linha < modelos.rowCount(); ++linha)
                        if (modelos.displayText(linha, modelos.fieldIndex(u"id")) == "9")
                            clicarNaCelula(a4, linha, "salvar");
                    return true;
                })
        .depois(QStringLiteral("the catalogue's save dialog"),
                [&](QWidget* modal) { return escolherArquivo(modal, modelo); })
        .depois(QStringLiteral("the catalogue, to close it"),
                [&](QWidget* modal) {
                    if (!qobject_cast<modelos::TFConfigImpressaoModelo*>(modal))
                        return false;
                    teclar(modal, Qt::Key_Escape);
                    return true;
                })
        .depois(QStringLiteral("the hub, for the designer"),
                [&](QWidget* modal) {
                    auto* hub = qobject_cast<TFConfgImpressaoHelp*>(modal);
                    if (!hub)
                        return false;
                    Roteiro::clicar(
                        hub->findChild<QWidget*>(QStringLiteral("btnRelatorioEtiquetas")));
                    return true;
                })
        .depois(QStringLiteral("the designer, to open the template"),
                [&](QWidget* modal) {
                    auto* designer = qobject_cast<ReportDesigner*>(modal);
                    if (!designer)
                        return false;
                    Roteiro::agendar([designer] {
                        QTest::keyClick(designer->focusWidget() ? designer->focusWidget()
                                                                : designer,
                                        Qt::Key_O, Qt::ControlModifier);
                    });
                    return true;
                })
        .depois(QStringLiteral("the designer's open dialog"),
                [&](QWidget* modal) { return escolherArquivo(modal, modelo); })
        .depois(QStringLiteral("the designer, to move the price and export"),
                [&](QWidget* modal) {
                    auto* designer = qobject_cast<ReportDesigner*>(modal);
                    if (!designer)
                        return false;
                    arquivoNoDesigner = designer->report().templateFileName();
                    auto* superficie =
                        designer->findChild<DesignSurface*>(QStringLiteral("designSurface"));
                    precoAntes = caixaDoControle(designer->report(), Preco);
                    const QPoint de = superficie->sheet().control(Preco)->rect.center().toPoint();
                    const QPoint para = de + QPoint(-30, 12);
                    QTest::mousePress(superficie, Qt::LeftButton, {}, de);
                    QTest::mouseMove(superficie, (de + para) / 2);
                    QTest::mouseMove(superficie, para);
                    QTest::mouseRelease(superficie, Qt::LeftButton, {}, para);
                    precoMovido = caixaDoControle(designer->report(), Preco);

                    QTabBar* abas = designer->pageControl()->tabBar();
                    QTest::mouseClick(abas, Qt::LeftButton, {}, abas->tabRect(1).center());
                    // On a small screen the preview's tool bar keeps the export in its
                    // overflow: the File menu has it too.
                    escolherNoMenuArquivo(designer, "actExportPdf");
                    return true;
                })
        .depois(QStringLiteral("the export's save dialog"),
                [&](QWidget* modal) { return escolherArquivo(modal, pdf); })
        .depois(QStringLiteral("the designer, to save"),
                [&](QWidget* modal) {
                    auto* designer = qobject_cast<ReportDesigner*>(modal);
                    if (!designer)
                        return false;
                    escolherNoMenuArquivo(designer, "actSave");
                    return true;
                })
        .depois(QStringLiteral("the designer, to close it"),
                [&](QWidget* modal) {
                    auto* designer = qobject_cast<ReportDesigner*>(modal);
                    if (!designer)
                        return false;
                    alteradoAoFechar = designer->editor().isModified();
                    designer->close();
                    return true;
                })
        .depois(QStringLiteral("the hub, to close it"), [&](QWidget* modal) {
            auto* hub = qobject_cast<TFConfgImpressaoHelp*>(modal);
            if (!hub)
                return false;
            linhasNoFim = m_janela->MemTable3().rowCount();
            hub->close();
            return true;
        });
    QTest::mouseClick(controle<QToolButton>("SpeedButton1"), Qt::LeftButton);
    QCOMPARE(roteiro.esgotado(), QString());
    QVERIFY(roteiro.terminou());

    QCOMPARE(linhasNoHub, 45);
    QCOMPARE(linhasNoFim, 45);
    QVERIFY(!alteradoAoFechar);
    QCOMPARE(QFileInfo(arquivoNoDesigner).canonicalFilePath(),
             QFileInfo(modelo).canonicalFilePath());

    // The PDF holds every label: two pages of descriptions and prices.
    const QString texto = textoDoPdf(pdf);
    QVERIFY2(!texto.isEmpty(), "pdftotext read nothing");
    QCOMPARE(texto.count(QRegularExpression(QStringLiteral("\\$[\\d.]*\\d,\\d\\d"))), 45);
    QCOMPARE(texto.count(PrecoDoPrimeiro), 3);
    for (const char* descricao : {"PARACETAMOL 750MG", "LIXA DE UNHA", "SERINGA DESCART"})
        QVERIFY2(texto.contains(QLatin1String(descricao)), descricao);
    QCOMPARE(texto.count(u'\f'), 2);

    // The template file was saved with the price where the operator left it.
    QVERIFY(precoMovido.left < precoAntes.left);
    QVERIFY(precoMovido.top > precoAntes.top);
    QCOMPARE(precoMovido.width, precoAntes.width);
    Report salvo;
    salvo.loadFromFile(modelo);
    QCOMPARE(caixaDoControle(salvo, Preco), precoMovido);

    // Closing the hub threw the batch away.
    QVERIFY(!m_janela->MemTable3().isOpen());
    QVERIFY(controle<QToolButton>("SpeedButton1")->isEnabled());
    QCOMPARE(produtos.rowCount(), 43);
    // The headless platform gives the activation back to no window when a dialog closes.
    QApplication::setActiveWindow(m_janela.get());
    QVERIFY(QTest::qWaitForWindowActive(m_janela.get()));
}

QTEST_MAIN(TesteTrabalhoCompleto)
#include "tst_trabalho_completo.moc"
