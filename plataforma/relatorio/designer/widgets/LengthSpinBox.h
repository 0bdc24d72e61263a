#pragma once

#include <QDoubleSpinBox>

namespace plataforma::relatorio {

// A spin box for a length, which shows no trailing zeros ("12,5 mm", not "12,500 mm") and
// commits its value when the operator is done typing, not at each key.
class LengthSpinBox : public QDoubleSpinBox {
    Q_OBJECT

public:
    explicit LengthSpinBox(QWidget* parent = nullptr);

    QString textFromValue(double value) const override;
};

} // namespace plataforma::relatorio
