#pragma once

#include "impressao/FonteDeDados.h"
#include "plataforma/MemTable.h"
#include "plataforma/relatorio/MemTablePipeline.h"
#include "plataforma/relatorio/Registries.h"
#include "plataforma/relatorio/Report.h"

namespace impressao {

// The objects that turn the label batch into printed labels, owned by the main window for the
// whole run: the label table MemTable3 (closed until a batch is built), its data source
// DataSource1, the pipeline Selecionados over it, and the report ppReport1, which starts with
// a layout that prints nothing (five columns on A4, in inches) and binds the pipeline and the
// page-request handler by name.
//
// The window publishes its handlers here under their method names ("ppReport1PageRequest"), so
// that the report, and every template loaded into it later, finds them.
class ObjetosRelatorio {
public:
    ObjetosRelatorio();
    ObjetosRelatorio(const ObjetosRelatorio&) = delete;
    ObjetosRelatorio& operator=(const ObjetosRelatorio&) = delete;

    plataforma::MemTable& MemTable3() { return m_MemTable3; }
    FonteDeDados& DataSource1() { return m_DataSource1; }
    plataforma::relatorio::MemTablePipeline& Selecionados() { return m_Selecionados; }
    plataforma::relatorio::Report& ppReport1() { return m_ppReport1; }

    // Replaces whatever was published under that name, and binds the report's layout again.
    void publicar(const QString& nome, plataforma::relatorio::ReportHandler manipulador);

private:
    plataforma::MemTable m_MemTable3;
    FonteDeDados m_DataSource1{m_MemTable3};
    plataforma::relatorio::MemTablePipeline m_Selecionados;
    plataforma::relatorio::PipelineRegistry m_pipelines;
    plataforma::relatorio::HandlerRegistry m_manipuladores;
    // Last, so that it goes before the registries it looks names up in.
    plataforma::relatorio::Report m_ppReport1;
};

} // namespace impressao
