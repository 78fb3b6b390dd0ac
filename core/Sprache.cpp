#include "core/Sprache.h"

#include <cstdlib>

namespace steinfall {

namespace {

Sprache gewaehlt = Sprache::Deutsch;

bool Gesetzt(const char* wert) {
    return wert != nullptr && *wert != '\0';
}

} // namespace

Sprache GewaehlteSprache() {
    return gewaehlt;
}

void SpracheWaehlen(Sprache sprache) {
    gewaehlt = sprache;
}

const char* Sprachwahl(const char* deutsch, const char* englisch) {
    return gewaehlt == Sprache::Englisch ? englisch : deutsch;
}

std::string Sprachwahl(const std::string& deutsch, const std::string& englisch) {
    return gewaehlt == Sprache::Englisch ? englisch : deutsch;
}

std::optional<Sprache> SpracheAusName(std::string_view name) {
    // The language is what stands before territory, code set and modifier.
    const std::string_view kuerzel = name.substr(0, name.find_first_of("_.@"));
    if (kuerzel == "de") {
        return Sprache::Deutsch;
    }
    if (kuerzel == "en") {
        return Sprache::Englisch;
    }
    return std::nullopt;
}

Sprache SpracheAusUmgebung(const char* language, const char* lcAll, const char* lcMessages,
                           const char* lang) {
    // The message locale as setlocale sees it: the first of LC_ALL,
    // LC_MESSAGES and LANG that is set; none at all is the C locale.
    const char* locale = Gesetzt(lcAll) ? lcAll : Gesetzt(lcMessages) ? lcMessages : lang;
    const std::string_view ort = Gesetzt(locale) ? locale : "C";
    // As in gettext, LANGUAGE lists the wanted languages in order of
    // preference, but only when a real locale is set: under C or POSIX
    // (including C.UTF-8) the program's own texts stay, which are German.
    const bool neutral = ort == "C" || ort == "POSIX" || ort.substr(0, 2) == "C.";
    if (neutral) {
        return Sprache::Deutsch;
    }
    // The first listed language the game speaks wins, as gettext skips a
    // language it has no catalog for.
    std::string_view liste = Gesetzt(language) ? language : "";
    while (!liste.empty()) {
        const std::size_t ende = liste.find(':');
        if (const auto sprache = SpracheAusName(liste.substr(0, ende))) {
            return *sprache;
        }
        liste = ende == std::string_view::npos ? std::string_view() : liste.substr(ende + 1);
    }
    return SpracheAusName(ort).value_or(Sprache::Deutsch);
}

Sprache SpracheDesSystems() {
    return SpracheAusUmgebung(std::getenv("LANGUAGE"), std::getenv("LC_ALL"),
                              std::getenv("LC_MESSAGES"), std::getenv("LANG"));
}

} // namespace steinfall
