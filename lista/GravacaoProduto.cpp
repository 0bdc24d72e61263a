#include "GravacaoProduto.h"

#include "ConversaoCampos.h"
#include "Maiusculas.h"
#include "TabelaProdutos.h"
#include "plataforma/WholeNumber.h"

namespace lista {

namespace {

bool legivel(QStringView campo) {
    return campo.size() <= LimiteNumero;
}

} // namespace

GravacaoProduto::Posicoes::Posicoes(const plataforma::MemTable& tabela)
    : codigo(tabela.fieldIndex(CID_PROD)), descricao(tabela.fieldIndex(CDESCRICAO)),
      fabricante(tabela.fieldIndex(CLAB)), barras(tabela.fieldIndex(CBARRAS)),
      preco(tabela.fieldIndex(CPRECO)), precoDesconto(tabela.fieldIndex(CPRECO_DESC)),
      precoPromocao(tabela.fieldIndex(CPRECPRO)), desconto(tabela.fieldIndex(CDESC)),
      quantidade(tabela.fieldIndex(CQTDE)), validade(tabela.fieldIndex(CVLD_PRO)) {}

GravacaoProduto::GravacaoProduto(plataforma::MemTable& tabela, QDate hoje,
                                 CamposIlegiveis* ilegiveis)
    : m_tabela(tabela), m_posicoes(tabela), m_hoje(hoje), m_ilegiveis(ilegiveis) {}

void GravacaoProduto::Gravar(LinhaProduto& linha, int linhaDoArquivo) {
    m_linha = &linha;
    m_linhaDoArquivo = linhaDoArquivo;
    const Posicoes& p = m_posicoes;
    gravarInteiro(p.codigo, linha.LerCampo(), 0);
    m_tabela.setString(p.descricao, Maiusculas(linha.LerCampo()));
    m_tabela.setString(p.fabricante, Maiusculas(linha.LerCampo()));
    m_tabela.setString(p.barras, linha.LerCampo().toString());
    gravarDecimal(p.preco, linha.LerCampo());
    gravarDecimal(p.precoDesconto, linha.LerCampo());
    gravarDecimal(p.precoPromocao, linha.LerCampo());
    gravarDecimal(p.desconto, linha.LerCampo());
    gravarInteiro(p.quantidade, linha.LerCampo(), 1);
    gravarData(p.validade, linha.LerCampo());
}

void GravacaoProduto::gravarInteiro(int campo, QStringView texto, qint32 padrao) {
    const std::optional<qint32> valor =
        legivel(texto) ? plataforma::parseInt32(texto) : std::nullopt;
    if (!valor)
        anotarIlegivel(campo, texto);
    m_tabela.setInteger(campo, valor.value_or(padrao));
}

void GravacaoProduto::gravarDecimal(int campo, QStringView texto) {
    const std::optional<plataforma::Money> valor =
        legivel(texto) ? LerDecimal(texto) : std::nullopt;
    if (!valor)
        anotarIlegivel(campo, texto);
    m_tabela.setMoney(campo, valor.value_or(plataforma::Money()));
}

// An empty date leaves the field empty; one that does not read is the date zero.
void GravacaoProduto::gravarData(int campo, QStringView texto) {
    if (texto.isEmpty())
        return;
    const std::optional<plataforma::Date> valor =
        legivel(texto) ? LerData(texto, m_hoje) : std::nullopt;
    if (!valor)
        anotarIlegivel(campo, texto);
    m_tabela.setDate(campo, valor.value_or(plataforma::Date()));
}

void GravacaoProduto::anotarIlegivel(int campo, QStringView texto) {
    if (m_ilegiveis && !texto.trimmed().isEmpty())
        m_ilegiveis->Anotar(m_tabela.currentRow(), campo, m_linhaDoArquivo,
                            m_linha->ComoNoArquivo(texto));
}

} // namespace lista
