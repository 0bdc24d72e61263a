#include "plataforma/relatorio/designer/NewControl.h"

#include "modelos/fluxo/Construtor.h"

namespace plataforma::relatorio {

using namespace Qt::StringLiterals;

namespace {

bool nameTaken(const fluxo::Objeto& object, const QString& name) {
    if (object.nome == name)
        return true;
    for (const fluxo::Objeto& child : object.filhos) {
        if (nameTaken(child, name))
            return true;
    }
    return false;
}

fluxo::Caixa caixa(const MmBox& box) {
    return {box.left, box.top, box.width, box.height};
}

QString classOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::DataText:
        return u"TppDBText"_s;
    case ControlKind::DataBarcode:
        return u"TppDBBarCode"_s;
    case ControlKind::Label:
        return u"TppLabel"_s;
    case ControlKind::Shape:
        return u"TppShape"_s;
    case ControlKind::Line:
        return u"TppLine"_s;
    case ControlKind::Image:
        return u"TppImage"_s;
    case ControlKind::Unknown:
        break;
    }
    Q_UNREACHABLE();
}

} // namespace

QString controlKindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::DataText:
        return u"Texto de dados"_s;
    case ControlKind::DataBarcode:
        return u"Código de barras de dados"_s;
    case ControlKind::Label:
        return u"Rótulo"_s;
    case ControlKind::Shape:
        return u"Forma"_s;
    case ControlKind::Line:
        return u"Linha"_s;
    case ControlKind::Image:
        return u"Imagem"_s;
    case ControlKind::Unknown:
        break;
    }
    return u"Componente"_s;
}

MmBox defaultControlSize(ControlKind kind) {
    switch (kind) {
    case ControlKind::DataText:
        return {0, 0, 40000, 5000};
    case ControlKind::DataBarcode:
        return {0, 0, 40000, 15000};
    case ControlKind::Label:
        return {0, 0, 20000, 5000};
    case ControlKind::Line:
        return {0, 0, 30000, 2000};
    case ControlKind::Image:
        return {0, 0, 15000, 15000};
    case ControlKind::Shape:
    case ControlKind::Unknown:
        break;
    }
    return {0, 0, 30000, 20000};
}

QString nextControlName(const fluxo::Objeto& layout, QStringView className) {
    const QString stem = className.mid(1).toString();
    for (int number = 1;; ++number) {
        const QString name = stem + QString::number(number);
        if (!nameTaken(layout, name))
            return name;
    }
}

fluxo::Objeto newControl(ControlKind kind, const fluxo::Objeto& layout, const MmBox& box,
                         const QString& pipeline, const QString& field) {
    const QString name = nextControlName(layout, classOf(kind));
    const fluxo::Fonte text{.nome = u"Arial"_s, .tamanho = 10};
    switch (kind) {
    case ControlKind::DataText:
        return fluxo::montar(fluxo::TextoDeDados{.nome = name,
                                                 .campo = field,
                                                 .pipeline = pipeline,
                                                 .caixa = caixa(box),
                                                 .fonte = text,
                                                 .transparente = true});
    case ControlKind::DataBarcode:
        return fluxo::montar(
            fluxo::CodigoDeBarras{.nome = name,
                                  .campo = field,
                                  .pipeline = pipeline,
                                  .caixa = caixa(box),
                                  .fonte = {.nome = u"Courier New"_s, .tamanho = 8},
                                  .tipo = u"bcEAN_13"_s,
                                  .calcularDigito = false,
                                  .tamanhoAutomatico = false,
                                  .transparente = true,
                                  .larguraDaBarra = 330,
                                  .razaoDaBarraLarga = 76200});
    case ControlKind::Label:
        return fluxo::montar(fluxo::Rotulo{.nome = name,
                                           .legenda = u"Texto"_s,
                                           .caixa = caixa(box),
                                           .fonte = text,
                                           .transparente = true});
    case ControlKind::Shape:
        return fluxo::montar(fluxo::Forma{.nome = name, .caixa = caixa(box)});
    case ControlKind::Line:
        return fluxo::montar(fluxo::Linha{.nome = name, .caixa = caixa(box)});
    case ControlKind::Image:
        return fluxo::montar(fluxo::Imagem{.nome = name, .caixa = caixa(box), .esticar = true});
    case ControlKind::Unknown:
        break;
    }
    Q_UNREACHABLE();
}

} // namespace plataforma::relatorio
