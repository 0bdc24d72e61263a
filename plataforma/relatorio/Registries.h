#pragma once

#include <QHash>
#include <QString>
#include <functional>

namespace plataforma::relatorio {

class Pipeline;
class Report;

// An event handler that a template binds by name; the sender is the report raising the event.
using ReportHandler = std::function<void(Report& sender)>;

// The pipelines that templates may name, found by their names. The registry does not own
// them; each must outlive the reports bound to it.
class PipelineRegistry {
public:
    void add(Pipeline& pipeline);
    // Null when no pipeline has that name.
    Pipeline* find(const QString& name) const { return m_pipelines.value(name); }

private:
    QHash<QString, Pipeline*> m_pipelines;
};

// The handlers that a window publishes under their method names ("ppReport1PageRequest"), so
// that a loaded template binds the one it names.
class HandlerRegistry {
public:
    void publish(const QString& name, ReportHandler handler);
    // Null when nothing is published under that name.
    const ReportHandler* find(const QString& name) const;

private:
    QHash<QString, ReportHandler> m_handlers;
};

} // namespace plataforma::relatorio
