#pragma once

#include "modelos/fluxo/Objeto.h"

#include <optional>
#include <vector>

namespace fluxo {

// One property a class may list: its dotted name, its kind and, for a property
// written only when it differs from a default, that default.
struct Campo {
    QString nome;
    Tipo tipo;
    std::optional<Valor> padrao;
};

// The properties of one class in the fixed order in which they are written.
struct Esquema {
    QString classe;
    std::vector<Campo> campos;

    // The property's place in the order, or -1 when the class has no such one.
    int ordem(QStringView propriedade) const;
};

// The schema of a report, band or control class, or null for another class.
const Esquema* esquemaDaClasse(QStringView classe);

// Sets a property of an object of a known class. The property lands in its
// fixed place; it is left out while it holds its default, if it has one. A
// value equal to the one already there is kept as it is, marker included, so
// re-setting what was read changes no byte. Throws std::invalid_argument for
// an unknown class or property, or a value of the wrong kind.
void definir(Objeto& objeto, const QString& propriedade, const Valor& valor);

} // namespace fluxo
