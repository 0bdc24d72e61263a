#include "cli/Lote.h"

#include "cli/Saida.h"
#include "impressao/GerarEtiquetas.h"
#include "lista/CarregarLista.h"
#include "lista/TabelaProdutos.h"
#include "plataforma/Errors.h"

using namespace Qt::StringLiterals;

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

bool carregarLista(plataforma::MemTable& MemTable2, const QString& arquivo, QDate hoje) {
    try {
        lista::CarregarLista(MemTable2, arquivo, hoje);
    } catch (const plataforma::IoError& erro) {
        // The window's message is the code alone; a script needs to know why.
        const QString motivo = erro.reason().isEmpty() ? QString() : u" (%1)"_s.arg(erro.reason());
        imprimirErro(u"%1: %2%3\n"_s.arg(arquivo, erro.message(), motivo));
        return false;
    } catch (const plataforma::Exception& erro) {
        imprimirErro(u"%1: %2\n"_s.arg(arquivo, erro.message()));
        return false;
    }
    return true;
}

bool montarLote(const QString& arquivo, plataforma::Date hoje, plataforma::MemTable& MemTable3) {
    plataforma::MemTable MemTable2(QStringLiteral("MemTable2"));
    lista::DefinirCamposProdutos(MemTable2);
    if (!carregarLista(MemTable2, arquivo, hoje.toQDate()))
        return false;
    try {
        impressao::GerarEtiquetas(MemTable2, MemTable3, hoje);
    } catch (const plataforma::Exception& erro) {
        imprimirErro(erro.message() + u'\n');
        return false;
    }
    return true;
}
