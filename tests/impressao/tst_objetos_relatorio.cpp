// The report objects of the main window: the label table, its pipeline and the report with its
// starting layout, bound by name to the pipeline and to the handlers the window publishes.
#include "impressao/ModeloNoRelatorio.h"
#include "impressao/ObjetosRelatorio.h"
#include "impressao/TabelaEtiquetas.h"
#include "modelos/fluxo/Escritor.h"
#include "modelos/fluxo/RelatorioInicial.h"
#include "plataforma/Exception.h"
#include "plataforma/relatorio/PdfOutput.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace plataforma::relatorio;

class TesteObjetosRelatorio : public QObject {
    Q_OBJECT

private slots:
    void tabelaDeEtiquetasComecaFechada() {
        impressao::ObjetosRelatorio objetos;
        QVERIFY(!objetos.MemTable3().isOpen());
        QCOMPARE(objetos.MemTable3().fieldCount(), 10);
        QCOMPARE(&objetos.DataSource1().conjunto(), &objetos.MemTable3());
        QCOMPARE(objetos.Selecionados().name(), u"Selecionados"_s);
        QCOMPARE(objetos.Selecionados().fieldIndex(u"cprecoprat"), 9);
    }

    void layoutInicial() {
        impressao::ObjetosRelatorio objetos;
        Report& r = objetos.ppReport1();
        // The codec's starting layout, every property of it, AutoStop, DeviceType and Version
        // among them.
        QCOMPARE(r.toStream(), fluxo::escreverFluxo(fluxo::arvoreDoRelatorioInicial()));
        QCOMPARE(r.name(), u"ppReport1"_s);
        QCOMPARE(r.pipeline(), &objetos.Selecionados());
        QCOMPARE(r.dataPipelineName(), u"Selecionados"_s);
        QCOMPARE(r.columns(), 5);
        QCOMPARE(r.mmColumnWidth(), 39460);
        QCOMPARE(r.units(), Units::Inches);
        QCOMPARE(r.language(), Language::Default);
        QCOMPARE(r.onPageRequest(), u"ppReport1PageRequest"_s);
        PrinterSetup setup = r.printerSetup();
        QCOMPARE(setup.printerName(), u"Default"_s);
        QCOMPARE(setup.binName(), u"Default"_s);
        QCOMPARE(setup.documentName(), u"Report"_s);
        QCOMPARE(setup.paperName(), u"A4"_s);
        QCOMPARE(setup.paperSize(), 9);
        QCOMPARE(setup.mmPaperWidth(), 210000);
        QCOMPARE(setup.mmPaperHeight(), 297000);
        QCOMPARE(setup.margins(), (MmMargins{6350, 6350, 6350, 6350}));
        QStringList bandas;
        for (const Band& banda : r.bands())
            bandas << u"%1 %2 %3"_s.arg(banda.name())
                          .arg(banda.mmHeight())
                          .arg(banda.controls().size());
        QCOMPARE(bandas, (QStringList{u"ppHeaderBand1 13229 0"_s, u"ppColumnHeaderBand1 0 0"_s,
                                      u"ppDetailBand1 13229 0"_s, u"ppColumnFooterBand1 0 0"_s,
                                      u"ppFooterBand1 13229 0"_s}));
    }

    // The pipeline opens the closed label table itself, and the starting layout prints nothing.
    void layoutInicialNaoImprimeNada() {
        impressao::ObjetosRelatorio objetos;
        int pedidos = 0;
        objetos.publicar(u"ppReport1PageRequest"_s, [&pedidos](Report&) { ++pedidos; });
        const QTemporaryDir pasta;
        const QString pdf = pasta.filePath(u"vazio.pdf"_s);
        const RunSummary resumo = writePdf(objetos.ppReport1(), pdf);
        QVERIFY(objetos.MemTable3().isOpen());
        QCOMPARE(resumo.pages, 1);
        QCOMPARE(pedidos, 1);
        QVERIFY(resumo.problems.empty());
        QProcess texto;
        texto.start(u"pdftotext"_s, {pdf, u"-"_s});
        QVERIFY(texto.waitForFinished());
        QCOMPARE(QString::fromUtf8(texto.readAllStandardOutput()).trimmed(), QString());
    }

    // Templates bind the handler they name: the A4 ones name it, the thermal ones do not.
    void modeloLigaOManipuladorPeloNome_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("pedidos");
        QTest::newRow("A4") << 9 << 1;
        QTest::newRow("termico") << 1 << 0;
    }
    void modeloLigaOManipuladorPeloNome() {
        QFETCH(int, id);
        QFETCH(int, pedidos);
        impressao::ObjetosRelatorio objetos;
        int vezes = 0;
        objetos.publicar(u"ppReport1PageRequest"_s, [&vezes](Report&) { ++vezes; });
        impressao::CarregarModeloEmbutido(objetos.ppReport1(), id);
        QCOMPARE(objetos.ppReport1().pipeline(), &objetos.Selecionados());
        objetos.ppReport1().raisePageRequest();
        QCOMPARE(vezes, pedidos);
    }

    void modeloInexistente_data() {
        QTest::addColumn<int>("id");
        QTest::newRow("0") << 0;
        QTest::newRow("24") << 24;
        QTest::newRow("257 nao vira o 1") << 257;
    }
    void modeloInexistente() {
        QFETCH(int, id);
        Report relatorio;
        const QByteArray antes = relatorio.toStream();
        QVERIFY_THROWS_EXCEPTION(plataforma::Exception,
                                 impressao::CarregarModeloEmbutido(relatorio, id));
        QCOMPARE(relatorio.toStream(), antes);
    }
};

QTEST_MAIN(TesteObjetosRelatorio)
#include "tst_objetos_relatorio.moc"
