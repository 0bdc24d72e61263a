// etiquetas-cli imprimir ARQUIVO --modelo ID|ARQUIVO.rtm (--pdf SAIDA.pdf | --impressora NOME)
//     [--resolucao DPI] [--hoje DD/MM/AAAA] [--autoajuste]
// Builds the label batch of a product list and prints it with a label template, as the designer
// prints it once the operator has opened that template. Each problem the run finds is one line
// on standard error, its fields separated by tabs: page, row and column of the label on the
// page, product code, control, problem; the exit status is then SaidaProblemas.
#include "cli/Comandos.h"
#include "cli/Lote.h"
#include "cli/Saida.h"
#include "impressao/ModeloNoRelatorio.h"
#include "impressao/ObjetosRelatorio.h"
#include "impressao/VerificacaoAltura.h"
#include "plataforma/Exception.h"
#include "plataforma/relatorio/PdfOutput.h"
#include "plataforma/relatorio/PrinterOutput.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace {

using namespace Qt::StringLiterals;
using plataforma::relatorio::Report;
using plataforma::relatorio::RunSummary;

// A whole number names a built-in template; anything else is a template file. False, after
// saying why, for a number without a template.
bool carregarModelo(Report& ppReport1, const QString& modelo) {
    bool numero = false;
    const int id = modelo.toInt(&numero);
    if (!numero) {
        ppReport1.loadFromFile(modelo);
        return true;
    }
    if (id < impressao::PrimeiroModelo || id > impressao::UltimoModelo) {
        imprimirErro(u"Modelo inexistente: \"%1\". Os modelos vão de %2 a %3.\n"_s.arg(modelo)
                         .arg(impressao::PrimeiroModelo)
                         .arg(impressao::UltimoModelo));
        return false;
    }
    impressao::CarregarModeloEmbutido(ppReport1, id);
    return true;
}

// No one is there to answer the box: the operator chose beforehand with --autoajuste.
impressao::PerguntaAutoajuste perguntaDaLinhaDeComando(bool autoajuste) {
    return [autoajuste] {
        if (autoajuste)
            return impressao::RespostaAutoajuste::Sim;
        imprimirErro(u"%1\n\n%2\nUse --autoajuste para aplicar o ajuste automático.\n"_s.arg(
            impressao::AlertaFalha, impressao::AlertaExcede));
        return impressao::RespostaAutoajuste::Nao;
    };
}

plataforma::relatorio::PrintJob imprimirNaImpressora(Report& ppReport1, const QString& nome) {
    const QPrinterInfo impressora = QPrinterInfo::printerInfo(nome);
    if (impressora.isNull())
        throw plataforma::Exception(u"Impressora não encontrada: \"%1\"."_s.arg(nome));
    QPrinter printer(QPrinter::HighResolution);
    plataforma::relatorio::configurePrinter(ppReport1, printer);
    // The operator's choice over the printer the template names.
    printer.setPrinterName(impressora.printerName());
    return plataforma::relatorio::printJob(ppReport1, printer);
}

// Counted from 1; empty for a problem that concerns no single label.
QString posicao(int indice) {
    return indice < 0 ? QString() : QString::number(indice + 1);
}

// A field of a problem's line: a template's names could hold a tab or a line break.
QString campo(QString texto) {
    return texto.replace(u'\t', u' ').replace(u'\n', u' ').replace(u'\r', u' ');
}

QString linhaDoProblema(const plataforma::relatorio::Problem& problema) {
    const plataforma::relatorio::LabelPosition& etiqueta = problema.label;
    return QStringList{posicao(etiqueta.page),   posicao(etiqueta.row),
                       posicao(etiqueta.column), campo(problema.productCode),
                       campo(problema.control),  campo(problema.reason)}
               .join(u'\t') +
           u'\n';
}

int relatar(const RunSummary& resumo, int etiquetas) {
    for (const plataforma::relatorio::Problem& problema : resumo.problems)
        imprimirNoErro(linhaDoProblema(problema));
    imprimir(u"Etiquetas: %1. Páginas: %2.\n"_s.arg(etiquetas).arg(resumo.pages));
    return resumo.problems.empty() ? SaidaOk : SaidaProblemas;
}

// The printer resolution a PDF is made for: --resolucao, a whole number of dots per inch, or 0
// without it. Nothing, after saying why, for any other value.
std::optional<int> lerResolucao(const Opcoes& opcoes) {
    constexpr int Maxima = 4800;
    if (!opcoes.valores.contains(u"--resolucao"_s))
        return 0;
    const QString texto = opcoes.valores.value(u"--resolucao"_s);
    bool numero = false;
    const int dpi = texto.toInt(&numero);
    if (numero && dpi > 0 && dpi <= Maxima)
        return dpi;
    imprimirErro(u"Resolução inválida em --resolucao: \"%1\" (use pontos por polegada, de 1 a "
                 u"%2).\n"_s.arg(texto)
                     .arg(Maxima));
    return std::nullopt;
}

int imprimirEtiquetas(Report& ppReport1, const Opcoes& opcoes, int etiquetas, int resolucao) {
    const QString pdf = opcoes.valores.value(u"--pdf"_s);
    if (!pdf.isEmpty())
        return relatar(plataforma::relatorio::writePdf(ppReport1, pdf, resolucao), etiquetas);
    const QString fila = opcoes.valores.value(u"--impressora"_s);
    const plataforma::relatorio::PrintJob trabalho = imprimirNaImpressora(ppReport1, fila);
    if (!trabalho.warning.isEmpty())
        imprimirErro(trabalho.warning + u'\n');
    const int saida = relatar(trabalho.summary, etiquetas);
    if (trabalho.id != 0)
        imprimir(plataforma::relatorio::describeJob(trabalho) + u'\n');
    return saida;
}

bool usoValido(const std::optional<Opcoes>& opcoes) {
    // A printer prints at its own resolution.
    return opcoes && opcoes->posicionais.size() == 1 && opcoes->valores.contains(u"--modelo"_s) &&
           opcoes->valores.contains(u"--pdf"_s) != opcoes->valores.contains(u"--impressora"_s) &&
           !(opcoes->valores.contains(u"--impressora"_s) &&
             opcoes->valores.contains(u"--resolucao"_s));
}

} // namespace

int ComandoImprimir(const QStringList& argumentos) {
    const std::optional<Opcoes> opcoes = lerOpcoes(argumentos, opcoesDe(u"imprimir"));
    if (!usoValido(opcoes))
        return SaidaUsoIncorreto;
    const std::optional<int> resolucao = lerResolucao(*opcoes);
    if (!resolucao)
        return SaidaUsoIncorreto;
    const std::optional<plataforma::Date> hoje = lerHoje(*opcoes);
    if (!hoje)
        return SaidaUsoIncorreto;
    impressao::ObjetosRelatorio objetos;
    objetos.publicar(
        u"ppReport1PageRequest"_s,
        [pergunta = perguntaDaLinhaDeComando(opcoes->chaves.contains(u"--autoajuste"_s))](
            Report& relatorio) { impressao::VerificarAlturaDoCabecalho(relatorio, pergunta); });
    try {
        if (!carregarModelo(objetos.ppReport1(), opcoes->valores.value(u"--modelo"_s)))
            return SaidaUsoIncorreto;
        if (!montarLote(opcoes->posicionais[0], *hoje, objetos.MemTable3()))
            return SaidaFalha;
        if (objetos.MemTable3().isEmpty()) {
            imprimirErro(u"Defina as quantidades de etiquetas a serem impressas.\n"_s);
            return SaidaFalha;
        }
        return imprimirEtiquetas(objetos.ppReport1(), *opcoes, objetos.MemTable3().rowCount(),
                                 *resolucao);
    } catch (const plataforma::SilentAbort&) {
        return SaidaFalha;
    } catch (const plataforma::Exception& erro) {
        imprimirErro(erro.message() + u'\n');
        return SaidaFalha;
    }
}
