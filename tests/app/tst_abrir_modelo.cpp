// A template file opened with the program, as the file manager opens it: the designer comes up on
// that template over an empty batch.
#include "app/TFEtiquet.h"
#include "modelos/SalvarModelo.h"
#include "plataforma/relatorio/Report.h"
#include "plataforma/relatorio/designer/DesignerSettings.h"
#include "plataforma/relatorio/designer/widgets/ReportDesigner.h"
#include "tests/apoio/Roteiro.h"

#include <QFile>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using plataforma::relatorio::ReportDesigner;

namespace {

// What the operator saw in the designer.
struct NoDesigner {
    QString arquivo;
    std::vector<int> colunas;
    int pagina = -1;
    bool loteAberto = false;
    int linhasDoLote = -1;
};

} // namespace

class TesteAbrirModelo : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void abreODesignerNoModelo();
    void arquivoQueNaoEModelo();

private:
    QTemporaryDir m_pasta;
};

void TesteAbrirModelo::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QFile::remove(plataforma::relatorio::DesignerSettings::filePath());
}

void TesteAbrirModelo::abreODesignerNoModelo() {
    // Renamed, as files are when they are mailed around: the content makes it a template.
    const QString arquivo = m_pasta.filePath(u"gôndola A4.modelo"_s);
    modelos::SalvarModelo(9, arquivo);
    TFEtiquet janela;
    janela.show();
    NoDesigner visto;
    Roteiro roteiro;
    roteiro.depois(u"designer"_s, [&](QWidget* modal) {
        auto* designer = qobject_cast<ReportDesigner*>(modal);
        if (!designer)
            return false;
        visto = {designer->report().templateFileName(), designer->report().columnPositions(),
                 designer->pageControl()->currentIndex(), janela.MemTable3().isOpen(),
                 janela.MemTable3().rowCount()};
        // The preview of an empty batch is empty, not an error.
        designer->pageControl()->setCurrentIndex(1);
        designer->close();
        return true;
    });
    janela.AbrirModelo(arquivo);
    QCOMPARE(roteiro.esgotado(), QString());
    QCOMPARE(visto.arquivo, arquivo);
    plataforma::relatorio::Report modelo;
    modelo.loadFromFile(arquivo);
    QVERIFY(modelo.columnPositions().size() > 1);
    QCOMPARE(visto.colunas, modelo.columnPositions());
    QCOMPARE(visto.pagina, 0);
    QVERIFY(visto.loteAberto);
    QCOMPARE(visto.linhasDoLote, 0);
    QVERIFY(!janela.MemTable3().isOpen());
}

void TesteAbrirModelo::arquivoQueNaoEModelo() {
    const QString arquivo = m_pasta.filePath(u"lista.rtm"_s);
    QFile texto(arquivo);
    QVERIFY(texto.open(QIODevice::WriteOnly));
    texto.write("CODIGO;DESCRICAO\r\n");
    texto.close();
    TFEtiquet janela;
    janela.show();
    QString titulo;
    Roteiro roteiro;
    roteiro.depois(u"recusa"_s, [&](QWidget* modal) {
        auto* caixa = qobject_cast<QMessageBox*>(modal);
        if (!caixa)
            return false;
        titulo = caixa->windowTitle();
        caixa->accept();
        return true;
    });
    janela.AbrirModelo(arquivo);
    QCOMPARE(roteiro.esgotado(), QString());
    QCOMPARE(titulo, u"Abrir modelo"_s);
    QVERIFY(!janela.ppDesigner1()->isVisible());
    QVERIFY(!janela.MemTable3().isOpen());
}

QTEST_MAIN(TesteAbrirModelo)
#include "tst_abrir_modelo.moc"
