#include "cli/Opcoes.h"

#include "cli/Saida.h"

std::optional<Opcoes> lerOpcoes(const QStringList& argumentos, const QStringList& comValor,
                                const QStringList& semValor) {
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
        if (semValor.contains(argumento)) {
            opcoes.chaves.insert(argumento);
        } else if (!comValor.contains(argumento)) {
            imprimirErro(QStringLiteral("Opção desconhecida: %1\n").arg(argumento));
            return std::nullopt;
        } else if (i + 1 == argumentos.size()) {
            imprimirErro(QStringLiteral("Falta o valor da opção %1.\n").arg(argumento));
            return std::nullopt;
        } else {
            opcoes.valores.insert(argumento, argumentos[++i]);
        }
    }
    return opcoes;
}
