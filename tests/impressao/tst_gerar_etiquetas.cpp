// The label batch: one row per label, in list order, with the lowest price in force.
#include "impressao/GerarEtiquetas.h"
#include "impressao/MenorPreco.h"
#include "impressao/TabelaEtiquetas.h"
#include "lista/TabelaProdutos.h"
#include "plataforma/Exception.h"
#include "plataforma/TableObserver.h"

#include <QTest>
#include <limits>
#include <optional>

using namespace Qt::StringLiterals;
using plataforma::Date;
using plataforma::MemTable;
using plataforma::Money;

namespace {

const Date Hoje = *Date::fromQDate(QDate(2025, 6, 15));

// Promotion validity in days from today, or none.
constexpr int SemData = std::numeric_limits<int>::min();

Date dias(int deslocamento) {
    return Date::fromDayNumber(Hoje.dayNumber() + deslocamento);
}

struct Produto {
    qint32 id = 1;
    std::optional<qint32> quantidade = 1;
    double preco = 10;
    double comDesconto = 0;
    double promocional = 0;
    std::optional<Date> validade{};
    QString descricao = u"PRODUTO"_s;
};

void acrescentar(MemTable& MemTable2, const Produto& p) {
    MemTable2.append();
    MemTable2.setInteger(lista::CID_PROD, p.id);
    MemTable2.setString(lista::CBARRAS, u"7891000315507"_s);
    MemTable2.setString(lista::CDESCRICAO, p.descricao);
    if (p.quantidade)
        MemTable2.setInteger(lista::CQTDE, *p.quantidade);
    MemTable2.setFloat(lista::CPRECO, p.preco);
    MemTable2.setFloat(lista::CPRECO_DESC, p.comDesconto);
    MemTable2.setFloat(lista::CPRECPRO, p.promocional);
    MemTable2.setFloat(lista::CDESC, 10);
    if (p.validade)
        MemTable2.setDate(lista::CVLD_PRO, *p.validade);
    MemTable2.setString(lista::CLAB, u"LAB"_s);
    MemTable2.post();
}

// Counts what a grid attached to the product table would hear.
class Observador : public plataforma::TableObserver {
public:
    int movimentos = 0;
    int reativacoes = 0;
    void currentRowChanged(int) override { ++movimentos; }
    void controlsEnabled() override { ++reativacoes; }
};

} // namespace

class TesteGerarEtiquetas : public QObject {
    Q_OBJECT

private:
    MemTable m_produtos{u"MemTable2"_s};
    MemTable m_etiquetas{u"MemTable3"_s};

    void gerar() { impressao::GerarEtiquetas(m_produtos, m_etiquetas, Hoje); }
    QString celula(int linha, const char* campo) const {
        return m_etiquetas.displayText(linha, m_etiquetas.fieldIndex(campo));
    }

private slots:
    void initTestCase() {
        lista::DefinirCamposProdutos(m_produtos);
        impressao::DefinirCamposEtiquetas(m_etiquetas);
    }
    void init() {
        m_produtos.close();
        m_produtos.open();
        m_etiquetas.close();
    }

    void camposDaEtiqueta() {
        const QStringList esperados{u"CID_PROD|Código|0"_s,
                                    u"CBARRAS|Cód. Barras|"_s,
                                    u"CDESCRICAO|Descrição|"_s,
                                    u"CPRECO|Preço|###,###,##0.00"_s,
                                    u"CPRECPRO|Preço Promoção|###,###,##0.00"_s,
                                    u"CVLD_PRO|Validade Promoção|dd/mm/yyyy"_s,
                                    u"CDESC|Perc. Desconto|###,###,##0.00 %"_s,
                                    u"CPRECO_DESC|Preço com Desconto|###,###,##0.00"_s,
                                    u"CLAB|Fabricante|"_s,
                                    u"CPRECOPRAT|Menor Preço|###,###,##0.00"_s};
        QStringList campos;
        for (int i = 0; i < m_etiquetas.fieldCount(); ++i) {
            const plataforma::Field& f = m_etiquetas.field(i);
            campos << f.name() + u'|' + f.displayLabel() + u'|' + f.displayFormat();
        }
        QCOMPARE(campos, esperados);
        QCOMPARE(m_etiquetas.field(impressao::CPRECOPRAT).displayWidth(), 12);
    }

    void menorPreco_data() {
        QTest::addColumn<double>("preco");
        QTest::addColumn<double>("comDesconto");
        QTest::addColumn<double>("promocional");
        QTest::addColumn<int>("validade");
        QTest::addColumn<QString>("menor");
        QTest::newRow("so o preco normal") << 10.0 << 0.0 << 0.0 << SemData << u"10,00"_s;
        QTest::newRow("promocao ate hoje") << 10.0 << 9.0 << 8.5 << 0 << u"8,50"_s;
        QTest::newRow("promocao ate ontem") << 10.0 << 9.0 << 8.5 << -1 << u"9,00"_s;
        QTest::newRow("promocao sem data") << 10.0 << 9.0 << 8.5 << SemData << u"9,00"_s;
        QTest::newRow("so a promocao") << 0.0 << 0.0 << 7.0 << 30 << u"7,00"_s;
        QTest::newRow("preco zero nao e oferecido") << 0.0 << 9.0 << 0.0 << SemData << u"9,00"_s;
        QTest::newRow("nenhum preco") << 0.0 << 0.0 << 0.0 << SemData << u"9.999.999,99"_s;
        QTest::newRow("preco negativo") << 10.0 << -1.0 << 8.5 << 1 << u"-1,00"_s;
        QTest::newRow("acima do nao oferecido")
            << 12345678.0 << 0.0 << 0.0 << SemData << u"9.999.999,99"_s;
    }
    void menorPreco() {
        QFETCH(double, preco);
        QFETCH(double, comDesconto);
        QFETCH(double, promocional);
        QFETCH(int, validade);
        QFETCH(QString, menor);
        acrescentar(m_produtos, {.preco = preco,
                                 .comDesconto = comDesconto,
                                 .promocional = promocional,
                                 .validade = validade == SemData ? std::nullopt
                                                                 : std::optional(dias(validade))});
        gerar();
        QCOMPARE(m_etiquetas.rowCount(), 1);
        QCOMPARE(celula(0, impressao::CPRECOPRAT), menor);
    }

    // Amounts that no price field can hold, and the exact rounding of the not-offered value.
    void menorPrecoDeValores_data() {
        QTest::addColumn<qint64>("comDesconto");
        QTest::addColumn<qint64>("promocional");
        QTest::addColumn<qint64>("normal");
        QTest::addColumn<qint64>("menor");
        QTest::newRow("nao oferecido exato") << 0LL << 0LL << 0LL << 99'999'999'900LL;
        QTest::newRow("quatro casas") << 12'345LL << 0LL << 99'999LL << 12'345LL;
        QTest::newRow("so a ordem nao importa") << 99'999LL << 12'345LL << 0LL << 12'345LL;
        QTest::newRow("negativo") << -5LL << 0LL << 3LL << -5LL;
        QTest::newRow("o maior de todos")
            << std::numeric_limits<qint64>::max() << 0LL << 0LL << 99'999'999'900LL;
        QTest::newRow("todos enormes")
            << std::numeric_limits<qint64>::max() << std::numeric_limits<qint64>::max()
            << std::numeric_limits<qint64>::max() << std::numeric_limits<qint64>::max();
    }
    void menorPrecoDeValores() {
        QFETCH(qint64, comDesconto);
        QFETCH(qint64, promocional);
        QFETCH(qint64, normal);
        QFETCH(qint64, menor);
        QCOMPARE(impressao::MenorPreco(Money::fromUnits(comDesconto), Money::fromUnits(promocional),
                                       Money::fromUnits(normal))
                     .units(),
                 menor);
    }

    void umaLinhaPorEtiquetaNaOrdemDaLista() {
        acrescentar(m_produtos, {.id = 1, .quantidade = 2});
        acrescentar(m_produtos, {.id = 2, .quantidade = 0});
        acrescentar(m_produtos, {.id = 3, .quantidade = 3});
        acrescentar(m_produtos, {.id = 4, .quantidade = -5});
        acrescentar(m_produtos, {.id = 5, .quantidade = std::nullopt});
        gerar();
        QStringList ids;
        for (int i = 0; i < m_etiquetas.rowCount(); ++i)
            ids << celula(i, lista::CID_PROD);
        QCOMPARE(ids, (QStringList{u"1"_s, u"1"_s, u"3"_s, u"3"_s, u"3"_s}));
    }

    void copiaOsCamposDoProduto() {
        acrescentar(m_produtos, {.id = 42,
                                 .preco = 12.5,
                                 .comDesconto = 11.25,
                                 .promocional = 9.9,
                                 .validade = dias(-1),
                                 .descricao = u"DIPIRONA 500MG"_s});
        gerar();
        QStringList linha;
        for (int campo = 0; campo < m_etiquetas.fieldCount(); ++campo)
            linha << m_etiquetas.displayText(0, campo);
        // The expired promotion stays in CPRECPRO but not in the lowest price.
        QCOMPARE(linha, (QStringList{u"42"_s, u"7891000315507"_s, u"DIPIRONA 500MG"_s, u"12,50"_s,
                                     u"9,90"_s, u"14/06/2025"_s, u"10,00 %"_s, u"11,25"_s, u"LAB"_s,
                                     u"11,25"_s}));
    }

    void semValidadeMostraADataZero() {
        acrescentar(m_produtos, {});
        gerar();
        QCOMPARE(celula(0, lista::CVLD_PRO), u"30/12/1899"_s);
    }

    void produtoVazioNaoDeixaCampoVazio() {
        m_produtos.append();
        m_produtos.setInteger(lista::CQTDE, 1);
        m_produtos.post();
        gerar();
        for (int campo = 0; campo < m_etiquetas.fieldCount(); ++campo)
            QVERIFY2(!m_etiquetas.isNull(campo), qPrintable(m_etiquetas.field(campo).name()));
    }

    void segundoLoteNaoGuardaOPrimeiro() {
        acrescentar(m_produtos, {.id = 1, .quantidade = 3});
        acrescentar(m_produtos, {.id = 2, .quantidade = 1});
        gerar();
        QCOMPARE(m_etiquetas.rowCount(), 4);
        m_produtos.first();
        m_produtos.edit();
        m_produtos.setInteger(lista::CQTDE, 0);
        m_produtos.post();
        gerar();
        QCOMPARE(m_etiquetas.rowCount(), 1);
        QCOMPARE(celula(0, lista::CID_PROD), u"2"_s);
    }

    void quantidadeAindaEmEdicaoConta() {
        acrescentar(m_produtos, {.id = 1, .quantidade = 0});
        acrescentar(m_produtos, {.id = 2, .quantidade = 0});
        m_produtos.edit();
        m_produtos.setInteger(lista::CQTDE, 2);
        gerar();
        QCOMPARE(m_etiquetas.rowCount(), 2);
        QCOMPARE(m_produtos.state(), MemTable::State::Browse);
    }

    void voltaAoPrimeiroSemRepintarNoCaminho() {
        Observador grade;
        m_produtos.addObserver(&grade);
        acrescentar(m_produtos, {.id = 1});
        acrescentar(m_produtos, {.id = 2});
        grade.movimentos = 0;
        gerar();
        m_produtos.removeObserver(&grade);
        QCOMPARE(m_produtos.currentRow(), 0);
        QVERIFY(!m_produtos.controlsDisabled());
        QCOMPARE(grade.movimentos, 0);
        QCOMPARE(grade.reativacoes, 1);
    }

    void quantidadeDemaisNaoMontaNada_data() {
        QTest::addColumn<QList<qint32>>("quantidades");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("digitada errada") << QList<qint32>{2, 99999999}
                                         << u"A lista pede 100.000.001 etiquetas; o limite é "
                                            u"1.000.000 por impressão. Corrija as quantidades."_s;
        QTest::newRow("soma acima de 32 bits")
            << QList<qint32>{std::numeric_limits<qint32>::max(), std::numeric_limits<qint32>::max()}
            << u"A lista pede 4.294.967.294 etiquetas; o limite é 1.000.000 por impressão. "
               u"Corrija as quantidades."_s;
        QTest::newRow("um alem do limite")
            << QList<qint32>{1'000'000, -3, 1}
            << u"A lista pede 1.000.001 etiquetas; o limite é 1.000.000 por impressão. Corrija "
               u"as quantidades."_s;
    }
    void quantidadeDemaisNaoMontaNada() {
        QFETCH(QList<qint32>, quantidades);
        QFETCH(QString, mensagem);
        for (qint32 n : quantidades)
            acrescentar(m_produtos, {.quantidade = n});
        m_etiquetas.open();
        try {
            gerar();
            QFAIL("no error");
        } catch (const plataforma::Exception& erro) {
            QCOMPARE(erro.message(), mensagem);
        }
        QVERIFY(m_etiquetas.isOpen());
        QCOMPARE(m_etiquetas.rowCount(), 0);
        QCOMPARE(m_produtos.currentRow(), 0);
        QVERIFY(!m_produtos.controlsDisabled());
    }

    // An error halfway keeps the rows built so far, and the product grid is left as after a
    // normal end.
    void erroNoMeioDoLote() {
        acrescentar(m_produtos, {.id = 1, .quantidade = 2});
        acrescentar(m_produtos, {.id = 2, .quantidade = 2});
        int novas = 0;
        m_etiquetas.setNewRecordHook([&novas](MemTable&) {
            if (++novas == 4)
                throw plataforma::Exception(u"sem espaço"_s);
        });
        QVERIFY_THROWS_EXCEPTION(plataforma::Exception, gerar());
        m_etiquetas.setNewRecordHook({});
        QCOMPARE(m_etiquetas.rowCount(), 3);
        QCOMPARE(m_produtos.currentRow(), 0);
        QVERIFY(!m_produtos.controlsDisabled());
    }

    void listaFechada() {
        m_produtos.close();
        QVERIFY_THROWS_EXCEPTION(plataforma::Exception, gerar());
        QVERIFY(!m_produtos.controlsDisabled());
        QVERIFY(m_etiquetas.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TesteGerarEtiquetas)
#include "tst_gerar_etiquetas.moc"
