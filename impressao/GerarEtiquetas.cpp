#include "impressao/GerarEtiquetas.h"

#include "impressao/MenorPreco.h"
#include "impressao/TabelaEtiquetas.h"
#include "lista/ResumoLista.h"
#include "plataforma/Exception.h"
#include "util/Iif.h"

#include <QLocale>

namespace impressao {

using plataforma::Date;
using plataforma::MemTable;
using plataforma::Money;

namespace {

// The positions of the copied fields in one table, looked up once per batch.
struct Campos {
    explicit Campos(const MemTable& tabela)
        : id(tabela.fieldIndex(lista::CID_PROD)), barras(tabela.fieldIndex(lista::CBARRAS)),
          descricao(tabela.fieldIndex(lista::CDESCRICAO)), preco(tabela.fieldIndex(lista::CPRECO)),
          desconto(tabela.fieldIndex(lista::CDESC)),
          precoComDesconto(tabela.fieldIndex(lista::CPRECO_DESC)),
          precoPromocional(tabela.fieldIndex(lista::CPRECPRO)),
          validade(tabela.fieldIndex(lista::CVLD_PRO)), fabricante(tabela.fieldIndex(lista::CLAB)) {
    }

    int id, barras, descricao, preco, desconto, precoComDesconto, precoPromocional, validade,
        fabricante;
};

// One product as its labels carry it.
struct Produto {
    qint32 id;
    QString barras;
    QString descricao;
    Money preco;
    Money desconto;
    Money precoComDesconto;
    Money precoPromocional;
    Date validade;
    QString fabricante;
    Money menorPreco;
};

Produto lerProduto(const MemTable& MemTable2, const Campos& c, Date hoje) {
    Produto p{MemTable2.asInteger(c.id),
              MemTable2.asString(c.barras),
              MemTable2.asString(c.descricao),
              MemTable2.asMoney(c.preco),
              MemTable2.asMoney(c.desconto),
              MemTable2.asMoney(c.precoComDesconto),
              MemTable2.asMoney(c.precoPromocional),
              MemTable2.asDate(c.validade),
              MemTable2.asString(c.fabricante),
              Money()};
    // The promotion is in force up to and including its last day; without a date (the date
    // zero) it never is.
    const Money promocaoEmVigor =
        std::get<Money>(util::Iif(hoje <= p.validade, p.precoPromocional, Money()));
    p.menorPreco = MenorPreco(p.precoComDesconto, promocaoEmVigor, p.preco);
    return p;
}

void gravarEtiqueta(MemTable& MemTable3, const Campos& c, int menorPreco, const Produto& p) {
    MemTable3.append();
    MemTable3.setInteger(c.id, p.id);
    MemTable3.setString(c.barras, p.barras);
    MemTable3.setString(c.descricao, p.descricao);
    MemTable3.setMoney(c.preco, p.preco);
    MemTable3.setMoney(c.desconto, p.desconto);
    MemTable3.setMoney(c.precoComDesconto, p.precoComDesconto);
    MemTable3.setMoney(c.precoPromocional, p.precoPromocional);
    MemTable3.setDate(c.validade, p.validade);
    MemTable3.setString(c.fabricante, p.fabricante);
    MemTable3.setMoney(menorPreco, p.menorPreco);
    MemTable3.post();
}

// The cursor stays on the first product.
void verificarLimite(const MemTable& MemTable2) {
    const qint64 total = lista::TotalDeEtiquetas(MemTable2);
    if (total > LimiteDeEtiquetas) {
        const QLocale brasil(QLocale::Portuguese, QLocale::Brazil);
        throw plataforma::Exception(
            QStringLiteral("A lista pede %1 etiquetas; o limite é %2 por impressão. Corrija as "
                           "quantidades.")
                .arg(brasil.toString(total), brasil.toString(LimiteDeEtiquetas)));
    }
}

void copiarProdutos(MemTable& MemTable2, MemTable& MemTable3, Date hoje) {
    const Campos doProduto(MemTable2);
    const Campos daEtiqueta(MemTable3);
    const int qtde = MemTable2.fieldIndex(lista::CQTDE);
    const int menorPreco = MemTable3.fieldIndex(CPRECOPRAT);
    while (!MemTable2.eof()) {
        const qint32 n = MemTable2.asInteger(qtde);
        if (n > 0) {
            const Produto produto = lerProduto(MemTable2, doProduto, hoje);
            for (qint32 copia = 0; copia < n; ++copia)
                gravarEtiqueta(MemTable3, daEtiqueta, menorPreco, produto);
        }
        MemTable2.next();
    }
}

// Repainting of the product grid resumes however the batch ends.
class RepinturaSuspensa {
public:
    explicit RepinturaSuspensa(MemTable& tabela) : m_tabela(tabela) { m_tabela.disableControls(); }
    ~RepinturaSuspensa() { m_tabela.enableControls(); }
    RepinturaSuspensa(const RepinturaSuspensa&) = delete;
    RepinturaSuspensa& operator=(const RepinturaSuspensa&) = delete;

private:
    MemTable& m_tabela;
};

// After an error the operator must read that error, not one of going back to the first row
// (the same pending edit failing to post again, or a closed table).
void voltarAoPrimeiroDepoisDeErro(MemTable& MemTable2) {
    if (!MemTable2.isOpen())
        return;
    try {
        MemTable2.first();
    } catch (const plataforma::Exception&) {
    }
}

} // namespace

void GerarEtiquetas(MemTable& MemTable2, MemTable& MemTable3, Date hoje) {
    MemTable3.close();
    MemTable3.open();
    const RepinturaSuspensa suspensa(MemTable2);
    try {
        MemTable2.first();
        verificarLimite(MemTable2);
        copiarProdutos(MemTable2, MemTable3, hoje);
    } catch (...) {
        voltarAoPrimeiroDepoisDeErro(MemTable2);
        throw;
    }
    MemTable2.first();
}

} // namespace impressao
