#include "impressao/CaixaAutoajuste.h"

#include <QMessageBox>

namespace impressao {

RespostaAutoajuste PerguntarAutoajuste(QWidget* dono) {
    QMessageBox caixa(QMessageBox::Warning, QStringLiteral("Alerta"), TextoAlertaAltura(),
                      QMessageBox::Yes | QMessageBox::No, dono);
    caixa.setDefaultButton(QMessageBox::Yes);
    switch (caixa.exec()) {
    case QMessageBox::Yes:
        return RespostaAutoajuste::Sim;
    case QMessageBox::No:
        return RespostaAutoajuste::Nao;
    default:
        return RespostaAutoajuste::Outra;
    }
}

} // namespace impressao
