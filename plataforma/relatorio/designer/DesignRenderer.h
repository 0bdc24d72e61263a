#pragma once

#include "plataforma/MemTable.h"
#include "plataforma/relatorio/Band.h"
#include "plataforma/relatorio/MemTablePipeline.h"
#include "plataforma/relatorio/Registries.h"
#include "plataforma/relatorio/Report.h"

#include <QPointF>
#include <QRectF>
#include <memory>
#include <utility>
#include <vector>

class QPainter;

namespace plataforma::relatorio {

class PageRenderer;

// Draws a report's bands as the designer shows them: each control through the engine's own
// painters, as it prints, except that a data text shows its field's name and a data bar code a
// valid sample of its kind, since there is no row to print, and an image without a picture
// shows where it is.
class DesignRenderer {
public:
    // Takes the layout as it is now; make a new renderer after a change.
    explicit DesignRenderer(const Report& report);
    ~DesignRenderer();
    DesignRenderer(const DesignRenderer&) = delete;
    DesignRenderer& operator=(const DesignRenderer&) = delete;

    // Draws the controls of one band, its top-left corner at origin, on a painter whose user
    // space is millimetres; nothing falls outside clip (millimetres too).
    void renderBand(QPainter& painter, BandKind kind, QPointF origin, const QRectF& clip);

private:
    MemTable m_samples;
    MemTablePipeline m_samplePipeline;
    PipelineRegistry m_pipelines;
    Report m_standIn;
    std::unique_ptr<PageRenderer> m_renderer;
    // The boxes of the images that have no picture to show, by band (millimetres).
    std::vector<std::pair<BandKind, QRectF>> m_emptyImages;
};

// Data that a bar code of the type (the template's identifier) can encode, for showing it.
QString sampleBarcodeData(QStringView type);

} // namespace plataforma::relatorio
