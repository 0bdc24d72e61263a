#include "BuscaProduto.h"

#include "TabelaProdutos.h"
#include "util/Numeros.h"

namespace lista {

namespace {

// Blanks and control characters, the ones that surround a typed text.
QStringView aparado(QStringView texto) {
    while (!texto.isEmpty() && texto.front().unicode() < 33)
        texto = texto.sliced(1);
    while (!texto.isEmpty() && texto.back().unicode() < 33)
        texto.chop(1);
    return texto;
}

} // namespace

std::optional<ChaveBusca> ChaveDeBusca(const QString& texto) {
    using Opcao = plataforma::MemTable::LocateOption;
    // Bar codes are matched whole, leading zeros included: a scanned code is
    // never a prefix of the product wanted.
    if (util::EhNumerico(texto))
        return ChaveBusca{CBARRAS, util::SomenteNumeros(texto), {}};
    const QStringView descricao = aparado(texto);
    if (descricao.isEmpty())
        return std::nullopt;
    return ChaveBusca{CDESCRICAO, descricao.toString(), Opcao::CaseInsensitive | Opcao::PartialKey};
}

ResultadoBusca BuscarProduto(plataforma::MemTable& MemTable2, const QString& texto) {
    MemTable2.first();
    const std::optional<ChaveBusca> chave = ChaveDeBusca(texto);
    if (!chave)
        return ResultadoBusca::NadaABuscar;
    return MemTable2.locate(chave->campo, chave->valor, chave->opcoes)
               ? ResultadoBusca::Encontrado
               : ResultadoBusca::NaoEncontrado;
}

} // namespace lista
