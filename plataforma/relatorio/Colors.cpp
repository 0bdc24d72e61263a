#include "plataforma/relatorio/Colors.h"

#include <array>
#include <utility>

namespace plataforma::relatorio {

namespace {

using namespace Qt::StringLiterals;

constexpr QRgb Black = 0x000000;
constexpr QRgb White = 0xFFFFFF;
constexpr QRgb Face = 0xF0F0F0;

constexpr std::array named{
    std::pair{"clBlack"_L1, Black},
    std::pair{"clMaroon"_L1, QRgb{0x800000}},
    std::pair{"clGreen"_L1, QRgb{0x008000}},
    std::pair{"clOlive"_L1, QRgb{0x808000}},
    std::pair{"clNavy"_L1, QRgb{0x000080}},
    std::pair{"clPurple"_L1, QRgb{0x800080}},
    std::pair{"clTeal"_L1, QRgb{0x008080}},
    std::pair{"clGray"_L1, QRgb{0x808080}},
    std::pair{"clSilver"_L1, QRgb{0xC0C0C0}},
    std::pair{"clRed"_L1, QRgb{0xFF0000}},
    std::pair{"clLime"_L1, QRgb{0x00FF00}},
    std::pair{"clYellow"_L1, QRgb{0xFFFF00}},
    std::pair{"clBlue"_L1, QRgb{0x0000FF}},
    std::pair{"clFuchsia"_L1, QRgb{0xFF00FF}},
    std::pair{"clAqua"_L1, QRgb{0x00FFFF}},
    std::pair{"clWhite"_L1, White},
    std::pair{"clLtGray"_L1, QRgb{0xC0C0C0}},
    std::pair{"clDkGray"_L1, QRgb{0x808080}},
    std::pair{"clMoneyGreen"_L1, QRgb{0xC0DCC0}},
    std::pair{"clSkyBlue"_L1, QRgb{0xA6CAF0}},
    std::pair{"clCream"_L1, QRgb{0xFFFBF0}},
    std::pair{"clMedGray"_L1, QRgb{0xA4A0A0}},
    std::pair{"clWindowText"_L1, Black},
    std::pair{"clWindow"_L1, White},
    std::pair{"clBtnFace"_L1, Face},
    std::pair{"clBtnText"_L1, Black},
    std::pair{"clMenu"_L1, Face},
    std::pair{"clMenuText"_L1, Black},
    std::pair{"clInfoBk"_L1, QRgb{0xFFFFE1}},
    std::pair{"clInfoText"_L1, Black},
    std::pair{"clHighlightText"_L1, White},
    std::pair{"clGrayText"_L1, QRgb{0x6D6D6D}},
};

// System colours by their index: the light backgrounds; every other one is a text or frame
// colour, black.
QRgb systemColor(quint32 index) {
    switch (index) {
    case 4:  // menu
    case 15: // button face
        return Face;
    case 5:  // window
    case 14: // highlighted text
        return White;
    case 24: // tool-tip background
        return 0xFFFFE1;
    default:
        return Black;
    }
}

} // namespace

QColor colorFromName(QStringView name) {
    for (const auto& [constant, rgb] : named) {
        if (name == constant)
            return QColor(rgb);
    }
    bool numeric = false;
    const qint64 value = name.toLongLong(&numeric);
    if (!numeric)
        return QColor(Black);
    const auto bits = static_cast<quint32>(value);
    if (bits & 0x80000000u)
        return QColor(systemColor(bits & 0xFFu));
    return QColor(qRgb(int(bits & 0xFF), int((bits >> 8) & 0xFF), int((bits >> 16) & 0xFF)));
}

} // namespace plataforma::relatorio
