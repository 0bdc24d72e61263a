#include "plataforma/relatorio/designer/UnitDisplay.h"

#include <QLocale>

namespace plataforma::relatorio {

using namespace Qt::StringLiterals;

UnitDisplay unitDisplay(Units units) {
    switch (units) {
    case Units::ScreenPixels:
        return {u"Pixels de tela"_s, u" px"_s, 0, 1};
    case Units::Inches:
        return {u"Polegadas"_s, u" pol"_s, 3, 0.01};
    case Units::Millimeters:
        return {u"Milímetros"_s, u" mm"_s, 3, 0.5};
    case Units::PrinterPixels:
        return {u"Pixels de impressora"_s, u" px"_s, 0, 1};
    case Units::MMThousandths:
        return {u"Milésimos de milímetro"_s, u" µm"_s, 0, 100};
    }
    Q_UNREACHABLE();
}

QString formatLength(int thousandths, Units units) {
    const UnitDisplay display = unitDisplay(units);
    const QLocale brazil(QLocale::Portuguese, QLocale::Brazil);
    QString number = brazil.toString(fromThousandths(thousandths, units), 'f', display.decimals);
    if (display.decimals > 0) {
        // "12,500" reads better as "12,5".
        while (number.endsWith(u'0'))
            number.chop(1);
        if (number.endsWith(brazil.decimalPoint()))
            number.chop(brazil.decimalPoint().size());
    }
    return number + display.suffix;
}

} // namespace plataforma::relatorio
