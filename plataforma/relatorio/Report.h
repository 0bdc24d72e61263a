#pragma once

#include "modelos/fluxo/Objeto.h"
#include "plataforma/relatorio/Band.h"
#include "plataforma/relatorio/LabelRules.h"
#include "plataforma/relatorio/Language.h"
#include "plataforma/relatorio/PrinterSetup.h"
#include "plataforma/relatorio/Registries.h"
#include "plataforma/relatorio/Units.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>
#include <vector>

namespace plataforma::relatorio {

class Pipeline;

// A report: its layout, held as the template tree it was loaded from, so that properties and
// classes the engine does not know stay in their places and are written back unchanged; typed
// handles (PrinterSetup, Band, Control) read and change that tree through the class schemas.
//
// References in the layout are bound by name: the report's data pipeline (DataPipeline) in a
// PipelineRegistry, its page-request handler (OnPageRequest) in a HandlerRegistry. A name that
// neither registry knows stays in the layout and binds nothing.
class Report {
public:
    // The starting layout: five columns on A4 in inches, bound to "Selecionados" and
    // "ppReport1PageRequest", with five empty bands.
    Report();

    // The registries that names are looked up in; each must outlive the report, and either may
    // be null. Setting one binds the layout's names again.
    void setPipelines(const PipelineRegistry* pipelines);
    void setHandlers(const HandlerRegistry* handlers);
    // What the application says about its labels; they stay when another layout is loaded.
    void setLabelRules(LabelRules rules) { m_labelRules = std::move(rules); }
    const LabelRules& labelRules() const { return m_labelRules; }

    // Loading replaces the whole layout and every binding; on failure (a plataforma::Exception
    // with a Portuguese message) the report keeps the layout it had.
    void loadFromFile(const QString& path);
    void loadFromStream(QByteArrayView stream, const QString& sourceName);
    // A tree built in code; its root must be a TppReport (std::invalid_argument otherwise).
    void setLayout(fluxo::Objeto tree);
    // The layout as a template stream: unchanged, it is byte for byte what was loaded.
    QByteArray toStream() const;
    // Records the file's full path in Template.FileName and writes the layout there as
    // plataforma::replaceFile does. A failed save leaves both the file and the layout as they
    // were.
    void saveToFile(const QString& path);
    const fluxo::Objeto& layout() const { return m_tree; }

    const QString& name() const { return m_tree.nome; }
    Units units() const;
    void setUnits(Units units);
    Language language() const;
    void setLanguage(Language language);
    // The full path of the file the layout was last saved to, as the layout records it.
    QString templateFileName() const;
    // Names the file the layout belongs to (the one it was opened from), so that a save by name
    // goes there; saveToFile records its own path by itself.
    void setTemplateFileName(const QString& path);

    PrinterSetup printerSetup() { return PrinterSetup(*this, m_tree); }
    // The number of columns, 1 when the layout names none.
    int columns() const;
    void setColumns(int columns);
    // The left edge of each column from the paper's left edge, in thousandths of a millimetre.
    std::vector<int> columnPositions() const;
    void setColumnPositions(const std::vector<int>& positions);
    int mmColumnWidth() const;
    void setMmColumnWidth(int thousandths);

    // The bands the layout holds, in layout order; a band of a class the engine does not know
    // is kept in the layout but has no handle.
    std::vector<Band> bands();
    std::optional<Band> band(BandKind kind);

    QString dataPipelineName() const;
    void setDataPipelineName(const QString& name);
    // The bound pipeline, or null.
    Pipeline* pipeline() const { return m_pipeline; }
    // The pipeline registered under name (a control may name its own), or null.
    Pipeline* pipelineNamed(const QString& name) const;

    // The name of the page-request handler, empty when the layout names none.
    QString onPageRequest() const;
    void setOnPageRequest(const QString& handlerName);
    bool hasPageRequestHandler() const { return static_cast<bool>(m_pageRequest); }
    // Runs the bound page-request handler, if any, before a page is produced; whatever it
    // throws (a plataforma::SilentAbort abandons the run) goes to the caller.
    void raisePageRequest();

private:
    void bind();

    fluxo::Objeto m_tree;
    const PipelineRegistry* m_pipelines = nullptr;
    const HandlerRegistry* m_handlers = nullptr;
    Pipeline* m_pipeline = nullptr;
    ReportHandler m_pageRequest;
    LabelRules m_labelRules;
};

} // namespace plataforma::relatorio
