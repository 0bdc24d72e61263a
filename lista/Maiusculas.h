#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

namespace lista {

// Upper case as the Brazilian Portuguese locale writes it. Text in the
// Latin-1 letters that Portuguese uses is mapped directly; anything else goes
// through the locale, which is several times slower.
class Maiusculas {
public:
    QString operator()(QStringView texto) const;

private:
    const QLocale m_portugues{QLocale::Portuguese, QLocale::Brazil};
};

} // namespace lista
