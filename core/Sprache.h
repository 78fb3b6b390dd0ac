#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace steinfall {

// The game's texts are written once, in German, where they are used; every
// other language comes from a gettext catalogue of the text domain
// "steinfall". A language is its code: "de" (the texts as written) or the
// code of an installed catalogue ("en", "fr", ...).
inline constexpr const char* Textdomaene = "steinfall";
inline constexpr const char* Ursprache = "de";

// Where the catalogues lie: beside the program, <its directory>/../share/locale.
std::string Katalogverzeichnis();

// The catalogue of `sprache` in such a folder.
std::string KatalogDatei(const std::string& verzeichnis, const std::string& sprache);

// The language of every text shown from now on; German until the start
// chooses another. Choosing binds the catalogue (from `verzeichnis`), so
// texts filled afterwards are in the new language, also when a test switches
// back and forth.
const std::string& GewaehlteSprache();
void SpracheWaehlen(const std::string& sprache,
                    const std::string& verzeichnis = Katalogverzeichnis());

// The text in the chosen language: the German text itself, or its
// translation (the German text when the catalogue lacks it).
const char* Uebersetzung(const char* deutsch);
// The same for a word that means different things in different places.
const char* UebersetzungIm(const char* zusammenhang, const char* deutsch);
// Marks a text for the catalogue where it is only stored, not yet shown.
constexpr const char* UebersetzungMerken(const char* deutsch) {
    return deutsch;
}

// The text with %1 and %2 replaced, so that a translator can move them.
std::string Einsetzen(std::string_view text, std::string_view eins, std::string_view zwei = {});

// "de" and every language with a catalogue there, sorted.
std::vector<std::string> BekannteSprachen(const std::string& verzeichnis = Katalogverzeichnis());

// The known language that a code or a locale name such as "en_GB.UTF-8"
// names (the whole "pt_BR" before its language "pt"); nothing for any other.
std::optional<std::string> SpracheAusName(std::string_view name,
                                          const std::vector<std::string>& bekannte);

// The system's message language from the values of LANGUAGE, LC_ALL,
// LC_MESSAGES and LANG (null when unset); German unless one of them names
// another known language.
std::string SpracheAusUmgebung(const char* language, const char* lcAll, const char* lcMessages,
                               const char* lang, const std::vector<std::string>& bekannte);

// The same from this process's environment and the installed catalogues.
std::string SpracheDesSystems();

} // namespace steinfall
