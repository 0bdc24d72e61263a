#pragma once

#include <QStringView>
#include <QtGlobal>
#include <optional>

namespace plataforma {

// The one rule by which text becomes an integer: leading blanks (code 32
// only), an optional sign, then decimal digits or a hexadecimal number after
// "$", "x", "X", "0x" or "0X"; nothing may follow, and the value, sign
// included, must fit the target type.
std::optional<qint32> parseInt32(QStringView text);
std::optional<qint64> parseInt64(QStringView text);

inline qint32 parseInt32(QStringView text, qint32 fallback) {
    return parseInt32(text).value_or(fallback);
}
inline qint64 parseInt64(QStringView text, qint64 fallback) {
    return parseInt64(text).value_or(fallback);
}

} // namespace plataforma
