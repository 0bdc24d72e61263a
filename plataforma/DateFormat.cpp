#include "DateFormat.h"

#include <QLocale>

namespace plataforma {

namespace {

const QString ShortDate = QStringLiteral("dd/mm/yyyy");

qsizetype runLength(const QString& text, qsizetype from) {
    qsizetype end = from;
    while (end < text.size() && text[end].toLower() == text[from].toLower())
        ++end;
    return end - from;
}

QString dayPart(QDate date, qsizetype length, const QLocale& locale) {
    switch (length) {
    case 1:
        return QString::number(date.day());
    case 2:
        return QString::number(date.day()).rightJustified(2, u'0');
    case 3:
        return locale.dayName(date.dayOfWeek(), QLocale::ShortFormat);
    default:
        return locale.dayName(date.dayOfWeek(), QLocale::LongFormat);
    }
}

QString monthPart(QDate date, qsizetype length, const QLocale& locale) {
    switch (length) {
    case 1:
        return QString::number(date.month());
    case 2:
        return QString::number(date.month()).rightJustified(2, u'0');
    case 3:
        return locale.monthName(date.month(), QLocale::ShortFormat);
    default:
        return locale.monthName(date.month(), QLocale::LongFormat);
    }
}

QString yearPart(QDate date, qsizetype length) {
    const int year = date.year();
    if (length <= 2)
        return QString::number(year % 100).rightJustified(2, u'0');
    return QString::number(year).rightJustified(4, u'0');
}

} // namespace

DateFormat::DateFormat(QString pattern) : m_pattern(std::move(pattern)) {}

QString DateFormat::format(Date date) const {
    static const QLocale brazil(QLocale::Portuguese, QLocale::Brazil);
    const QString& pattern = m_pattern.isEmpty() ? ShortDate : m_pattern;
    const QDate day = date.toQDate();
    QString out;
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern[i];
        const char16_t lower = c.toLower().unicode();
        if (c == u'\'' || c == u'"') {
            const qsizetype close = pattern.indexOf(c, i + 1);
            const qsizetype end = close < 0 ? pattern.size() : close;
            out += QStringView(pattern).sliced(i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        if (lower != u'd' && lower != u'm' && lower != u'y') {
            out += c;
            ++i;
            continue;
        }
        const qsizetype length = runLength(pattern, i);
        if (lower == u'd')
            out += dayPart(day, length, brazil);
        else if (lower == u'm')
            out += monthPart(day, length, brazil);
        else
            out += yearPart(day, length);
        i += length;
    }
    return out;
}

} // namespace plataforma
