// etiquetas-cli modelo ID ARQUIVO: writes a built-in template as the
// catalogue's "Salvar" does, without asking before replacing a file.
// etiquetas-cli modelo --texto ARQUIVO: shows what a template file holds.
#include "cli/Comandos.h"
#include "cli/Opcoes.h"
#include "cli/Saida.h"
#include "modelos/SalvarModelo.h"
#include "modelos/fluxo/Descricao.h"
#include "modelos/fluxo/Leitor.h"
#include "plataforma/Exception.h"
#include "plataforma/relatorio/TemplateFile.h"

#include <QFile>

namespace {

constexpr int PrimeiroModelo = 1;
constexpr int UltimoModelo = 23;

int mostrarArquivo(const QString& nome) {
    QFile arquivo(nome);
    if (!arquivo.open(QIODevice::ReadOnly)) {
        imprimirErro(
            QStringLiteral("Não foi possível abrir \"%1\": %2\n").arg(nome, arquivo.errorString()));
        return SaidaFalha;
    }
    try {
        const QByteArray bytes = plataforma::relatorio::readTemplateBytes(arquivo, nome);
        imprimir(fluxo::descrever(fluxo::lerFluxo(bytes)));
    } catch (const fluxo::ErroFluxo& erro) {
        imprimirErro(erro.mensagem() + u'\n');
        return SaidaFalha;
    } catch (const plataforma::Exception& erro) {
        imprimirErro(erro.message() + u'\n');
        return SaidaFalha;
    }
    return SaidaOk;
}

int salvar(const QString& id, const QString& arquivo) {
    bool numero = false;
    const int modelo = id.toInt(&numero);
    if (!numero || modelo < PrimeiroModelo || modelo > UltimoModelo) {
        imprimirErro(QStringLiteral("Modelo inexistente: \"%1\". Os modelos vão de %2 a %3.\n")
                         .arg(id)
                         .arg(PrimeiroModelo)
                         .arg(UltimoModelo));
        return SaidaUsoIncorreto;
    }
    try {
        modelos::SalvarModelo(modelo, arquivo);
    } catch (const plataforma::Exception& erro) {
        imprimirErro(erro.message() + u'\n');
        return SaidaFalha;
    }
    return SaidaOk;
}

} // namespace

int ComandoModelo(const QStringList& argumentos) {
    const std::optional<Opcoes> opcoes = lerOpcoes(argumentos, opcoesDe(u"modelo"));
    if (!opcoes)
        return SaidaUsoIncorreto;
    const QStringList& posicionais = opcoes->posicionais;
    if (opcoes->chaves.contains(QStringLiteral("--texto")))
        return posicionais.size() == 1 ? mostrarArquivo(posicionais[0]) : SaidaUsoIncorreto;
    return posicionais.size() == 2 ? salvar(posicionais[0], posicionais[1]) : SaidaUsoIncorreto;
}
