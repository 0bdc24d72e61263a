#pragma once

#include <QLineEdit>

namespace plataforma {

// A line editor for an integer cell: takes only the digits and the two signs,
// and beeps at any other character.
class IntegerEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit IntegerEdit(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace plataforma
