#include "WholeNumber.h"

#include <limits>

namespace plataforma {

namespace {

int digitValue(QChar c, int base) {
    const char16_t u = c.unicode();
    int value = base;
    if (u >= u'0' && u <= u'9')
        value = u - u'0';
    else if (base == 16 && u >= u'a' && u <= u'f')
        value = u - u'a' + 10;
    else if (base == 16 && u >= u'A' && u <= u'F')
        value = u - u'A' + 10;
    return value < base ? value : -1;
}

// Reads the magnitude and sign; the range check is the caller's, against the
// magnitude that each sign allows.
struct Parsed {
    bool negative = false;
    quint64 magnitude = 0;
};

std::optional<Parsed> parse(QStringView text, quint64 largestMagnitude) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    Parsed result;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        result.negative = text[i++] == u'-';
    int base = 10;
    const QStringView rest = text.sliced(i);
    if (rest.startsWith(u'$') || rest.startsWith(u'x') || rest.startsWith(u'X')) {
        base = 16;
        i += 1;
    } else if (rest.startsWith(u"0x") || rest.startsWith(u"0X")) {
        base = 16;
        i += 2;
    }
    if (i == text.size())
        return std::nullopt;
    for (; i < text.size(); ++i) {
        const int digit = digitValue(text[i], base);
        if (digit < 0)
            return std::nullopt;
        if (result.magnitude > (largestMagnitude - static_cast<quint64>(digit)) / base)
            return std::nullopt;
        result.magnitude = result.magnitude * base + static_cast<quint64>(digit);
    }
    return result;
}

template <typename Int> std::optional<Int> parseSigned(QStringView text) {
    constexpr quint64 largestPositive = std::numeric_limits<Int>::max();
    constexpr quint64 largestNegative = largestPositive + 1;
    const std::optional<Parsed> parsed = parse(text, largestNegative);
    if (!parsed)
        return std::nullopt;
    if (!parsed->negative) {
        if (parsed->magnitude > largestPositive)
            return std::nullopt;
        return static_cast<Int>(parsed->magnitude);
    }
    if (parsed->magnitude == largestNegative)
        return std::numeric_limits<Int>::min();
    return static_cast<Int>(-static_cast<Int>(parsed->magnitude));
}

} // namespace

std::optional<qint32> parseInt32(QStringView text) {
    return parseSigned<qint32>(text);
}

std::optional<qint64> parseInt64(QStringView text) {
    return parseSigned<qint64>(text);
}

} // namespace plataforma
