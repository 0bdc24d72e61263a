#pragma once

#include <QString>

namespace modelos {

// The template texts of the built-in templates, in three disjoint stores. Each
// sets texto to the template text of one of its ids and leaves it untouched
// for any other id.
void ModeloHexTermico(quint8 id, QString& texto); // 1 to 6: Zebra and Argox
void ModeloHexA4(quint8 id, QString& texto);      // 7 to 17, 22 and 23
void ModeloHexA4Extra(quint8 id, QString& texto); // 18 to 21

// The template text of any template id, asking the three stores in turn; empty
// for an id that has none.
QString ModeloHex(int id);

} // namespace modelos
