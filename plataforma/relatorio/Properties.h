#pragma once

#include "modelos/fluxo/Objeto.h"

#include <QString>
#include <QStringList>
#include <QStringView>

// Typed reads and writes of one object's properties in a template tree. A property that the
// object does not list reads as its class default; one without a default reads as the
// caller's fallback. Writes go through the class schema, so each property lands in its place
// and a default is left out.
namespace plataforma::relatorio::properties {

// The listed value, else the class default, else null.
const fluxo::Valor* find(const fluxo::Objeto& object, QStringView name);

qint64 integer(const fluxo::Objeto& object, QStringView name, qint64 fallback = 0);
bool boolean(const fluxo::Objeto& object, QStringView name, bool fallback = false);
// A text, or the name an identifier holds.
QString text(const fluxo::Objeto& object, QStringView name, const QString& fallback = {});
QStringList members(const fluxo::Objeto& object, QStringView name);
double real(const fluxo::Objeto& object, QStringView name, double fallback);

void setInteger(fluxo::Objeto& object, const QString& name, qint64 value);
void setBoolean(fluxo::Objeto& object, const QString& name, bool value);
void setText(fluxo::Objeto& object, const QString& name, const QString& value);
void setIdentifier(fluxo::Objeto& object, const QString& name, const QString& value);
void setMembers(fluxo::Objeto& object, const QString& name, const QStringList& value);

} // namespace plataforma::relatorio::properties
