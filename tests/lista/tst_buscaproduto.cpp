#include "lista/AlterarQuantidades.h"
#include "lista/BuscaProduto.h"
#include "lista/TabelaProdutos.h"
#include "plataforma/Exception.h"
#include "plataforma/TableObserver.h"

#include <QTest>

using plataforma::MemTable;

namespace {

struct Produto {
    const char* barras;
    const char* descricao;
};

// The rows of the search's examples, in table order.
constexpr Produto Produtos[] = {
    {"0789", "AAS 100MG"},      {"789", "BETA"}, {"7891", "DIPIRONA 500MG"}, {"12", "GAZE ESTERIL"},
    {"5555", "Dipirona gotas"},
};

void preencher(MemTable& tabela) {
    lista::DefinirCamposProdutos(tabela);
    tabela.open();
    for (const Produto& produto : Produtos) {
        tabela.append();
        tabela.setString(lista::CBARRAS, QString::fromLatin1(produto.barras));
        tabela.setString(lista::CDESCRICAO, QString::fromLatin1(produto.descricao));
        tabela.setInteger(lista::CQTDE, 1);
        tabela.post();
    }
}

QList<qint32> quantidades(const MemTable& tabela) {
    QList<qint32> lidas;
    for (int linha = 0; linha < tabela.rowCount(); ++linha)
        lidas << std::get<qint32>(tabela.value(linha, tabela.fieldIndex(lista::CQTDE)));
    return lidas;
}

// Hears what a grid would hear, and can refuse to let one row be posted, as a
// grid does when its open cell holds a text that is no number.
class Ouvinte : public plataforma::TableObserver {
public:
    explicit Ouvinte(MemTable& tabela) : m_tabela(tabela) { tabela.addObserver(this); }
    ~Ouvinte() { m_tabela.removeObserver(this); }

    int linhaRecusada = -1;
    int alteracoes = 0;
    int reativacoes = 0;

private:
    void rowChanged(int) override { ++alteracoes; }
    void controlsEnabled() override { ++reativacoes; }
    void commitPendingInput() override {
        if (m_tabela.currentRow() == linhaRecusada)
            throw plataforma::Exception(QStringLiteral("recusada"));
    }

    MemTable& m_tabela;
};

} // namespace

class TesteBuscaProduto : public QObject {
    Q_OBJECT

private slots:
    void busca_data();
    void busca();
    void buscaGravaEdicaoPendente();
    void alterarQuantidades();
    void alterarQuantidadesListaVazia();
    void alterarQuantidadesComErro();
};

void TesteBuscaProduto::busca_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<lista::ResultadoBusca>("resultado");
    QTest::addColumn<int>("linha");

    constexpr auto Achou = lista::ResultadoBusca::Encontrado;
    constexpr auto NaoAchou = lista::ResultadoBusca::NaoEncontrado;
    constexpr auto Nada = lista::ResultadoBusca::NadaABuscar;
    QTest::newRow("bar-code-leading-zero") << "0789" << Achou << 0;
    QTest::newRow("bar-code") << "789" << Achou << 1;
    QTest::newRow("bar-code-never-partial") << "078" << NaoAchou << 0;
    QTest::newRow("bar-code-signed") << "-789" << Achou << 1;
    QTest::newRow("bar-code-leading-blanks") << "  12" << Achou << 3;
    QTest::newRow("bar-code-trailing-blank") << "12 " << NaoAchou << 0;
    QTest::newRow("bar-code-beyond-64-bits") << "99999999999999999999" << NaoAchou << 0;
    QTest::newRow("description-any-case") << "dip" << Achou << 2;
    QTest::newRow("description-trimmed") << " \tgaze\t " << Achou << 3;
    QTest::newRow("description-from-start-only") << "500MG" << NaoAchou << 0;
    QTest::newRow("description-whole") << "dipirona GOTAS" << Achou << 4;
    QTest::newRow("description-longer-than-any") << "dipirona 500mg extra" << NaoAchou << 0;
    QTest::newRow("empty") << "" << Nada << 0;
    QTest::newRow("blanks-only") << "   " << Nada << 0;
}

void TesteBuscaProduto::busca() {
    QFETCH(QString, texto);
    QFETCH(lista::ResultadoBusca, resultado);
    QFETCH(int, linha);

    MemTable tabela;
    preencher(tabela);
    tabela.last();
    QCOMPARE(lista::BuscarProduto(tabela, texto), resultado);
    QCOMPARE(tabela.currentRow(), linha);
}

void TesteBuscaProduto::buscaGravaEdicaoPendente() {
    MemTable tabela;
    preencher(tabela);
    tabela.moveTo(3);
    tabela.edit();
    tabela.setInteger(lista::CQTDE, 12);

    lista::BuscarProduto(tabela, QStringLiteral("beta"));
    QCOMPARE(tabela.currentRow(), 1);
    QCOMPARE(tabela.state(), MemTable::State::Browse);
    QCOMPARE(quantidades(tabela), (QList<qint32>{1, 1, 1, 12, 1}));
}

void TesteBuscaProduto::alterarQuantidades() {
    MemTable tabela;
    preencher(tabela);
    tabela.last();
    Ouvinte ouvinte(tabela);

    lista::AlterarQuantidades(tabela, 0);
    QCOMPARE(quantidades(tabela), (QList<qint32>{0, 0, 0, 0, 0}));
    QCOMPARE(tabela.currentRow(), 0);
    // The grid heard nothing row by row, and was told once to read it all again.
    QCOMPARE(ouvinte.alteracoes, 0);
    QCOMPARE(ouvinte.reativacoes, 1);
    QVERIFY(!tabela.controlsDisabled());
}

void TesteBuscaProduto::alterarQuantidadesListaVazia() {
    MemTable tabela;
    lista::DefinirCamposProdutos(tabela);
    tabela.open();
    lista::AlterarQuantidades(tabela, 3);
    QCOMPARE(tabela.rowCount(), 0);
    QVERIFY(!tabela.controlsDisabled());
}

void TesteBuscaProduto::alterarQuantidadesComErro() {
    MemTable tabela;
    preencher(tabela);
    tabela.last();
    Ouvinte ouvinte(tabela);
    ouvinte.linhaRecusada = 2;

    QVERIFY_THROWS_EXCEPTION(plataforma::Exception, lista::AlterarQuantidades(tabela, 7));
    QCOMPARE(quantidades(tabela), (QList<qint32>{7, 7, 1, 1, 1}));
    QCOMPARE(tabela.currentRow(), 0);
    QCOMPARE(tabela.state(), MemTable::State::Browse);
    QVERIFY(!tabela.controlsDisabled());
}

QTEST_GUILESS_MAIN(TesteBuscaProduto)
#include "tst_buscaproduto.moc"
