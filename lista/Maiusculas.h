#pragma once

#include <QString>
#include <QStringView>

namespace lista {

// Upper case that stays inside Windows-1252, the character set of the product
// list and of the printers' fonts. A character changes only when its upper
// case is one character that Windows-1252 also holds; the rest are kept as
// they are, so "µg" never turns into a Greek "ΜG" (read as "MG", a thousandfold
// dose) and "ß" never grows into "SS" before the field is cut to size.
QString Maiusculas(QStringView texto);

} // namespace lista
