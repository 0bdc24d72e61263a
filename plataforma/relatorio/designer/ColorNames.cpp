#include "plataforma/relatorio/designer/ColorNames.h"

#include "plataforma/relatorio/Colors.h"

#include <array>

namespace plataforma::relatorio {

using namespace Qt::StringLiterals;

QString colorName(const QColor& color) {
    static constexpr std::array constants{
        "clBlack"_L1, "clMaroon"_L1,  "clGreen"_L1,  "clOlive"_L1, "clNavy"_L1, "clPurple"_L1,
        "clTeal"_L1,  "clGray"_L1,    "clSilver"_L1, "clRed"_L1,   "clLime"_L1, "clYellow"_L1,
        "clBlue"_L1,  "clFuchsia"_L1, "clAqua"_L1,   "clWhite"_L1};
    const QColor opaque = QColor(color.rgb());
    for (QLatin1StringView name : constants) {
        if (colorFromName(QString(name)) == opaque)
            return name;
    }
    return QString::number(opaque.red() | opaque.green() << 8 | opaque.blue() << 16);
}

} // namespace plataforma::relatorio
