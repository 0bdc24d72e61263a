#include "plataforma/relatorio/Language.h"

#include <array>

namespace plataforma::relatorio {

namespace {

using namespace Qt::StringLiterals;

constexpr std::array names{
    "lgDefault"_L1,    "lgDanish"_L1,  "lgDutch"_L1,         "lgEnglish"_L1,
    "lgFrench"_L1,     "lgGerman"_L1,  "lgItalian"_L1,       "lgPortugueseBrazil"_L1,
    "lgPortuguese"_L1, "lgSpanish"_L1, "lgSpanishMexico"_L1, "lgSwedish"_L1,
    "lgNorwegian"_L1,  "lgCustom"_L1};

} // namespace

Language languageFromName(QStringView name) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (name == names[i])
            return static_cast<Language>(i);
    }
    return Language::Default;
}

QString languageName(Language language) {
    return names[static_cast<std::size_t>(language)];
}

} // namespace plataforma::relatorio
