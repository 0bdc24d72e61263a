// Pictures of the designer's two pages with built-in template 9 over a small label batch, for
// the documentation: designer_screenshots FOLDER (run under xvfb-run -a).
#include "LabelBatch.h"
#include "modelos/SalvarModelo.h"
#include "plataforma/Application.h"
#include "plataforma/relatorio/designer/widgets/ReportDesigner.h"

#include <QDir>
#include <QListWidget>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace plataforma::relatorio;

namespace {

// In 256 colours: a window holds few, and the pictures stay small.
void save(QWidget& window, const QString& path) {
    window.grab()
        .toImage()
        .convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither)
        .save(path);
}

} // namespace

int main(int argc, char** argv) {
    plataforma::Application application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const QDir output(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath());

    LabelBatch batch;
    batch.addGondola();
    // Labels that would come out wrong, for the preview's list of problems.
    batch.add({QStringLiteral("DIPIRONA SODICA 500MG SOLUCAO ORAL GOTAS FRASCO 20ML GENERIC"),
               QStringLiteral("7891000315507"), 6.49});
    batch.add({QStringLiteral("ALCOOL 70 1L"), QStringLiteral("7891010249298"), 0});
    batch.add({QStringLiteral("ALGODAO 50G"), QStringLiteral("7891000315508"), 3.2});
    Report report;
    batch.bind(report);
    QTemporaryDir folder;
    const QString path =
        folder.filePath(QStringLiteral("3 Colunas x 8 Linhas (Padrão Gondola).rtm"));
    modelos::SalvarModelo(9, path);

    ReportDesigner designer(report);
    designer.setShowHandler([](ReportDesigner& sender) {
        sender.report().setLanguage(Language::PortugueseBrazil);
        sender.pageControl()->setCurrentIndex(0);
    });
    designer.setWindowState(Qt::WindowNoState);
    designer.resize(1280, 800);
    designer.show();
    designer.openTemplateFile(path);
    designer.editor().select({QStringLiteral("ppDBText1")});
    QTest::qWait(200);
    save(designer, output.filePath(QStringLiteral("designer.png")));

    designer.pageControl()->setCurrentIndex(1);
    QTest::qWait(200);
    // The first problem chosen: its page shows with the label outlined.
    if (auto* problems = designer.findChild<QListWidget*>(QStringLiteral("lstProblems")))
        problems->setCurrentRow(0);
    QTest::qWait(200);
    save(designer, output.filePath(QStringLiteral("preview.png")));
    return 0;
}
