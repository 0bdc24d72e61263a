#pragma once

#include <QString>
#include <QStringView>

namespace plataforma::relatorio {

// The language of a report's own texts, in the order of the template identifiers
// ("lgDefault" to "lgCustom", 0 to 13).
enum class Language {
    Default,
    Danish,
    Dutch,
    English,
    French,
    German,
    Italian,
    PortugueseBrazil,
    Portuguese,
    Spanish,
    SpanishMexico,
    Swedish,
    Norwegian,
    Custom
};

// Default for an identifier it does not know.
Language languageFromName(QStringView name);
QString languageName(Language language);

} // namespace plataforma::relatorio
