#include "Confirma.h"

#include <QApplication>
#include <QMessageBox>

namespace util {

bool Confirma(const QString& pergunta, bool simPadrao, const QString& titulo) {
    QMessageBox caixa(QMessageBox::Question, titulo, pergunta, QMessageBox::Yes | QMessageBox::No,
                      QApplication::activeWindow());
    caixa.setDefaultButton(simPadrao ? QMessageBox::Yes : QMessageBox::No);
    return caixa.exec() == QMessageBox::Yes;
}

} // namespace util
