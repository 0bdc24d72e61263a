#include "plataforma/relatorio/Properties.h"

#include "modelos/fluxo/Esquema.h"

namespace plataforma::relatorio::properties {

using fluxo::Tipo;
using fluxo::Valor;

const Valor* find(const fluxo::Objeto& object, QStringView name) {
    if (const Valor* listed = object.valor(name))
        return listed;
    const fluxo::Esquema* schema = fluxo::esquemaDaClasse(object.classe);
    if (schema == nullptr)
        return nullptr;
    const int place = schema->ordem(name);
    if (place < 0 || !schema->campos[place].padrao)
        return nullptr;
    return &*schema->campos[place].padrao;
}

qint64 integer(const fluxo::Objeto& object, QStringView name, qint64 fallback) {
    const Valor* value = find(object, name);
    return value && value->tipo() == Tipo::Inteiro ? value->comoInteiro() : fallback;
}

bool boolean(const fluxo::Objeto& object, QStringView name, bool fallback) {
    const Valor* value = find(object, name);
    return value && value->tipo() == Tipo::Booleano ? value->comoBooleano() : fallback;
}

QString text(const fluxo::Objeto& object, QStringView name, const QString& fallback) {
    const Valor* value = find(object, name);
    if (value == nullptr)
        return fallback;
    switch (value->tipo()) {
    case Tipo::Texto:
    case Tipo::Identificador:
        return value->comoTexto();
    case Tipo::Inteiro:
        return QString::number(value->comoInteiro());
    default:
        return fallback;
    }
}

QStringList members(const fluxo::Objeto& object, QStringView name) {
    const Valor* value = find(object, name);
    return value && value->tipo() == Tipo::Conjunto ? value->membros() : QStringList();
}

double real(const fluxo::Objeto& object, QStringView name, double fallback) {
    const Valor* value = find(object, name);
    if (value == nullptr)
        return fallback;
    switch (value->tipo()) {
    case Tipo::Simples:
    case Tipo::Estendido:
    case Tipo::Moeda:
        return value->comoReal();
    case Tipo::Inteiro:
        return static_cast<double>(value->comoInteiro());
    default:
        return fallback;
    }
}

void setInteger(fluxo::Objeto& object, const QString& name, qint64 value) {
    fluxo::definir(object, name, Valor::inteiro(value));
}

void setBoolean(fluxo::Objeto& object, const QString& name, bool value) {
    fluxo::definir(object, name, Valor::booleano(value));
}

void setText(fluxo::Objeto& object, const QString& name, const QString& value) {
    fluxo::definir(object, name, Valor::texto(value));
}

void setIdentifier(fluxo::Objeto& object, const QString& name, const QString& value) {
    fluxo::definir(object, name, Valor::identificador(value));
}

void setMembers(fluxo::Objeto& object, const QString& name, const QStringList& value) {
    fluxo::definir(object, name, Valor::conjunto(value));
}

} // namespace plataforma::relatorio::properties
