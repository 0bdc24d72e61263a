#include "plataforma/relatorio/ControlPainter.h"

#include "plataforma/relatorio/BarcodePainter.h"
#include "plataforma/relatorio/Control.h"
#include "plataforma/relatorio/ImagePainter.h"
#include "plataforma/relatorio/LinePainter.h"
#include "plataforma/relatorio/Preflight.h"
#include "plataforma/relatorio/ShapePainter.h"
#include "plataforma/relatorio/TextPainter.h"

#include <QBrush>
#include <algorithm>

namespace plataforma::relatorio {

ControlPainter::ControlPainter(const Control& control)
    : m_name(control.name()), m_box(control.box().inMillimetres()) {}

void ControlPainter::check(Preflight& preflight) {
    preflight.checkOnPaper(m_name, m_box);
}

int drawnFontSize(int points) {
    constexpr int Largest = 1000;
    return std::clamp(points, 0, Largest);
}

const QBrush& paperWhite() {
    static const QBrush white(Qt::white);
    return white;
}

std::unique_ptr<ControlPainter> makeControlPainter(const Control& control, PaintContext& context) {
    switch (control.kind()) {
    case ControlKind::DataText:
    case ControlKind::Label:
        return std::make_unique<TextPainter>(control, context);
    case ControlKind::DataBarcode:
        return std::make_unique<BarcodePainter>(control, context);
    case ControlKind::Shape:
        return std::make_unique<ShapePainter>(control);
    case ControlKind::Line:
        return std::make_unique<LinePainter>(control);
    case ControlKind::Image:
        return std::make_unique<ImagePainter>(control, context);
    case ControlKind::Unknown:
        return nullptr;
    }
    Q_UNREACHABLE();
}

} // namespace plataforma::relatorio
