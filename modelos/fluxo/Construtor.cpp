#include "modelos/fluxo/Construtor.h"

#include "modelos/fluxo/Esquema.h"

namespace fluxo {

namespace {

// Sets properties through the class schema, one after another.
class Montagem {
public:
    Montagem(const QString& classe, const QString& nome) { m_objeto = {classe, nome, {}, {}, {}}; }

    Montagem& inteiro(const char* propriedade, qint64 numero) {
        return com(propriedade, Valor::inteiro(numero));
    }
    Montagem& texto(const char* propriedade, const QString& texto) {
        return com(propriedade, Valor::texto(texto));
    }
    Montagem& nome(const char* propriedade, const QString& nome) {
        return com(propriedade, Valor::identificador(nome));
    }
    Montagem& booleano(const char* propriedade, bool verdade) {
        return com(propriedade, Valor::booleano(verdade));
    }
    Montagem& com(const char* propriedade, const Valor& valor) {
        definir(m_objeto, QLatin1StringView(propriedade), valor);
        return *this;
    }

    Montagem& usuario(const QString& nomeDoObjeto) {
        return texto("UserName", nomeDoObjeto.startsWith(QLatin1StringView("pp"))
                                     ? nomeDoObjeto.mid(2)
                                     : nomeDoObjeto);
    }
    Montagem& pipeline(const QString& pipeline) { return nome("DataPipeline", pipeline); }
    Montagem& nomeDoPipeline(const QString& pipeline) {
        return texto("DataPipelineName", pipeline);
    }
    Montagem& fonte(const Fonte& fonte);
    Montagem& caixa(const Caixa& caixa, int tipoDeBanda) {
        return inteiro("mmHeight", caixa.altura)
            .inteiro("mmLeft", caixa.esquerda)
            .inteiro("mmTop", caixa.topo)
            .inteiro("mmWidth", caixa.largura)
            .inteiro("BandType", tipoDeBanda);
    }

    Objeto objeto() { return std::move(m_objeto); }

private:
    Objeto m_objeto;
};

Montagem& Montagem::fonte(const Fonte& fonte) {
    const std::pair<bool, const char*> membros[] = {{fonte.negrito, "fsBold"},
                                                    {fonte.italico, "fsItalic"},
                                                    {fonte.sublinhado, "fsUnderline"},
                                                    {fonte.riscado, "fsStrikeOut"}};
    QStringList estilo;
    for (const auto& [ligado, membro] : membros) {
        if (ligado) {
            estilo.append(QLatin1StringView(membro));
        }
    }
    return nome("Font.Charset", fonte.conjuntoDeCaracteres)
        .nome("Font.Color", fonte.cor)
        .texto("Font.Name", fonte.nome)
        .inteiro("Font.Size", fonte.tamanho)
        .com("Font.Style", Valor::conjunto(estilo));
}

Objeto montarControle(const TextoDeDados& t) {
    return Montagem(QStringLiteral("TppDBText"), t.nome)
        .usuario(t.nome)
        .booleano("AutoSize", t.tamanhoAutomatico)
        .texto("DataField", t.campo)
        .pipeline(t.pipeline)
        .texto("DisplayFormat", t.formato)
        .fonte(t.fonte)
        .nome("TextAlignment", t.alinhamento)
        .booleano("Transparent", t.transparente)
        .booleano("WordWrap", t.quebraDeLinha)
        .nomeDoPipeline(t.pipeline)
        .caixa(t.caixa, t.tipoDeBanda)
        .objeto();
}

Objeto montarControle(const CodigoDeBarras& c) {
    return Montagem(QStringLiteral("TppDBBarCode"), c.nome)
        .usuario(c.nome)
        .booleano("AutoEncode", c.codificacaoAutomatica)
        .nome("BarCodeType", c.tipo)
        .nome("BarColor", c.corDasBarras)
        .booleano("CalcCheckDigit", c.calcularDigito)
        .texto("DataField", c.campo)
        .pipeline(c.pipeline)
        .booleano("AutoSize", c.tamanhoAutomatico)
        .fonte(c.fonte)
        .booleano("Transparent", c.transparente)
        .nomeDoPipeline(c.pipeline)
        .caixa(c.caixa, c.tipoDeBanda)
        .inteiro("mmBarWidth", c.larguraDaBarra)
        .inteiro("mmWideBarRatio", c.razaoDaBarraLarga)
        .objeto();
}

Objeto montarControle(const Rotulo& r) {
    return Montagem(QStringLiteral("TppLabel"), r.nome)
        .usuario(r.nome)
        .booleano("AutoSize", r.tamanhoAutomatico)
        .texto("Caption", r.legenda)
        .fonte(r.fonte)
        .nome("TextAlignment", r.alinhamento)
        .booleano("Transparent", r.transparente)
        .booleano("WordWrap", r.quebraDeLinha)
        .caixa(r.caixa, r.tipoDeBanda)
        .objeto();
}

Objeto montarControle(const Forma& f) {
    return Montagem(QStringLiteral("TppShape"), f.nome)
        .usuario(f.nome)
        .caixa(f.caixa, f.tipoDeBanda)
        .objeto();
}

// The picture block names the picture's class before the file itself.
QByteArray dadosDePng(const QByteArray& png) {
    const QByteArray classe = QByteArrayLiteral("TPNGObject");
    return static_cast<char>(classe.size()) + classe + png;
}

Objeto montarControle(const Imagem& i) {
    return Montagem(QStringLiteral("TppImage"), i.nome)
        .usuario(i.nome)
        .booleano("MaintainAspectRatio", i.manterProporcao)
        .booleano("Stretch", i.esticar)
        .com("Picture.Data", Valor::bloco(dadosDePng(i.png)))
        .caixa(i.caixa, i.tipoDeBanda)
        .objeto();
}

Objeto montarControle(const Linha& l) {
    return Montagem(QStringLiteral("TppLine"), l.nome)
        .usuario(l.nome)
        .nome("Pen.Color", l.corDaCaneta)
        .nome("Position", l.posicao)
        .com("Weight", Valor::simples(l.espessura))
        .caixa(l.caixa, l.tipoDeBanda)
        .objeto();
}

struct NomesDeBanda {
    const char* classe;
    const char* objeto;
};

NomesDeBanda nomesDe(TipoDeBanda tipo) {
    switch (tipo) {
    case TipoDeBanda::Cabecalho:
        return {"TppHeaderBand", "ppHeaderBand1"};
    case TipoDeBanda::CabecalhoDeColuna:
        return {"TppColumnHeaderBand", "ppColumnHeaderBand1"};
    case TipoDeBanda::Detalhe:
        return {"TppDetailBand", "ppDetailBand1"};
    case TipoDeBanda::RodapeDeColuna:
        return {"TppColumnFooterBand", "ppColumnFooterBand1"};
    case TipoDeBanda::Rodape:
        return {"TppFooterBand", "ppFooterBand1"};
    }
    Q_UNREACHABLE();
}

} // namespace

Objeto montar(const Controle& controle) {
    return std::visit([](const auto& c) { return montarControle(c); }, controle);
}

Objeto montar(const Banda& banda) {
    const NomesDeBanda nomes = nomesDe(banda.tipo);
    Montagem montagem(QLatin1StringView(nomes.classe), QLatin1StringView(nomes.objeto));
    if (banda.tipo == TipoDeBanda::Detalhe) {
        montagem.nome("ColumnTraversal", banda.percursoDasColunas);
    }
    Objeto objeto = montagem.inteiro("mmBottomOffset", banda.deslocamentoInferior)
                        .inteiro("mmHeight", banda.altura)
                        .inteiro("mmPrintPosition", banda.posicaoDeImpressao)
                        .objeto();
    for (const Controle& controle : banda.controles) {
        objeto.filhos.push_back(montar(controle));
    }
    return objeto;
}

Objeto montar(const Relatorio& r) {
    std::vector<Valor> posicoes;
    for (int posicao : r.posicoesDasColunas) {
        posicoes.push_back(Valor::texto(QString::number(posicao)));
    }
    const Pagina& p = r.pagina;
    Objeto objeto = Montagem(QStringLiteral("TppReport"), r.nome)
                        .booleano("AutoStop", r.pararSozinho)
                        .inteiro("Columns", r.colunas)
                        .com("ColumnPositions.Strings", Valor::lista(std::move(posicoes)))
                        .pipeline(r.pipeline)
                        .texto("PrinterSetup.BinName", p.bandeja)
                        .booleano("PrinterSetup.Collation", p.agrupar)
                        .texto("PrinterSetup.DocumentName", p.documento)
                        .nome("PrinterSetup.Orientation", p.orientacao)
                        .texto("PrinterSetup.PaperName", p.papel)
                        .texto("PrinterSetup.PrinterName", p.impressora)
                        .inteiro("PrinterSetup.mmMarginBottom", p.margemInferior)
                        .inteiro("PrinterSetup.mmMarginLeft", p.margemEsquerda)
                        .inteiro("PrinterSetup.mmMarginRight", p.margemDireita)
                        .inteiro("PrinterSetup.mmMarginTop", p.margemSuperior)
                        .inteiro("PrinterSetup.mmPaperHeight", p.altura)
                        .inteiro("PrinterSetup.mmPaperWidth", p.largura)
                        .inteiro("PrinterSetup.PaperSize", p.codigoDoPapel)
                        .texto("Template.FileName", r.arquivoDoModelo)
                        .nome("Units", r.unidade)
                        .texto("DeviceType", r.dispositivo)
                        .nome("Language", r.idioma)
                        .nome("OnPageRequest", r.aoPedirPagina)
                        .booleano("OutlineSettings.CreateNode", r.estruturaCriaNo)
                        .booleano("OutlineSettings.CreatePageNodes", r.estruturaCriaNosDePagina)
                        .booleano("OutlineSettings.Enabled", r.estruturaAtiva)
                        .inteiro("Left", r.esquerda)
                        .inteiro("Top", r.topo)
                        .texto("Version", r.versao)
                        .inteiro("mmColumnWidth", r.larguraDaColuna)
                        .nomeDoPipeline(r.pipeline)
                        .objeto();
    for (const Banda& banda : r.bandas) {
        objeto.filhos.push_back(montar(banda));
    }
    return objeto;
}

} // namespace fluxo
