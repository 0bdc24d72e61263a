#include "plataforma/relatorio/designer/widgets/LengthSpinBox.h"

namespace plataforma::relatorio {

LengthSpinBox::LengthSpinBox(QWidget* parent) : QDoubleSpinBox(parent) {
    setKeyboardTracking(false);
}

QString LengthSpinBox::textFromValue(double value) const {
    QString text = locale().toString(value, 'f', decimals());
    const QString point = locale().decimalPoint();
    if (decimals() > 0 && text.contains(point)) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(point))
            text.chop(point.size());
    }
    return text;
}

} // namespace plataforma::relatorio
