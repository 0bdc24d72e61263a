#include "plataforma/relatorio/Registries.h"

#include "plataforma/relatorio/Pipeline.h"

namespace plataforma::relatorio {

void PipelineRegistry::add(Pipeline& pipeline) {
    m_pipelines.insert(pipeline.name(), &pipeline);
}

void HandlerRegistry::publish(const QString& name, ReportHandler handler) {
    m_handlers.insert(name, std::move(handler));
}

const ReportHandler* HandlerRegistry::find(const QString& name) const {
    const auto found = m_handlers.constFind(name);
    return found == m_handlers.cend() || !*found ? nullptr : &*found;
}

} // namespace plataforma::relatorio
