#pragma once

#include <QSpinBox>

namespace plataforma {

// An integer spin box whose value is read from the text the operator left in
// it: a text that is no whole number reads as the minimum, and a number
// outside the range is brought into it.
class SpinEdit : public QSpinBox {
    Q_OBJECT

public:
    explicit SpinEdit(QWidget* parent = nullptr);

    void setMaxLength(int characters);
    int currentValue() const;
};

} // namespace plataforma
