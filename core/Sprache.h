#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace steinfall {

// The game speaks German, or English beside it. Every text is written once
// per language, at the place that uses it, through Sprachwahl.
enum class Sprache { Deutsch, Englisch };

// The language of every text shown from now on; German until the start
// chooses another.
Sprache GewaehlteSprache();
void SpracheWaehlen(Sprache sprache);

// The text for the chosen language.
const char* Sprachwahl(const char* deutsch, const char* englisch);
// A copy: the texts are often built on the spot.
std::string Sprachwahl(const std::string& deutsch, const std::string& englisch);

// "de", "en" (what --sprache takes), or a locale name such as "en_GB.UTF-8";
// nothing for any other language.
std::optional<Sprache> SpracheAusName(std::string_view name);

// The system's message language from the values of LANGUAGE, LC_ALL,
// LC_MESSAGES and LANG (null when unset); German unless that is English.
Sprache SpracheAusUmgebung(const char* language, const char* lcAll, const char* lcMessages,
                           const char* lang);

// The same from this process's environment.
Sprache SpracheDesSystems();

} // namespace steinfall
