// Pictures of the print job for the documentation: capturas_impressao FOLDER, run under
// xvfb-run -a -s "-screen 0 1280x1024x24". The main window with the sample list and the print
// hub over it, the hub, the catalogue, and the designer's two pages with template 9.
#include "app/TFEtiquet.h"
#include "impressao/TFConfgImpressaoHelp.h"
#include "lista/AlterarQuantidades.h"
#include "lista/CarregarLista.h"
#include "modelos/SalvarModelo.h"
#include "modelos/TFConfigImpressaoModelo.h"
#include "plataforma/Application.h"
#include "plataforma/relatorio/designer/widgets/ReportDesigner.h"
#include "tests/apoio/Roteiro.h"

#include <QDir>
#include <QPainter>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>

using impressao::TFConfgImpressaoHelp;
using plataforma::relatorio::ReportDesigner;

namespace {

void salvar(QWidget* janela, const QDir& pasta, const QString& nome) {
    QTest::qWait(300);
    janela->grab().save(pasta.filePath(nome));
}

// The hub over the main window, where it opens.
void salvarSobre(QWidget* principal, QWidget* hub, const QDir& pasta, const QString& nome) {
    QTest::qWait(300);
    QPixmap quadro = principal->grab();
    QPainter pintor(&quadro);
    const QPoint onde = hub->geometry().topLeft() - principal->geometry().topLeft();
    pintor.fillRect(QRect(onde, hub->size()).adjusted(-1, -1, 1, 1), Qt::darkGray);
    pintor.drawPixmap(onde, hub->grab());
    pintor.end();
    quadro.save(pasta.filePath(nome));
}

} // namespace

int main(int argc, char** argv) {
    plataforma::Application aplicacao(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const QDir pasta(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    const QString fonte = qEnvironmentVariable("ETIQUETAS_FONTE", QStringLiteral(ETIQUETAS_FONTE));
    QTemporaryDir temporaria;
    const QString modelo = temporaria.filePath(QStringLiteral("Gondola.rtm"));
    modelos::SalvarModelo(9, modelo);

    TFEtiquet janela;
    lista::CarregarLista(janela.MemTable2, fonte + QStringLiteral("/exemplos/produtos.csv"));
    lista::AlterarQuantidades(janela.MemTable2, 1);
    janela.show();
    QApplication::setActiveWindow(&janela);
    if (!QTest::qWaitForWindowActive(&janela))
        qWarning("the main window is not active");

    Roteiro roteiro;
    roteiro
        .depois(QStringLiteral("hub"),
                [&](QWidget* modal) {
                    auto* hub = qobject_cast<TFConfgImpressaoHelp*>(modal);
                    if (!hub)
                        return false;
                    auto* imprimir =
                        hub->findChild<QWidget*>(QStringLiteral("btnRelatorioEtiquetas"));
                    QTest::mouseMove(imprimir, imprimir->rect().center());
                    salvar(hub, pasta, QStringLiteral("hub.png"));
                    salvarSobre(&janela, hub, pasta, QStringLiteral("trabalho.png"));
                    Roteiro::clicar(hub->findChild<QWidget*>(QStringLiteral("btnModelos")));
                    return true;
                })
        .depois(QStringLiteral("catalogue"),
                [&](QWidget* modal) {
                    if (!qobject_cast<modelos::TFConfigImpressaoModelo*>(modal))
                        return false;
                    salvar(modal, pasta, QStringLiteral("catalogo.png"));
                    QTest::keyClick(modal, Qt::Key_Escape);
                    return true;
                })
        .depois(QStringLiteral("hub again"),
                [&](QWidget* modal) {
                    auto* hub = qobject_cast<TFConfgImpressaoHelp*>(modal);
                    if (!hub)
                        return false;
                    Roteiro::clicar(
                        hub->findChild<QWidget*>(QStringLiteral("btnRelatorioEtiquetas")));
                    return true;
                })
        .depois(QStringLiteral("designer"),
                [&](QWidget* modal) {
                    auto* designer = qobject_cast<ReportDesigner*>(modal);
                    if (!designer)
                        return false;
                    // A picture of a known size, whatever the screen.
                    designer->setWindowState(Qt::WindowNoState);
                    designer->setGeometry(0, 0, 1280, 800);
                    designer->openTemplateFile(modelo);
                    designer->editor().select({});
                    salvar(designer, pasta, QStringLiteral("designer.png"));
                    designer->pageControl()->setCurrentIndex(1);
                    salvar(designer, pasta, QStringLiteral("visualizacao.png"));
                    designer->close();
                    return true;
                })
        .depois(QStringLiteral("hub, to close"), [](QWidget* modal) {
            if (!qobject_cast<TFConfgImpressaoHelp*>(modal))
                return false;
            modal->close();
            return true;
        });
    QTest::mouseClick(janela.findChild<QToolButton*>(QStringLiteral("SpeedButton1")),
                      Qt::LeftButton);
    if (!roteiro.esgotado().isEmpty()) {
        qWarning("stopped waiting for the %s", qPrintable(roteiro.esgotado()));
        return 1;
    }
    return 0;
}
