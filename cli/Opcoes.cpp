#include "cli/Opcoes.h"

#include "cli/Saida.h"

#include <QLatin1StringView>

namespace {

const Opcao* acharOpcao(std::span<const Opcao> conhecidas, const QString& nome) {
    for (const Opcao& opcao : conhecidas) {
        if (nome == QLatin1StringView(opcao.nome))
            return &opcao;
    }
    return nullptr;
}

} // namespace

std::optional<Opcoes> lerOpcoes(const QStringList& argumentos, std::span<const Opcao> conhecidas) {
    Opcoes opcoes;
    for (qsizetype i = 0; i < argumentos.size(); ++i) {
        const QString& argumento = argumentos[i];
        if (!argumento.startsWith(u"--")) {
            opcoes.posicionais << argumento;
            continue;
        }
        if (opcoes.valores.contains(argumento) || opcoes.chaves.contains(argumento)) {
            imprimirErro(QStringLiteral("A opção %1 foi dada mais de uma vez.\n").arg(argumento));
            return std::nullopt;
        }
        const Opcao* opcao = acharOpcao(conhecidas, argumento);
        if (!opcao) {
            imprimirErro(QStringLiteral("Opção desconhecida: %1\n").arg(argumento));
            return std::nullopt;
        }
        if (!opcao->valor) {
            opcoes.chaves.insert(argumento);
        } else if (i + 1 == argumentos.size()) {
            imprimirErro(QStringLiteral("Falta o valor da opção %1.\n").arg(argumento));
            return std::nullopt;
        } else {
            opcoes.valores.insert(argumento, argumentos[++i]);
        }
    }
    return opcoes;
}
