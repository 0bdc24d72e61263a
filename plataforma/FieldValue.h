#pragma once

#include "Date.h"
#include "Money.h"

#include <QByteArray>
#include <QString>
#include <variant>

namespace plataforma {

// What one field of one row holds; std::monostate is the empty (null) field.
using FieldValue = std::variant<std::monostate, qint32, Money, Date, QString, QByteArray>;

} // namespace plataforma
