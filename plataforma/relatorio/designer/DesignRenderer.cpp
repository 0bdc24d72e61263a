#include "plataforma/relatorio/designer/DesignRenderer.h"

#include "modelos/fluxo/Esquema.h"
#include "plataforma/relatorio/Control.h"
#include "plataforma/relatorio/PageRenderer.h"
#include "plataforma/relatorio/Properties.h"
#include "plataforma/relatorio/Symbology.h"

#include <QImage>
#include <QPainter>
#include <algorithm>

namespace plataforma::relatorio {

using namespace Qt::StringLiterals;

namespace {

const QString SamplePipeline = u"AmostrasDoDesigner"_s;

// A data text becomes a label whose caption is the field's name, with the same look.
void showFieldName(fluxo::Objeto& text) {
    const QString field = Control(text).dataField();
    const fluxo::Esquema* label = fluxo::esquemaDaClasse(u"TppLabel");
    text.classe = u"TppLabel"_s;
    std::erase_if(text.propriedades,
                  [label](const fluxo::Propriedade& p) { return label->ordem(p.nome) < 0; });
    Control(text).setCaption(field.isEmpty() ? u"(sem campo)"_s : field);
}

// A data bar code reads its own field of the sample pipeline, which holds data of its kind.
void showSample(fluxo::Objeto& barcode, MemTable& samples) {
    Control control(barcode);
    const QString field = u"F%1"_s.arg(samples.fieldCount());
    samples.addField(field, FieldType::Text, 64);
    control.setDataPipelineName(SamplePipeline);
    control.setDataField(field);
}

// The layout with its data controls turned into what the designer shows; the sample table
// gets one text field per bar code, filled once the table is open.
fluxo::Objeto standInLayout(const fluxo::Objeto& layout, MemTable& samples, QStringList& sampleData,
                            std::vector<std::pair<BandKind, QRectF>>& emptyImages) {
    fluxo::Objeto copy = layout;
    for (fluxo::Objeto& band : copy.filhos) {
        const std::optional<BandKind> bandKind = bandKindOfClass(band.classe);
        if (!bandKind)
            continue;
        for (fluxo::Objeto& object : band.filhos) {
            const Control control(object);
            const ControlKind kind = control.kind();
            if (kind == ControlKind::Image && QImage::fromData(control.pictureBytes()).isNull()) {
                emptyImages.emplace_back(*bandKind, control.box().inMillimetres());
            } else if (kind == ControlKind::DataText) {
                showFieldName(object);
            } else if (kind == ControlKind::DataBarcode) {
                sampleData.append(sampleBarcodeData(Control(object).barcodeType()));
                showSample(object, samples);
            }
        }
    }
    return copy;
}

// The GTIN check digit: weights 3 and 1 from the rightmost data digit.
QChar checkDigit(QStringView digits) {
    int sum = 0;
    int weight = 3;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        sum += weight * (it->unicode() - u'0');
        weight = 4 - weight;
    }
    return QChar(u'0' + (10 - sum % 10) % 10);
}

// A crossed box naming what belongs there.
void drawEmptyImage(QPainter& painter, const QRectF& box) {
    const QColor grey(0x90, 0x98, 0xA4);
    painter.setPen(QPen(grey, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box);
    painter.drawLine(box.topLeft(), box.bottomRight());
    painter.drawLine(box.topRight(), box.bottomLeft());
    QFont font(u"Arial"_s);
    font.setPixelSize(3); // millimetres, on this painter
    painter.setFont(font);
    painter.setPen(grey.darker());
    painter.drawText(box, Qt::AlignCenter, u"Imagem"_s);
}

} // namespace

QString sampleBarcodeData(QStringView type) {
    const Symbology* symbology = findSymbology(type);
    if (symbology != nullptr && symbology->digits > 0) {
        const QString digits = u"789123456789"_s.left(symbology->digits - 1);
        return digits + checkDigit(digits);
    }
    return type == u"bcCodabar" ? u"A12345678B"_s : u"12345678"_s;
}

DesignRenderer::DesignRenderer(const Report& report) : m_samplePipeline(SamplePipeline, m_samples) {
    QStringList sampleData;
    m_standIn.setLayout(standInLayout(report.layout(), m_samples, sampleData, m_emptyImages));
    if (!sampleData.isEmpty()) {
        m_samples.open();
        m_samples.append();
        for (int field = 0; field < sampleData.size(); ++field)
            m_samples.setString(field, sampleData[field]);
        m_samples.post();
        m_pipelines.add(m_samplePipeline);
        m_standIn.setPipelines(&m_pipelines);
    }
    m_renderer = std::make_unique<PageRenderer>(m_standIn);
}

DesignRenderer::~DesignRenderer() = default;

void DesignRenderer::renderBand(QPainter& painter, BandKind kind, QPointF origin,
                                const QRectF& clip) {
    painter.save();
    painter.setClipRect(clip, Qt::IntersectClip);
    Page page;
    page.bands.push_back({kind, 0, 0, 0, origin, clip.size()});
    m_renderer->render(painter, page);
    for (const auto& [band, box] : m_emptyImages) {
        if (band == kind)
            drawEmptyImage(painter, box.translated(origin));
    }
    painter.restore();
}

} // namespace plataforma::relatorio
