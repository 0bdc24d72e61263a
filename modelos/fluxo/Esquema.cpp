#include "modelos/fluxo/Esquema.h"

#include <algorithm>
#include <stdexcept>

namespace fluxo {

namespace {

using Campos = std::vector<Campo>;

// Written whenever it is set.
Campo sempre(const char* nome, Tipo tipo) {
    return {QLatin1StringView(nome), tipo, std::nullopt};
}

// Written only while it differs from the default.
Campo excetoSe(const char* nome, const Valor& padrao) {
    return {QLatin1StringView(nome), padrao.tipo(), padrao};
}

Campos juntar(std::initializer_list<Campos> partes) {
    Campos todos;
    for (const Campos& parte : partes) {
        todos.insert(todos.end(), parte.begin(), parte.end());
    }
    return todos;
}

Valor falso() {
    return Valor::booleano(false);
}
Valor verdadeiro() {
    return Valor::booleano(true);
}
Valor semTexto() {
    return Valor::texto(QString());
}
Valor semNome() {
    return Valor::identificador(QString());
}
Valor alinhadoEsquerda() {
    return Valor::identificador(QStringLiteral("taLeftJustified"));
}

Campos fonte() {
    return {sempre("Font.Charset", Tipo::Identificador), sempre("Font.Color", Tipo::Identificador),
            sempre("Font.Name", Tipo::Texto), sempre("Font.Size", Tipo::Inteiro),
            sempre("Font.Style", Tipo::Conjunto)};
}

Campos geometria() {
    return {sempre("mmHeight", Tipo::Inteiro), sempre("mmLeft", Tipo::Inteiro),
            sempre("mmTop", Tipo::Inteiro), sempre("mmWidth", Tipo::Inteiro),
            sempre("BandType", Tipo::Inteiro)};
}

Campos relatorio() {
    return {
        excetoSe("AutoStop", verdadeiro()),
        excetoSe("Columns", Valor::inteiro(1)),
        excetoSe("ColumnPositions.Strings", Valor::lista({})),
        excetoSe("DataPipeline", semNome()),
        sempre("PrinterSetup.BinName", Tipo::Texto),
        excetoSe("PrinterSetup.Collation", verdadeiro()),
        sempre("PrinterSetup.DocumentName", Tipo::Texto),
        excetoSe("PrinterSetup.Orientation", Valor::identificador(QStringLiteral("poPortrait"))),
        sempre("PrinterSetup.PaperName", Tipo::Texto),
        sempre("PrinterSetup.PrinterName", Tipo::Texto),
        sempre("PrinterSetup.mmMarginBottom", Tipo::Inteiro),
        sempre("PrinterSetup.mmMarginLeft", Tipo::Inteiro),
        sempre("PrinterSetup.mmMarginRight", Tipo::Inteiro),
        sempre("PrinterSetup.mmMarginTop", Tipo::Inteiro),
        sempre("PrinterSetup.mmPaperHeight", Tipo::Inteiro),
        sempre("PrinterSetup.mmPaperWidth", Tipo::Inteiro),
        sempre("PrinterSetup.PaperSize", Tipo::Inteiro),
        excetoSe("Template.FileName", semTexto()),
        excetoSe("Units", Valor::identificador(QStringLiteral("utInches"))),
        sempre("DeviceType", Tipo::Texto),
        excetoSe("Language", Valor::identificador(QStringLiteral("lgDefault"))),
        excetoSe("OnPageRequest", semNome()),
        sempre("OutlineSettings.CreateNode", Tipo::Booleano),
        sempre("OutlineSettings.CreatePageNodes", Tipo::Booleano),
        sempre("OutlineSettings.Enabled", Tipo::Booleano),
        sempre("Left", Tipo::Inteiro),
        sempre("Top", Tipo::Inteiro),
        sempre("Version", Tipo::Texto),
        sempre("mmColumnWidth", Tipo::Inteiro),
        excetoSe("DataPipelineName", semTexto())};
}

Campos banda() {
    return {sempre("mmBottomOffset", Tipo::Inteiro), sempre("mmHeight", Tipo::Inteiro),
            sempre("mmPrintPosition", Tipo::Inteiro)};
}

Campos bandaDeDetalhe() {
    return juntar(
        {{excetoSe("ColumnTraversal", Valor::identificador(QStringLiteral("ctTopToBottom")))},
         banda()});
}

Campos textoDeDados() {
    return juntar({{sempre("UserName", Tipo::Texto), excetoSe("AutoSize", falso()),
                    sempre("DataField", Tipo::Texto), excetoSe("DataPipeline", semNome()),
                    excetoSe("DisplayFormat", semTexto())},
                   fonte(),
                   {excetoSe("TextAlignment", alinhadoEsquerda()), excetoSe("Transparent", falso()),
                    excetoSe("WordWrap", falso()), excetoSe("DataPipelineName", semTexto())},
                   geometria()});
}

Campos codigoDeBarras() {
    return juntar(
        {{sempre("UserName", Tipo::Texto), excetoSe("AutoEncode", falso()),
          sempre("BarCodeType", Tipo::Identificador), sempre("BarColor", Tipo::Identificador),
          excetoSe("CalcCheckDigit", verdadeiro()), sempre("DataField", Tipo::Texto),
          excetoSe("DataPipeline", semNome()), excetoSe("AutoSize", verdadeiro())},
         fonte(),
         {excetoSe("Transparent", falso()), excetoSe("DataPipelineName", semTexto())},
         geometria(),
         {sempre("mmBarWidth", Tipo::Inteiro), sempre("mmWideBarRatio", Tipo::Inteiro)}});
}

Campos rotulo() {
    return juntar({{sempre("UserName", Tipo::Texto), excetoSe("AutoSize", falso()),
                    sempre("Caption", Tipo::Texto)},
                   fonte(),
                   {excetoSe("TextAlignment", alinhadoEsquerda()), excetoSe("Transparent", falso()),
                    excetoSe("WordWrap", falso())},
                   geometria()});
}

Campos forma() {
    return juntar({{sempre("UserName", Tipo::Texto)}, geometria()});
}

Campos imagem() {
    return juntar({{sempre("UserName", Tipo::Texto), sempre("MaintainAspectRatio", Tipo::Booleano),
                    excetoSe("Stretch", falso()), sempre("Picture.Data", Tipo::Bloco)},
                   geometria()});
}

Campos linha() {
    return juntar({{sempre("UserName", Tipo::Texto),
                    excetoSe("Pen.Color", Valor::identificador(QStringLiteral("clBlack"))),
                    excetoSe("Position", Valor::identificador(QStringLiteral("lpTop"))),
                    excetoSe("Weight", Valor::simples(0.75f))},
                   geometria()});
}

const std::vector<Esquema>& esquemas() {
    static const std::vector<Esquema> todos = {
        {QStringLiteral("TppReport"), relatorio()},
        {QStringLiteral("TppHeaderBand"), banda()},
        {QStringLiteral("TppColumnHeaderBand"), banda()},
        {QStringLiteral("TppDetailBand"), bandaDeDetalhe()},
        {QStringLiteral("TppColumnFooterBand"), banda()},
        {QStringLiteral("TppFooterBand"), banda()},
        {QStringLiteral("TppDBText"), textoDeDados()},
        {QStringLiteral("TppDBBarCode"), codigoDeBarras()},
        {QStringLiteral("TppLabel"), rotulo()},
        {QStringLiteral("TppShape"), forma()},
        {QStringLiteral("TppImage"), imagem()},
        {QStringLiteral("TppLine"), linha()},
    };
    return todos;
}

} // namespace

int Esquema::ordem(QStringView propriedade) const {
    const auto achado = std::find_if(campos.cbegin(), campos.cend(),
                                     [&](const Campo& c) { return c.nome == propriedade; });
    return achado == campos.cend() ? -1 : static_cast<int>(achado - campos.cbegin());
}

const Esquema* esquemaDaClasse(QStringView classe) {
    const std::vector<Esquema>& todos = esquemas();
    const auto achado = std::find_if(todos.cbegin(), todos.cend(),
                                     [&](const Esquema& e) { return e.classe == classe; });
    return achado == todos.cend() ? nullptr : &*achado;
}

void definir(Objeto& objeto, const QString& propriedade, const Valor& valor) {
    const Esquema* esquema = esquemaDaClasse(objeto.classe);
    if (esquema == nullptr) {
        throw std::invalid_argument("no schema for class " + objeto.classe.toStdString());
    }
    const int ordem = esquema->ordem(propriedade);
    if (ordem < 0) {
        throw std::invalid_argument(objeto.classe.toStdString() + " has no property " +
                                    propriedade.toStdString());
    }
    const Campo& campo = esquema->campos[ordem];
    if (valor.tipo() != campo.tipo) {
        throw std::invalid_argument("wrong kind of value for " + objeto.classe.toStdString() + "." +
                                    propriedade.toStdString());
    }

    auto& lista = objeto.propriedades;
    const auto atual = std::find_if(lista.begin(), lista.end(),
                                    [&](const Propriedade& p) { return p.nome == propriedade; });
    if (campo.padrao && *campo.padrao == valor) {
        if (atual != lista.end()) {
            lista.erase(atual);
        }
    } else if (atual != lista.end()) {
        if (!(atual->valor == valor)) {
            atual->valor = valor;
        }
    } else {
        // Before the first property that the order puts after this one;
        // properties the schema does not know keep their places.
        const auto depois = std::find_if(lista.begin(), lista.end(), [&](const Propriedade& p) {
            return esquema->ordem(p.nome) > ordem;
        });
        lista.insert(depois, {propriedade, valor});
    }
}

} // namespace fluxo
