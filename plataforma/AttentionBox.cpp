#include "AttentionBox.h"

#include <QMessageBox>

namespace plataforma {

void showAttention(QWidget* owner, const QString& text) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Atenção"), text, QMessageBox::Ok,
                    owner);
    box.exec();
}

} // namespace plataforma
