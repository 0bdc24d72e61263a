#include "plataforma/relatorio/Report.h"

#include "modelos/fluxo/Escritor.h"
#include "modelos/fluxo/Esquema.h"
#include "modelos/fluxo/RelatorioInicial.h"
#include "plataforma/Errors.h"
#include "plataforma/ReplaceFile.h"
#include "plataforma/relatorio/Properties.h"
#include "plataforma/relatorio/TemplateFile.h"

#include <QDir>
#include <QFileInfo>
#include <stdexcept>

namespace plataforma::relatorio {

using namespace Qt::StringLiterals;
namespace p = properties;

Report::Report() : m_tree(fluxo::arvoreDoRelatorioInicial()) {}

void Report::setPipelines(const PipelineRegistry* pipelines) {
    m_pipelines = pipelines;
    bind();
}

void Report::setHandlers(const HandlerRegistry* handlers) {
    m_handlers = handlers;
    bind();
}

void Report::bind() {
    m_pipeline = m_pipelines ? m_pipelines->find(dataPipelineName()) : nullptr;
    const ReportHandler* handler = m_handlers ? m_handlers->find(onPageRequest()) : nullptr;
    m_pageRequest = handler ? *handler : ReportHandler();
}

void Report::loadFromFile(const QString& path) {
    setLayout(readTemplateFile(path));
}

void Report::loadFromStream(QByteArrayView stream, const QString& sourceName) {
    setLayout(readTemplate(stream, sourceName));
}

void Report::setLayout(fluxo::Objeto tree) {
    if (tree.classe != "TppReport"_L1)
        throw std::invalid_argument("a report layout needs a TppReport root object");
    m_tree = std::move(tree);
    bind();
}

QByteArray Report::toStream() const {
    return fluxo::escreverFluxo(m_tree);
}

void Report::saveToFile(const QString& path) {
    fluxo::Objeto saved = m_tree;
    p::setText(saved, u"Template.FileName"_s,
               QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
    QByteArray stream;
    try {
        stream = fluxo::escreverFluxo(saved);
    } catch (const fluxo::ErroFluxo& error) {
        throw fileCreationError(QDir::toNativeSeparators(path), error.mensagem());
    }
    replaceFile(path, stream);
    m_tree = std::move(saved);
}

Units Report::units() const {
    return unitsFromName(p::text(m_tree, u"Units"));
}

void Report::setUnits(Units units) {
    p::setIdentifier(m_tree, u"Units"_s, unitsName(units));
}

Language Report::language() const {
    return languageFromName(p::text(m_tree, u"Language"));
}

void Report::setLanguage(Language language) {
    p::setIdentifier(m_tree, u"Language"_s, languageName(language));
}

QString Report::templateFileName() const {
    return p::text(m_tree, u"Template.FileName");
}

void Report::setTemplateFileName(const QString& path) {
    p::setText(m_tree, u"Template.FileName"_s, path);
}

int Report::columns() const {
    return static_cast<int>(p::integer(m_tree, u"Columns", 1));
}

void Report::setColumns(int columns) {
    p::setInteger(m_tree, u"Columns"_s, columns);
}

std::vector<int> Report::columnPositions() const {
    std::vector<int> positions;
    const fluxo::Valor* list = p::find(m_tree, u"ColumnPositions.Strings");
    if (list == nullptr || list->tipo() != fluxo::Tipo::Lista)
        return positions;
    for (const fluxo::Valor& item : list->itens())
        positions.push_back(item.comoTexto().toInt());
    return positions;
}

void Report::setColumnPositions(const std::vector<int>& positions) {
    std::vector<fluxo::Valor> items;
    for (int position : positions)
        items.push_back(fluxo::Valor::texto(QString::number(position)));
    fluxo::definir(m_tree, u"ColumnPositions.Strings"_s, fluxo::Valor::lista(std::move(items)));
}

int Report::mmColumnWidth() const {
    return static_cast<int>(p::integer(m_tree, u"mmColumnWidth"));
}

void Report::setMmColumnWidth(int thousandths) {
    p::setInteger(m_tree, u"mmColumnWidth"_s, thousandths);
}

std::vector<Band> Report::bands() {
    std::vector<Band> bands;
    for (fluxo::Objeto& child : m_tree.filhos) {
        if (const std::optional<BandKind> kind = bandKindOfClass(child.classe))
            bands.emplace_back(*this, child, *kind);
    }
    return bands;
}

std::optional<Band> Report::band(BandKind kind) {
    for (const Band& band : bands()) {
        if (band.kind() == kind)
            return band;
    }
    return std::nullopt;
}

QString Report::dataPipelineName() const {
    return p::text(m_tree, u"DataPipeline");
}

void Report::setDataPipelineName(const QString& name) {
    p::setIdentifier(m_tree, u"DataPipeline"_s, name);
    p::setText(m_tree, u"DataPipelineName"_s, name);
    bind();
}

Pipeline* Report::pipelineNamed(const QString& name) const {
    return m_pipelines ? m_pipelines->find(name) : nullptr;
}

QString Report::onPageRequest() const {
    return p::text(m_tree, u"OnPageRequest");
}

void Report::setOnPageRequest(const QString& handlerName) {
    p::setIdentifier(m_tree, u"OnPageRequest"_s, handlerName);
    bind();
}

void Report::raisePageRequest() {
    if (!m_pageRequest)
        return;
    // The handler may replace the layout, and the binding with it, while it runs.
    const ReportHandler handler = m_pageRequest;
    handler(*this);
}

} // namespace plataforma::relatorio
