#include "NumberFormat.h"

#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace plataforma {

namespace {

constexpr QChar ThousandsSeparator = u'.';
constexpr QChar DecimalSeparator = u',';

// A decimal number: value = 0.digits x 10^pointPosition, sign apart. Digits
// carry no leading or trailing zeros; zero has no digits.
struct Decimal {
    bool negative = false;
    QByteArray digits;
    int pointPosition = 0;

    bool isZero() const { return digits.isEmpty(); }

    void trim() {
        qsizetype lead = 0;
        while (lead < digits.size() && digits[lead] == '0')
            ++lead;
        digits.remove(0, lead);
        pointPosition -= static_cast<int>(lead);
        while (digits.endsWith('0'))
            digits.chop(1);
        if (digits.isEmpty())
            pointPosition = 0;
    }

    // Half away from zero.
    void roundTo(int decimals) {
        const int keep = pointPosition + decimals;
        if (keep >= digits.size())
            return;
        const bool up = keep >= 0 && digits[keep] >= '5';
        digits.truncate(std::max(keep, 0));
        if (up) {
            qsizetype i = digits.size() - 1;
            while (i >= 0 && digits[i] == '9')
                digits[i--] = '0';
            if (i >= 0) {
                ++digits[i];
            } else {
                digits.prepend('1');
                ++pointPosition;
            }
        }
        trim();
    }

    char digitAt(int index) const {
        return index >= 0 && index < digits.size() ? digits[index] : '0';
    }
    int integerLength() const { return std::max(pointPosition, 0); }
    int decimalLength() const {
        return std::max(static_cast<int>(digits.size()) - pointPosition, 0);
    }
};

Decimal decimalOf(quint64 magnitude, bool negative, int scale) {
    Decimal d;
    d.negative = negative;
    d.digits = QByteArray::number(magnitude);
    d.pointPosition = static_cast<int>(d.digits.size()) - scale;
    d.trim();
    return d;
}

Decimal decimalOf(double value) {
    std::array<char, 32> text{};
    const auto [end, error] = std::to_chars(text.data(), text.data() + text.size(), std::abs(value),
                                            std::chars_format::scientific, 14);
    Q_ASSERT(error == std::errc());
    const QByteArrayView written(text.data(), end);
    const qsizetype e = written.indexOf('e');
    Decimal d;
    d.negative = std::signbit(value);
    d.digits = written.first(e).toByteArray().replace(".", "");
    d.pointPosition = written.sliced(e + 1).toInt() + 1;
    d.trim();
    return d;
}

QString plainText(const Decimal& d) {
    if (d.isZero())
        return QStringLiteral("0");
    QString text = d.negative ? QStringLiteral("-") : QString();
    if (d.integerLength() == 0)
        text += u'0';
    for (int i = 0; i < d.integerLength(); ++i)
        text += QLatin1Char(d.digitAt(i));
    if (d.decimalLength() > 0) {
        text += DecimalSeparator;
        for (int i = 0; i < d.decimalLength(); ++i)
            text += QLatin1Char(d.digitAt(d.pointPosition + i));
    }
    return text;
}

QStringList splitSections(const QString& pattern) {
    QStringList sections{QString()};
    QChar quote;
    for (QChar c : pattern) {
        if (quote.isNull() && c == u';') {
            sections.append(QString());
            continue;
        }
        if (c == u'\'' || c == u'"')
            quote = quote.isNull() ? c : (quote == c ? QChar() : quote);
        sections.last() += c;
    }
    return sections;
}

// The digit places of one section, counted once before formatting.
struct Layout {
    int integerPlaces = 0;
    int decimalPlaces = 0;
    int minimumInteger = 0;
    int minimumDecimals = 0;
    bool grouping = false;

    explicit Layout(const QString& section) {
        bool afterPoint = false;
        int firstIntegerZero = -1;
        QChar quote;
        for (QChar c : section) {
            if (!quote.isNull()) {
                if (c == quote)
                    quote = QChar();
            } else if (c == u'\'' || c == u'"') {
                quote = c;
            } else if (c == u'0' || c == u'#') {
                if (afterPoint) {
                    ++decimalPlaces;
                    if (c == u'0')
                        minimumDecimals = decimalPlaces;
                } else {
                    if (c == u'0' && firstIntegerZero < 0)
                        firstIntegerZero = integerPlaces;
                    ++integerPlaces;
                }
            } else if (c == u'.') {
                afterPoint = true;
            } else if (c == u',') {
                grouping = true;
            }
        }
        if (firstIntegerZero >= 0)
            minimumInteger = integerPlaces - firstIntegerZero;
    }
};

class SectionWriter {
public:
    SectionWriter(const Layout& layout, const Decimal& value)
        : m_layout(layout), m_value(value),
          m_integerLength(std::max(value.integerLength(), layout.minimumInteger)),
          m_decimals(std::max(value.decimalLength(), layout.minimumDecimals)) {}

    QString write(const QString& section, bool withSign) {
        if (withSign)
            m_out += u'-';
        bool afterPoint = false;
        int integerPlace = 0;
        int decimalPlace = 0;
        QChar quote;
        for (QChar c : section) {
            if (!quote.isNull()) {
                if (c == quote)
                    quote = QChar();
                else
                    m_out += c;
            } else if (c == u'\'' || c == u'"') {
                quote = c;
            } else if ((c == u'0' || c == u'#') && !afterPoint) {
                writeIntegerPlace(integerPlace++);
            } else if (c == u'0' || c == u'#') {
                if (decimalPlace < m_decimals)
                    m_out += QLatin1Char(m_value.digitAt(m_value.pointPosition + decimalPlace));
                ++decimalPlace;
            } else if (c == u'.') {
                if (!afterPoint)
                    writePoint();
                afterPoint = true;
            } else if (c != u',') {
                m_out += c;
            }
        }
        return m_out;
    }

private:
    // Place k, counted from the left, stands for the digit at position
    // integerPlaces - 1 - k counted from the units; the first place also takes
    // every digit that no place was left for.
    void writeIntegerPlace(int place) {
        const int position = m_layout.integerPlaces - 1 - place;
        const int highest = place == 0 ? m_integerLength - 1 : position;
        for (int p = highest; p >= position; --p) {
            if (p >= m_integerLength)
                continue;
            const int index = m_value.pointPosition - 1 - p;
            m_out += QLatin1Char(m_value.digitAt(index));
            if (m_layout.grouping && p > 0 && p % 3 == 0)
                m_out += ThousandsSeparator;
        }
    }

    void writePoint() {
        if (m_layout.integerPlaces == 0)
            for (int p = m_integerLength - 1; p >= 0; --p)
                m_out += QLatin1Char(m_value.digitAt(m_value.pointPosition - 1 - p));
        if (m_decimals > 0)
            m_out += DecimalSeparator;
    }

    const Layout& m_layout;
    const Decimal& m_value;
    int m_integerLength;
    int m_decimals;
    QString m_out;
};

QString formatDecimal(const QStringList& sections, Decimal value) {
    auto sectionAt = [&](int i) {
        return i < sections.size() ? sections[i] : QString();
    };
    int chosen = 0;
    if (value.isZero() && !sectionAt(2).isEmpty())
        chosen = 2;
    else if (value.negative && !value.isZero() && !sectionAt(1).isEmpty())
        chosen = 1;
    Layout layout(sections[chosen]);
    value.roundTo(layout.decimalPlaces);
    if (value.isZero() && chosen != 2 && !sectionAt(2).isEmpty()) {
        chosen = 2;
        layout = Layout(sections[chosen]);
    }
    const bool withSign = chosen == 0 && value.negative && !value.isZero();
    return SectionWriter(layout, value).write(sections[chosen], withSign);
}

} // namespace

NumberFormat::NumberFormat(const QString& pattern)
    : m_pattern(pattern), m_sections(splitSections(pattern)) {}

QString NumberFormat::format(Money value) const {
    const qint64 units = value.units();
    const quint64 magnitude = units < 0 ? 0 - static_cast<quint64>(units) : units;
    const Decimal d = decimalOf(magnitude, units < 0, 4);
    return isEmpty() ? plainText(d) : formatDecimal(m_sections, d);
}

QString NumberFormat::format(qint64 value) const {
    const quint64 magnitude = value < 0 ? 0 - static_cast<quint64>(value) : value;
    const Decimal d = decimalOf(magnitude, value < 0, 0);
    return isEmpty() ? plainText(d) : formatDecimal(m_sections, d);
}

QString NumberFormat::format(double value) const {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    const Decimal d = decimalOf(value);
    return isEmpty() ? plainText(d) : formatDecimal(m_sections, d);
}

} // namespace plataforma
