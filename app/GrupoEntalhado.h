#pragma once

#include <QGroupBox>

// A group box whose etched frame runs through the middle of its title, so
// that controls placed just below the title sit inside the frame whatever
// the widget style does with group boxes.
class GrupoEntalhado : public QGroupBox {
    Q_OBJECT

public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};
