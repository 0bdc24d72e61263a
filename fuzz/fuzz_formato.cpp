// Display formats on arbitrary patterns and values: never a crash, and the
// plain patterns must show exactly the integer's decimal digits.
#include "plataforma/Money.h"
#include "plataforma/NumberFormat.h"

#include <QString>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < sizeof(qint64))
        return 0;
    qint64 number;
    std::memcpy(&number, data, sizeof number);
    double real;
    std::memcpy(&real, data, sizeof real);
    const QString pattern = QString::fromUtf8(reinterpret_cast<const char*>(data + sizeof number),
                                              static_cast<qsizetype>(size - sizeof number));
    const plataforma::NumberFormat format(pattern);
    format.format(number);
    format.format(real);
    format.format(plataforma::Money::fromUnits(number));

    if (plataforma::NumberFormat(QStringLiteral("0")).format(number) != QString::number(number))
        std::abort();
    const QString grouped = plataforma::NumberFormat(QStringLiteral("#,##0")).format(number);
    if (QString(grouped).remove(u'.') != QString::number(number))
        std::abort();
    return 0;
}
