#pragma once

#include "plataforma/Date.h"
#include "plataforma/Money.h"

#include <QDate>
#include <QStringView>
#include <optional>

namespace lista {

// The readings of a list file's numeric and date fields. They take the field
// as LinhaProduto gives it, with "," already in place of every ".". Empty
// means the text does not read.

// Blanks, an optional sign, digits with at most one "," as the decimal point,
// an optional exponent, blanks. No thousands separators: 1,234,56 does not
// read. A value that a money field cannot hold does not read either.
std::optional<plataforma::Money> LerDecimal(QStringView texto);

// Day/month[/year] with blanks around the numbers and one trailing "/"; the
// year defaults to today's, and one or two digits place it in the hundred
// years that start fifty years before today's. Only real calendar days read.
std::optional<plataforma::Date> LerData(QStringView texto, QDate hoje);

} // namespace lista
