#include "SpinEdit.h"

#include "WholeNumber.h"

#include <QLineEdit>
#include <algorithm>

namespace plataforma {

SpinEdit::SpinEdit(QWidget* parent) : QSpinBox(parent) {}

void SpinEdit::setMaxLength(int characters) {
    lineEdit()->setMaxLength(characters);
}

int SpinEdit::currentValue() const {
    const std::optional<qint32> typed = parseInt32(text());
    if (!typed)
        return minimum();
    return std::clamp(*typed, minimum(), maximum());
}

} // namespace plataforma
