#pragma once

#include "impressao/VerificacaoAltura.h"

class QWidget;

namespace impressao {

// The "Alerta" box of the page-height check, owned by dono: warning icon, Yes and No, Yes
// pressed by Enter. Waits for the operator.
RespostaAutoajuste PerguntarAutoajuste(QWidget* dono);

} // namespace impressao
