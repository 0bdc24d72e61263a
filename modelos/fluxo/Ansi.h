#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace fluxo {

// Short names, short strings and long strings hold 8-bit text in the Windows
// western code page. Every byte decodes to one character and back, so a text
// read from a stream is always written again as the same bytes.
QString deAnsi(QByteArrayView bytes);

// The bytes of a text in that code page; nothing when a character has no byte.
std::optional<QByteArray> paraAnsi(QStringView texto);

} // namespace fluxo
