#include "plataforma/relatorio/Band.h"

#include "plataforma/relatorio/Properties.h"
#include "plataforma/relatorio/Report.h"

#include <array>

namespace plataforma::relatorio {

using namespace Qt::StringLiterals;
namespace p = properties;

namespace {

constexpr std::array classNames{"TppHeaderBand"_L1, "TppColumnHeaderBand"_L1, "TppDetailBand"_L1,
                                "TppColumnFooterBand"_L1, "TppFooterBand"_L1};

} // namespace

QString bandClassName(BandKind kind) {
    return classNames[static_cast<std::size_t>(kind)];
}

std::optional<BandKind> bandKindOfClass(QStringView className) {
    for (std::size_t i = 0; i < classNames.size(); ++i) {
        if (className == classNames[i])
            return static_cast<BandKind>(i);
    }
    return std::nullopt;
}

float Band::height() const {
    return fromThousandths(mmHeight(), m_report->units());
}

void Band::setHeight(float height) {
    setMmHeight(toThousandths(height, m_report->units()));
}

int Band::mmHeight() const {
    return static_cast<int>(p::integer(*m_object, u"mmHeight"));
}

void Band::setMmHeight(int thousandths) {
    p::setInteger(*m_object, u"mmHeight"_s, thousandths);
}

int Band::mmBottomOffset() const {
    return static_cast<int>(p::integer(*m_object, u"mmBottomOffset"));
}

void Band::setMmBottomOffset(int thousandths) {
    p::setInteger(*m_object, u"mmBottomOffset"_s, thousandths);
}

ColumnTraversal Band::columnTraversal() const {
    return p::text(*m_object, u"ColumnTraversal") == "ctLeftToRight"_L1
               ? ColumnTraversal::LeftToRight
               : ColumnTraversal::TopToBottom;
}

void Band::setColumnTraversal(ColumnTraversal traversal) {
    p::setIdentifier(*m_object, u"ColumnTraversal"_s,
                     traversal == ColumnTraversal::LeftToRight ? u"ctLeftToRight"_s
                                                               : u"ctTopToBottom"_s);
}

std::vector<Control> Band::controls() const {
    std::vector<Control> controls;
    controls.reserve(m_object->filhos.size());
    for (fluxo::Objeto& child : m_object->filhos)
        controls.emplace_back(child);
    return controls;
}

} // namespace plataforma::relatorio
