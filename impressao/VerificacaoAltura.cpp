#include "impressao/VerificacaoAltura.h"

#include "plataforma/Exception.h"

namespace impressao {

using namespace plataforma::relatorio;

QString TextoAlertaAltura() {
    const QStringView entre = u"\r\n\r\n";
    QString texto = AlertaFalha.toString();
    texto.append(entre).append(AlertaExcede).append(entre).append(AlertaPergunta);
    return texto;
}

void VerificarAlturaDoCabecalho(Report& relatorio, const PerguntaAutoajuste& perguntar) {
    std::optional<Band> cabecalho = relatorio.band(BandKind::ColumnHeader);
    if (!cabecalho)
        return;
    if (relatorio.printerSetup().paperHeight() - cabecalho->height() >= FolgaDaPagina)
        return;
    switch (perguntar()) {
    case RespostaAutoajuste::Sim:
        cabecalho->setHeight(relatorio.printerSetup().paperHeight() - FolgaDaPagina);
        break;
    case RespostaAutoajuste::Nao:
        throw plataforma::SilentAbort();
    case RespostaAutoajuste::Outra:
        break;
    }
}

} // namespace impressao
