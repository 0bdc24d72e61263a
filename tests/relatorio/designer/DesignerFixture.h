#pragma once

#include "LabelBatch.h"
#include "TwoControls.h"
#include "plataforma/relatorio/designer/DesignerSettings.h"
#include "plataforma/relatorio/designer/widgets/DesignSurface.h"
#include "plataforma/relatorio/designer/widgets/ReportDesigner.h"

#include <QApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>
#include <memory>

// A designer shown over a label batch, its dialogs answered by the test: no file chosen unless
// the test says which.
class DesignerFixture {
public:
    // The designer's preferences go to the test's own configuration folder, empty at first.
    static void useTestSettings() {
        QStandardPaths::setTestModeEnabled(true);
        QFile::remove(plataforma::relatorio::DesignerSettings::filePath());
    }

    enum class Dialogs { Answered, System };

    explicit DesignerFixture(fluxo::Objeto layout, Dialogs dialogs = Dialogs::Answered) {
        m_report.setLayout(std::move(layout));
        m_batch.bind(m_report);
        m_designer = std::make_unique<plataforma::relatorio::ReportDesigner>(m_report);
        if (dialogs == Dialogs::Answered)
            answerDialogs();
    }

    void answerDialogs() {
        auto& dialogs = m_designer->dialogs();
        dialogs.openFile = [this](QWidget*, const QString&, const QString& start, const QString&) {
            openStarts.append(start);
            return openAnswer;
        };
        dialogs.saveFile = [this](QWidget*, const QString&, const QString& start, const QString&) {
            saveStarts.append(start);
            return saveAnswer;
        };
    }

    void show() {
        m_designer->show();
        QApplication::setActiveWindow(m_designer.get());
        QVERIFY(QTest::qWaitForWindowActive(m_designer.get()));
    }

    plataforma::relatorio::ReportDesigner& designer() { return *m_designer; }
    plataforma::relatorio::Report& report() { return m_report; }
    LabelBatch& batch() { return m_batch; }
    plataforma::relatorio::DesignSurface* surface() {
        return m_designer->findChild<plataforma::relatorio::DesignSurface*>(
            QStringLiteral("designSurface"));
    }
    plataforma::relatorio::LayoutEditor& editor() { return m_designer->editor(); }

    // Where a control shows on the design sheet.
    QRectF rectOf(const QString& name) { return surface()->sheet().control(name)->rect; }

    QString openAnswer;
    QString saveAnswer;
    QStringList openStarts;
    QStringList saveStarts;

private:
    LabelBatch m_batch;
    plataforma::relatorio::Report m_report;
    std::unique_ptr<plataforma::relatorio::ReportDesigner> m_designer;
};
