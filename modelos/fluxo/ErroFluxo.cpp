#include "modelos/fluxo/ErroFluxo.h"

namespace fluxo {

ErroFluxo::ErroFluxo(QString mensagem, qsizetype posicao)
    : m_mensagem(std::move(mensagem)), m_posicao(posicao), m_utf8(m_mensagem.toUtf8()) {}

} // namespace fluxo
