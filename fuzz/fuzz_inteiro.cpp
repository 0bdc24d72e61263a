// The whole-number rule on arbitrary text: the 32-bit and 64-bit forms must
// agree wherever both ranges hold the value, and an accepted decimal text
// must name the value it gave.
#include "plataforma/WholeNumber.h"

#include <QString>
#include <cstdint>
#include <cstdlib>
#include <limits>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<qint64> wide = plataforma::parseInt64(text);
    const std::optional<qint32> narrow = plataforma::parseInt32(text);
    const bool fits = wide && *wide >= std::numeric_limits<qint32>::min() &&
                      *wide <= std::numeric_limits<qint32>::max();
    if (fits != narrow.has_value() || (narrow && *narrow != *wide))
        std::abort();
    if (wide) {
        const QString digits = text.trimmed();
        const bool decimal = !digits.contains(u'$') && !digits.contains(u'x', Qt::CaseInsensitive);
        if (decimal && digits.toLongLong() != *wide)
            std::abort();
    }
    return 0;
}
