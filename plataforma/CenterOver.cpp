#include "CenterOver.h"

#include <QScreen>
#include <QWidget>

namespace plataforma {

void centerOver(QWidget& window, const QWidget* over) {
    const QRect area = over ? over->geometry() : window.screen()->availableGeometry();
    window.setGeometry(window.rect().translated(area.center() - window.rect().center()));
}

} // namespace plataforma
