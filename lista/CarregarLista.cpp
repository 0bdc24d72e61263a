#include "CarregarLista.h"

#include "ConversaoCampos.h"
#include "LeitorLinhas.h"
#include "LinhaProduto.h"
#include "Maiusculas.h"
#include "TabelaProdutos.h"
#include "plataforma/Errors.h"
#include "plataforma/WholeNumber.h"

#include <QFile>

namespace lista {

namespace {

using plataforma::MemTable;

// Positions of the product fields, found once per load rather than by name
// for every value of every row.
struct Posicoes {
    explicit Posicoes(const MemTable& tabela)
        : codigo(tabela.fieldIndex(CID_PROD)), descricao(tabela.fieldIndex(CDESCRICAO)),
          fabricante(tabela.fieldIndex(CLAB)), barras(tabela.fieldIndex(CBARRAS)),
          preco(tabela.fieldIndex(CPRECO)), precoDesconto(tabela.fieldIndex(CPRECO_DESC)),
          precoPromocao(tabela.fieldIndex(CPRECPRO)), desconto(tabela.fieldIndex(CDESC)),
          quantidade(tabela.fieldIndex(CQTDE)), validade(tabela.fieldIndex(CVLD_PRO)) {}

    int codigo, descricao, fabricante, barras, preco, precoDesconto, precoPromocao, desconto,
        quantidade, validade;
};

class Importacao {
public:
    Importacao(MemTable& tabela, QDate hoje) : m_tabela(tabela), m_posicoes(tabela), m_hoje(hoje) {}

    void lerProdutos(QIODevice& origem) {
        LeitorLinhas leitor(origem);
        if (!leitor.LerLinha())
            return;
        for (std::optional<QStringView> linha = leitor.LerLinha(); linha && !linha->isEmpty();
             linha = leitor.LerLinha()) {
            m_linha.Definir(*linha);
            m_tabela.append();
            gravarCampos();
            m_tabela.post();
        }
    }

private:
    void gravarCampos() {
        const Posicoes& p = m_posicoes;
        m_tabela.setInteger(p.codigo, plataforma::parseInt32(m_linha.LerCampo(), 0));
        gravarMaiusculas(p.descricao, m_linha.LerCampo());
        gravarMaiusculas(p.fabricante, m_linha.LerCampo());
        m_tabela.setString(p.barras, m_linha.LerCampo().toString());
        gravarDecimal(p.preco, m_linha.LerCampo());
        gravarDecimal(p.precoDesconto, m_linha.LerCampo());
        gravarDecimal(p.precoPromocao, m_linha.LerCampo());
        gravarDecimal(p.desconto, m_linha.LerCampo());
        m_tabela.setInteger(p.quantidade, plataforma::parseInt32(m_linha.LerCampo(), 1));
        const QStringView validade = m_linha.LerCampo();
        if (!validade.isEmpty())
            m_tabela.setDate(p.validade, LerData(validade, m_hoje).value_or(plataforma::Date()));
    }

    void gravarMaiusculas(int campo, QStringView texto) {
        m_tabela.setString(campo, Maiusculas(texto));
    }

    void gravarDecimal(int campo, QStringView texto) {
        m_tabela.setMoney(campo, LerDecimal(texto).value_or(plataforma::Money()));
    }

    MemTable& m_tabela;
    const Posicoes m_posicoes;
    const QDate m_hoje;
    LinhaProduto m_linha;
};

} // namespace

void CarregarLista(MemTable& MemTable2, const QString& arquivo, QDate hoje) {
    QFile arquivoLista(arquivo);
    // Opening first keeps the loaded list when the file cannot be read at all.
    if (!arquivoLista.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        throw plataforma::IoError(plataforma::IoError::FileNotOpenForInput);
    CarregarLista(MemTable2, arquivoLista, hoje);
}

void CarregarLista(MemTable& MemTable2, QIODevice& origem, QDate hoje) {
    MemTable2.setNewRecordHook({});
    try {
        MemTable2.close();
        MemTable2.open();
        Importacao(MemTable2, hoje).lerProdutos(origem);
    } catch (...) {
        // A row half filled when the error came is not one that was read.
        if (MemTable2.state() == MemTable::State::Insert)
            MemTable2.cancel();
        MemTable2.setNewRecordHook(MemTable2NewRecord);
        throw;
    }
    MemTable2.setNewRecordHook(MemTable2NewRecord);
}

} // namespace lista
