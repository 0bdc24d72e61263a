// Each built-in template printed with a small label batch, read back the way a person would:
// the PDF's text, and its bar codes scanned from rasters at office (300 dpi) and thermal
// printer (203 dpi) resolution.
#include "../apoio/CodigosNasEtiquetas.h"
#include "impressao/GerarEtiquetas.h"
#include "impressao/ModeloNoRelatorio.h"
#include "impressao/ObjetosRelatorio.h"
#include "lista/TabelaProdutos.h"
#include "plataforma/relatorio/Document.h"
#include "plataforma/relatorio/PdfOutput.h"

#include <QDir>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace plataforma::relatorio;
using plataforma::Date;
using plataforma::MemTable;

namespace {

const Date Hoje = *Date::fromQDate(QDate(2025, 6, 15));
const QString FormatoDePreco = u"$#,0.00;($#,0.00)"_s;

QString comDigito(const QString& doze) {
    int soma = 0;
    for (int i = 0; i < 12; ++i)
        soma += doze[i].digitValue() * (i % 2 == 0 ? 1 : 3);
    return doze + QString::number((10 - soma % 10) % 10);
}

struct Produto {
    QString descricao;
    QString barras;
    double preco;
    double comDesconto;
    double promocional;
    int quantidade;
    // The prices the labels show through the price format, by field.
    QMap<QString, QString> precos;
};

const QList<Produto>& produtos() {
    static const QList<Produto> lista{
        {u"DIPIRONA"_s,
         comDigito(u"789100031550"_s),
         12.5,
         0,
         11.9,
         2,
         {{u"CPRECO"_s, u"$12,50"_s},
          {u"CPRECPRO"_s, u"$11,90"_s},
          {u"CPRECOPRAT"_s, u"$11,90"_s}}},
        {u"PARACETAMOL"_s,
         comDigito(u"789623400012"_s),
         8.75,
         0,
         0,
         1,
         {{u"CPRECO"_s, u"$8,75"_s}, {u"CPRECPRO"_s, u"$0,00"_s}, {u"CPRECOPRAT"_s, u"$8,75"_s}}},
        {u"IBUPROFENO"_s,
         comDigito(u"789345600078"_s),
         23.4,
         21.06,
         0,
         2,
         {{u"CPRECO"_s, u"$23,40"_s}, {u"CPRECPRO"_s, u"$0,00"_s}, {u"CPRECOPRAT"_s, u"$21,06"_s}}},
    };
    return lista;
}

void preencher(MemTable& MemTable2) {
    lista::DefinirCamposProdutos(MemTable2);
    MemTable2.open();
    for (const Produto& p : produtos()) {
        MemTable2.append();
        MemTable2.setString(lista::CDESCRICAO, p.descricao);
        MemTable2.setString(lista::CBARRAS, p.barras);
        MemTable2.setFloat(lista::CPRECO, p.preco);
        MemTable2.setFloat(lista::CPRECO_DESC, p.comDesconto);
        MemTable2.setFloat(lista::CPRECPRO, p.promocional);
        MemTable2.setDate(lista::CVLD_PRO, Hoje);
        MemTable2.setInteger(lista::CQTDE, p.quantidade);
        MemTable2.post();
    }
}

QString semEspacos(QString texto) {
    return texto.remove(QRegularExpression(u"\\s"_s));
}

} // namespace

class TesteModelosImpressos : public QObject {
    Q_OBJECT

private:
    MemTable m_produtos{u"MemTable2"_s};
    QTemporaryDir m_pasta;

    // The template printed into a PDF of its own.
    struct Impresso {
        QString pdf;
        std::vector<Control> controles;
        RunSummary resumo;
    };

    // resolution 0 for a plain PDF, or the dots per inch of the printer it is made for.
    Impresso imprimir(impressao::ObjetosRelatorio& objetos, int id, int resolucao = 0) {
        Report& relatorio = objetos.ppReport1();
        impressao::CarregarModeloEmbutido(relatorio, id);
        impressao::GerarEtiquetas(m_produtos, objetos.MemTable3(), Hoje);
        Impresso impresso;
        impresso.pdf = m_pasta.filePath(u"modelo-%1-%2.pdf"_s.arg(id).arg(resolucao));
        impresso.resumo = writePdf(relatorio, impresso.pdf, resolucao);
        for (const Band& banda : relatorio.bands()) {
            const std::vector<Control> controles = banda.controls();
            impresso.controles.insert(impresso.controles.end(), controles.begin(), controles.end());
        }
        return impresso;
    }

    // The bar code each label should carry, once per bar-code control, sorted.
    static QStringList codigosEsperados(const std::vector<Control>& controles) {
        QStringList esperados;
        for (const Control& controle : controles) {
            if (controle.kind() != ControlKind::DataBarcode)
                continue;
            const QString simbologia =
                controle.barcodeType() == u"bcEAN_13"_s ? u"EAN-13"_s : u"CODE-128"_s;
            for (const Produto& p : produtos()) {
                for (int i = 0; i < p.quantidade; ++i)
                    esperados << simbologia + u':' + p.barras;
            }
        }
        esperados.sort();
        return esperados;
    }

private slots:
    void initTestCase() {
        QVERIFY(m_pasta.isValid());
        preencher(m_produtos);
    }

    void modelo_data() {
        QTest::addColumn<int>("id");
        for (int id = impressao::PrimeiroModelo; id <= impressao::UltimoModelo; ++id)
            QTest::addRow("modelo %d", id) << id;
    }
    void modelo() {
        QFETCH(int, id);
        impressao::ObjetosRelatorio objetos;
        const Impresso impresso = imprimir(objetos, id);
        QVERIFY(impresso.resumo.pages >= 1);

        const QString texto = semEspacos(executar(u"pdftotext"_s, {impresso.pdf, u"-"_s}));
        for (const Produto& p : produtos())
            QVERIFY2(texto.contains(p.descricao), qPrintable(p.descricao));
        for (const Control& controle : impresso.controles) {
            if (controle.kind() != ControlKind::DataText ||
                controle.displayFormat() != FormatoDePreco)
                continue;
            for (const Produto& p : produtos()) {
                const QString preco = p.precos.value(controle.dataField());
                QVERIFY2(texto.contains(preco),
                         qPrintable(controle.dataField() + u' ' + preco + u" em "_s + texto));
            }
        }

        const QStringList esperados = codigosEsperados(impresso.controles);
        const std::vector<std::vector<QRectF>> etiquetas = etiquetasPorPagina(objetos.ppReport1());
        const QTemporaryDir a300;
        const QList<QImage> paginas = paginasDoPdf(impresso.pdf, 300, {u"-gray"_s}, a300.path());
        QCOMPARE(codigosLidos(paginas, etiquetas, 300, a300.path()), esperados);
    }

    void paraAImpressora_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("dpi");
        for (int id = impressao::PrimeiroModelo; id <= impressao::UltimoModelo; ++id) {
            for (const int dpi : {203, 300})
                QTest::addRow("modelo %d a %d dpi", id, dpi) << id << dpi;
        }
    }
    // A PDF made for a printer's resolution, printed as that printer prints: dots, without grey.
    // Every code scans, from the thermal printers' 0.33 mm bars to the A4 sheets' 0.15 mm ones.
    void paraAImpressora() {
        QFETCH(int, id);
        QFETCH(int, dpi);
        impressao::ObjetosRelatorio objetos;
        const Impresso impresso = imprimir(objetos, id, dpi);
        const QTemporaryDir pasta;
        const QList<QImage> paginas = paginasDoPdf(impresso.pdf, dpi, {u"-mono"_s}, pasta.path());
        QCOMPARE(codigosLidos(paginas, etiquetasPorPagina(objetos.ppReport1()), dpi, pasta.path()),
                 codigosEsperados(impresso.controles));
    }

    void largoDemaisParaOControle_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<bool>("largo");
        // 0.2 mm bars take 2 dots at 203 dpi (0.25 mm) and at 300 dpi (0.17 mm).
        QTest::newRow("modelo 2 a 203 dpi") << 2 << 203 << true;
        QTest::newRow("modelo 2 a 300 dpi") << 2 << 300 << false;
        QTest::newRow("modelo 2 sem resolução") << 2 << 0 << false;
        QTest::newRow("modelo 9 a 203 dpi") << 9 << 203 << false;
    }
    // Bars widened to whole dots that no longer fit the control: the run names the control and
    // every label whose code passes the box (each product's copies among them), and the labels
    // still print.
    void largoDemaisParaOControle() {
        QFETCH(int, id);
        QFETCH(int, dpi);
        QFETCH(bool, largo);
        impressao::ObjetosRelatorio objetos;
        const Impresso impresso = imprimir(objetos, id, dpi);
        QStringList produtosNomeados;
        for (const Problem& problema : impresso.resumo.problems) {
            QCOMPARE(problema.control, u"ppDBBarCode1"_s);
            QVERIFY2(problema.reason.contains(u"passa da largura do controle"_s),
                     qPrintable(problema.reason));
            produtosNomeados << problema.data;
        }
        QStringList produtosComCodigo;
        if (largo) {
            for (const Produto& p : produtos())
                produtosComCodigo << p.barras;
        }
        produtosNomeados.sort();
        produtosNomeados.removeDuplicates();
        produtosComCodigo.sort();
        QCOMPARE(produtosNomeados, produtosComCodigo);
    }
};

QTEST_MAIN(TesteModelosImpressos)
#include "tst_modelos_impressos.moc"
