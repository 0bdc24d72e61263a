#include "CarregarLista.h"

#include "GravacaoProduto.h"
#include "LeitorLinhas.h"
#include "LinhaProduto.h"
#include "TabelaProdutos.h"
#include "plataforma/Errors.h"

#include <QFile>

namespace lista {

namespace {

using plataforma::MemTable;

// What each field of a line keeps, in the order of the line: a text field what its column
// holds, a number field one character past the longest readable one.
std::vector<qsizetype> limitesDosCampos() {
    constexpr qsizetype numero = LimiteNumero + 1;
    return {numero,        TamanhoDescricao, TamanhoFabricante,
            TamanhoBarras, numero,           numero,
            numero,        numero,           numero,
            numero};
}

class Importacao {
public:
    Importacao(MemTable& tabela, QDate hoje, CamposIlegiveis* ilegiveis)
        : m_tabela(tabela), m_gravacao(tabela, hoje, ilegiveis) {}

    void lerProdutos(QIODevice& origem) {
        LeitorLinhas leitor(origem, limitesDosCampos());
        if (!leitor.PularLinha())
            return;
        int linhaDoArquivo = 1;
        for (std::optional<QStringView> linha = leitor.LerLinha(); linha && !linha->isEmpty();
             linha = leitor.LerLinha()) {
            m_linha.Definir(*linha);
            m_tabela.append();
            m_gravacao.Gravar(m_linha, ++linhaDoArquivo);
            m_tabela.post();
        }
    }

private:
    MemTable& m_tabela;
    GravacaoProduto m_gravacao;
    LinhaProduto m_linha;
};

} // namespace

void CarregarLista(MemTable& MemTable2, const QString& arquivo, QDate hoje,
                   CamposIlegiveis* ilegiveis) {
    QFile arquivoLista(arquivo);
    // Opening first keeps the loaded list when the file cannot be read at all.
    if (!arquivoLista.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        throw plataforma::IoError(plataforma::IoError::FileNotOpenForInput,
                                  arquivoLista.errorString());
    CarregarLista(MemTable2, arquivoLista, hoje, ilegiveis);
}

void CarregarLista(MemTable& MemTable2, QIODevice& origem, QDate hoje, CamposIlegiveis* ilegiveis) {
    if (ilegiveis)
        ilegiveis->Limpar();
    MemTable2.setNewRecordHook({});
    try {
        MemTable2.close();
        MemTable2.open();
        Importacao(MemTable2, hoje, ilegiveis).lerProdutos(origem);
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
