#include "cli/Lote.h"

#include "cli/Saida.h"
#include "impressao/GerarEtiquetas.h"
#include "lista/CarregarLista.h"
#include "lista/TabelaProdutos.h"
#include "plataforma/Exception.h"

std::optional<plataforma::Date> lerHoje(const Opcoes& opcoes) {
    const QString texto = opcoes.valores.value(QStringLiteral("--hoje"));
    if (texto.isEmpty())
        return plataforma::Date::today();
    const std::optional<plataforma::Date> hoje =
        plataforma::Date::fromQDate(QDate::fromString(texto, QStringLiteral("dd/MM/yyyy")));
    if (!hoje)
        imprimirErro(
            QStringLiteral("Data inválida em --hoje: \"%1\" (use DD/MM/AAAA).\n").arg(texto));
    return hoje;
}

bool montarLote(const QString& arquivo, plataforma::Date hoje, plataforma::MemTable& MemTable3) {
    plataforma::MemTable MemTable2(QStringLiteral("MemTable2"));
    lista::DefinirCamposProdutos(MemTable2);
    try {
        lista::CarregarLista(MemTable2, arquivo, hoje.toQDate());
    } catch (const plataforma::Exception& erro) {
        imprimirErro(QStringLiteral("%1: %2\n").arg(arquivo, erro.message()));
        return false;
    }
    try {
        impressao::GerarEtiquetas(MemTable2, MemTable3, hoje);
    } catch (const plataforma::Exception& erro) {
        imprimirErro(erro.message() + u'\n');
        return false;
    }
    return true;
}
