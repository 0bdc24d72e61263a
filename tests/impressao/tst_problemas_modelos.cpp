// Each built-in template run over a few products that no shelf label should show as they come
// out (a description of 60 characters, no price at all, a bar code that is not an EAN-13) and an
// ordinary one: the run lists exactly what would come out wrong, label by label.
#include "impressao/GerarEtiquetas.h"
#include "impressao/ModeloNoRelatorio.h"
#include "impressao/ObjetosRelatorio.h"
#include "lista/TabelaProdutos.h"
#include "plataforma/relatorio/Document.h"
#include "plataforma/relatorio/PdfOutput.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace plataforma::relatorio;
using plataforma::Date;
using plataforma::MemTable;

namespace {

const Date Hoje = *Date::fromQDate(QDate(2025, 6, 15));

struct Produto {
    int codigo;
    QString nome; // in the expectations
    QString descricao;
    QString barras;
    double preco;
    double promocional; // in force today
};

const QString Longa = u"DIPIRONA SODICA 500MG SOLUCAO ORAL GOTAS FRASCO 20ML GENERIC"_s;

const QList<Produto>& produtos() {
    static const QList<Produto> lista{
        {101, u"longa"_s, Longa, u"7891000315507"_s, 12.5, 11.9},
        {102, u"sem preço"_s, u"ALCOOL 70 1L"_s, u"7891010249298"_s, 0, 0},
        {103, u"EAN inválido"_s, u"ALGODAO 50G"_s, u"7891000315508"_s, 12.5, 11.9},
        {104, u"comum"_s, u"ESCOVA DENTAL"_s, u"7891528028965"_s, 12.5, 11.9},
    };
    return lista;
}

void preencher(MemTable& MemTable2, const QList<Produto>& lista) {
    lista::DefinirCamposProdutos(MemTable2);
    MemTable2.open();
    for (const Produto& p : lista) {
        MemTable2.append();
        MemTable2.setInteger(lista::CID_PROD, p.codigo);
        MemTable2.setString(lista::CDESCRICAO, p.descricao);
        MemTable2.setString(lista::CBARRAS, p.barras);
        MemTable2.setFloat(lista::CPRECO, p.preco);
        MemTable2.setFloat(lista::CPRECPRO, p.promocional);
        MemTable2.setDate(lista::CVLD_PRO, Hoje);
        MemTable2.setInteger(lista::CQTDE, 1);
        MemTable2.post();
    }
}

// What a problem is, in the words of the expectations below.
QString tipo(const QString& motivo) {
    static const std::pair<QString, QString> tipos[] = {
        {u"O texto não cabe na caixa"_s, u"linhas"_s},
        {u"O texto é mais largo que a caixa"_s, u"largura"_s},
        {u"O texto passa da borda da etiqueta"_s, u"borda da etiqueta"_s},
        {u"O texto passa da borda do papel"_s, u"borda do papel"_s},
        {u"Preço zerado"_s, u"preço zero"_s},
        {u"Produto sem preço"_s, u"sem preço"_s},
        {u"Código de barras EAN-13 inválido"_s, u"código de barras"_s},
        {u"O controle sai da área de impressão"_s, u"fora do papel"_s},
        {u"O campo \"CLOTE\" não existe"_s, u"sem o campo"_s},
    };
    for (const auto& [inicio, nome] : tipos) {
        if (motivo.startsWith(inicio))
            return nome;
    }
    return motivo;
}

QString nomeDoProduto(const QString& codigo) {
    for (const Produto& p : produtos()) {
        if (QString::number(p.codigo) == codigo)
            return p.nome;
    }
    return u"?"_s;
}

Control controle(Report& relatorio, const QString& nome) {
    for (const Control& c : relatorio.band(BandKind::Detail)->controls()) {
        if (c.name() == nome)
            return c;
    }
    qFatal("no control %s", qPrintable(nome));
}

} // namespace

class TesteProblemasModelos : public QObject {
    Q_OBJECT

private:
    MemTable m_produtos{u"MemTable2"_s};
    MemTable m_longa{u"MemTable2"_s};

private slots:
    void initTestCase() {
        QCOMPARE(Longa.size(), 60);
        preencher(m_produtos, produtos());
        preencher(m_longa, {produtos().front()});
    }

    void problemasPorModelo_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QStringList>("esperados");
        // "product control problem", in the order of the labels; "todas" for a problem of the
        // template itself. Nothing for the ordinary product, anywhere.
        const QString longaNaoCabe = u"longa ppDBText1 linhas"_s;
        const QString longaLarga = u"longa ppDBText1 largura"_s;
        const QString ean = u"EAN inválido ppDBBarCode1 código de barras"_s;
        const auto zero = [](const QString& controle) {
            return u"sem preço %1 preço zero"_s.arg(controle);
        };
        const auto semPreco = [](const QString& controle) {
            return u"sem preço %1 sem preço"_s.arg(controle);
        };
        const auto passa = [](const QString& controle, const QString& borda) {
            return u"sem preço %1 borda %2"_s.arg(controle, borda);
        };
        const auto largo = [](const QString& controle) {
            return u"sem preço %1 largura"_s.arg(controle);
        };
        const QMap<int, QStringList> esperados{
            {1, {longaLarga, zero(u"ppDBText2"_s), ean}},
            {2, {longaLarga, semPreco(u"ppDBText2"_s), ean}},
            // The price, wider than the label, runs into the next one.
            {3,
             {longaNaoCabe, passa(u"ppDBText2"_s, u"da etiqueta"_s), semPreco(u"ppDBText2"_s),
              ean}},
            // The description goes through a five-digit edit mask.
            {4, {zero(u"ppDBText2"_s)}},
            {5, {longaLarga, passa(u"ppDBText2"_s, u"do papel"_s), semPreco(u"ppDBText2"_s), ean}},
            {6, {longaLarga, semPreco(u"ppDBText2"_s), ean}},
            {7, {longaNaoCabe, semPreco(u"ppDBText2"_s)}},
            // The promotional price: zero when there is no promotion.
            {8, {longaNaoCabe, zero(u"ppDBText2"_s)}},
            {9,
             {longaNaoCabe, passa(u"ppDBText2"_s, u"da etiqueta"_s), semPreco(u"ppDBText2"_s),
              ean}},
            {10, {longaNaoCabe, zero(u"ppDBText2"_s), zero(u"ppDBText3"_s)}},
            {11, {longaNaoCabe, zero(u"ppDBText3"_s), ean}},
            {12, {longaNaoCabe, zero(u"ppDBText3"_s)}},
            {13, {longaNaoCabe, semPreco(u"ppDBText2"_s)}},
            {14, {longaNaoCabe, largo(u"ppDBText3"_s), semPreco(u"ppDBText3"_s), ean}},
            {15, {longaNaoCabe, largo(u"ppDBText3"_s), semPreco(u"ppDBText3"_s)}},
            {16, {longaNaoCabe, zero(u"ppDBText3"_s), ean}},
            {17, {largo(u"ppDBText1"_s), semPreco(u"ppDBText1"_s), ean}},
            {18, {u"longa ppDBText3 linhas"_s, ean}},
            {19, {u"todas ppDBText4 sem o campo"_s, longaNaoCabe, zero(u"ppDBText2"_s)}},
            {20, {longaNaoCabe, zero(u"ppDBText2"_s), ean}},
            {21, {longaNaoCabe}},
            {22, {longaNaoCabe, zero(u"ppDBText2"_s)}},
            {23, {longaNaoCabe, zero(u"ppDBText2"_s)}},
        };
        for (int id = impressao::PrimeiroModelo; id <= impressao::UltimoModelo; ++id)
            QTest::addRow("modelo %d", id) << id << esperados.value(id);
    }

    void problemasPorModelo() {
        QFETCH(int, id);
        QFETCH(QStringList, esperados);
        impressao::ObjetosRelatorio objetos;
        Report& relatorio = objetos.ppReport1();
        impressao::CarregarModeloEmbutido(relatorio, id);
        impressao::GerarEtiquetas(m_produtos, objetos.MemTable3(), Hoje);
        const Document documento(relatorio);
        QStringList achados;
        for (const Problem& problema : documento.problems()) {
            if (problema.label.page < 0) {
                achados << u"todas %1 %2"_s.arg(problema.control, tipo(problema.reason));
                continue;
            }
            QVERIFY(problema.label.page < documento.pageCount());
            const QString produto = nomeDoProduto(problema.productCode);
            QCOMPARE(problema.description, produtos().at(problema.row).descricao);
            achados << u"%1 %2 %3"_s.arg(produto, problema.control, tipo(problema.reason));
        }
        QCOMPARE(achados, esperados);
    }

    // A wrapped description keeps to whole lines: nothing of a third line shows in the price's
    // box below it, on a 300 dpi raster of the printed page.
    void descricaoNaoInvadeOPreco_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("preco");
        QTest::newRow("modelo 16") << 16 << u"ppDBText3"_s;
        QTest::newRow("modelo 20") << 20 << u"ppDBText2"_s;
    }

    void descricaoNaoInvadeOPreco() {
        QFETCH(int, id);
        QFETCH(QString, preco);
        impressao::ObjetosRelatorio objetos;
        Report& relatorio = objetos.ppReport1();
        impressao::CarregarModeloEmbutido(relatorio, id);
        impressao::GerarEtiquetas(m_longa, objetos.MemTable3(), Hoje);
        const QRectF caixaDoPreco = controle(relatorio, preco).box().inMillimetres();
        const QRectF caixaDaDescricao = controle(relatorio, u"ppDBText1"_s).box().inMillimetres();
        QVERIFY(caixaDaDescricao.intersects(caixaDoPreco));

        // The description alone on the label: every dark dot is its text.
        fluxo::Objeto layout = relatorio.layout();
        for (fluxo::Objeto& banda : layout.filhos) {
            if (banda.classe == u"TppDetailBand"_s)
                std::erase_if(banda.filhos,
                              [](const fluxo::Objeto& c) { return c.nome != u"ppDBText1"_s; });
        }
        relatorio.setLayout(layout);
        const QPointF etiqueta = Document(relatorio).page(0).bands.front().origin;
        const QTemporaryDir pasta;
        const QString pdf = pasta.filePath(u"etiqueta.pdf"_s);
        writePdf(relatorio, pdf);
        QProcess pdftoppm;
        pdftoppm.start(u"pdftoppm"_s, {u"-r"_s, u"300"_s, u"-mono"_s, u"-singlefile"_s, pdf,
                                       pasta.filePath(u"pagina"_s)});
        QVERIFY(pdftoppm.waitForFinished(60000) && pdftoppm.exitCode() == 0);
        const QImage pagina(pasta.filePath(u"pagina.pbm"_s));
        QVERIFY(!pagina.isNull());

        const auto pontosEscuros = [&](const QRectF& caixa) {
            const QRect area =
                QRectF((etiqueta + caixa.topLeft()) * 300 / 25.4, caixa.size() * 300 / 25.4)
                    .toAlignedRect();
            int escuros = 0;
            for (int y = area.top(); y <= area.bottom(); ++y) {
                for (int x = area.left(); x <= area.right(); ++x)
                    escuros += qGray(pagina.pixel(x, y)) < 128 ? 1 : 0;
            }
            return escuros;
        };
        QVERIFY(pontosEscuros(caixaDaDescricao) > 0);
        QCOMPARE(pontosEscuros(caixaDoPreco), 0);
    }
};

QTEST_MAIN(TesteProblemasModelos)
#include "tst_problemas_modelos.moc"
