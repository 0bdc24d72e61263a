#pragma once

#include "plataforma/relatorio/Report.h"

#include <QStringView>
#include <functional>

namespace impressao {

// What the operator answered when asked to shrink the column header band.
enum class RespostaAutoajuste { Sim, Nao, Outra };
using PerguntaAutoajuste = std::function<RespostaAutoajuste()>;

// The room, in the report's units, that the column header band must leave on the paper.
inline constexpr float FolgaDaPagina = 3;

inline constexpr QStringView AlertaFalha = u"Falha na impressão.";
inline constexpr QStringView AlertaExcede =
    u"O tamanho do conteúdo a ser impresso excede a altura da página. Favor verifique o "
    u"posicionamento dos componentes ou aplique o ajuste automático.";
inline constexpr QStringView AlertaPergunta = u"Deseja aplicar o autoajuste?";

// The three paragraphs of the question, an empty line between each two.
QString TextoAlertaAltura();

// Runs before every page of the report: when its column header band leaves less than
// FolgaDaPagina of the paper's height, asks. Yes shrinks the band to the paper's height minus
// FolgaDaPagina and the page goes on; No throws plataforma::SilentAbort, which abandons the run
// and leaves the layout as it was. A report without a column header band is never asked about.
void VerificarAlturaDoCabecalho(plataforma::relatorio::Report& relatorio,
                                const PerguntaAutoajuste& perguntar);

} // namespace impressao
