#include "impressao/ObjetosRelatorio.h"

#include "impressao/TabelaEtiquetas.h"

namespace impressao {

using namespace Qt::StringLiterals;

ObjetosRelatorio::ObjetosRelatorio()
    : m_MemTable3(u"MemTable3"_s), m_Selecionados(u"Selecionados"_s, m_DataSource1.conjunto()) {
    DefinirCamposEtiquetas(m_MemTable3);
    m_pipelines.add(m_Selecionados);
    m_ppReport1.setPipelines(&m_pipelines);
    m_ppReport1.setHandlers(&m_manipuladores);
    m_ppReport1.setLabelRules(RegrasDasEtiquetas());
}

void ObjetosRelatorio::publicar(const QString& nome,
                                plataforma::relatorio::ReportHandler manipulador) {
    m_manipuladores.publish(nome, std::move(manipulador));
    m_ppReport1.setHandlers(&m_manipuladores);
}

} // namespace impressao
