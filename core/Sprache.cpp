#include "core/Sprache.h"

#include "core/Katalog.h"

#include <libintl.h>

#include <algorithm>
#include <cctype>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace steinfall {

namespace {

std::string gewaehlt = Ursprache;
// The chosen catalogue as the game reads it itself, when glibc will not.
std::optional<Katalog> eigener;

bool Gesetzt(const char* wert) {
    return wert != nullptr && *wert != '\0';
}

std::string Grossbuchstaben(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

bool Neutral(std::string_view ort) {
    return ort == "C" || ort == "POSIX" || ort.substr(0, 2) == "C.";
}

// glibc reads catalogues only under a message locale other than C and
// POSIX; LANGUAGE then picks the language. The player's own locale is taken
// if the system has it, else any of a few common ones. C.UTF-8 comes last:
// glibc 2.36 follows LANGUAGE under it, glibc 2.41 (Debian 13) no longer
// does.
void MeldungsortSetzen(const std::string& sprache) {
    const char* ort = std::setlocale(LC_MESSAGES, "");
    if (ort != nullptr && !Neutral(ort)) {
        return;
    }
    const std::string eigenes = sprache + "_" + Grossbuchstaben(sprache) + ".UTF-8";
    for (const char* name :
         {eigenes.c_str(), "en_US.UTF-8", "en_GB.UTF-8", "de_DE.UTF-8", "C.UTF-8"}) {
        if (std::setlocale(LC_MESSAGES, name) != nullptr) {
            return;
        }
    }
}

void KatalogBinden(const std::string& sprache, const std::string& verzeichnis) {
    MeldungsortSetzen(sprache);
    setenv("LANGUAGE", sprache.c_str(), 1);
    bindtextdomain(Textdomaene, verzeichnis.c_str());
    bind_textdomain_codeset(Textdomaene, "UTF-8");
    // glibc keeps the texts it has found; setting the locale and naming the
    // domain again make it forget those of the language before.
    textdomain(Textdomaene);
    // Every catalogue translates "" into its header. Without it glibc has
    // refused the catalogue (as 2.41 does with no locale but C.UTF-8), and
    // the game reads the file itself, so that the language still holds
    // where the player's locale was never generated.
    eigener.reset();
    if (*dgettext(Textdomaene, "") == '\0') {
        eigener = Katalog::Lesen(KatalogDatei(verzeichnis, sprache));
    }
}

const char* Nachschlagen(const char* schluessel) {
    if (eigener) {
        return eigener->Finden(schluessel);
    }
    const char* text = dgettext(Textdomaene, schluessel);
    return text == schluessel ? nullptr : text;
}

} // namespace

const std::string& GewaehlteSprache() {
    return gewaehlt;
}

void SpracheWaehlen(const std::string& sprache, const std::string& verzeichnis) {
    gewaehlt = sprache;
    // German needs no catalogue: its texts are the ones in the code.
    if (sprache != Ursprache) {
        KatalogBinden(sprache, verzeichnis);
    }
}

const char* Uebersetzung(const char* deutsch) {
    const char* text = gewaehlt == Ursprache ? nullptr : Nachschlagen(deutsch);
    return text != nullptr ? text : deutsch;
}

const char* UebersetzungIm(const char* zusammenhang, const char* deutsch) {
    if (gewaehlt == Ursprache) {
        return deutsch;
    }
    // As gettext stores it: the context, EOT, the text.
    const std::string schluessel = std::string(zusammenhang) + '\004' + deutsch;
    const char* text = Nachschlagen(schluessel.c_str());
    return text != nullptr ? text : deutsch;
}

std::string Einsetzen(std::string_view text, std::string_view eins, std::string_view zwei) {
    std::string ergebnis;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2')) {
            ergebnis += text[i + 1] == '1' ? eins : zwei;
            ++i;
        } else {
            ergebnis += text[i];
        }
    }
    return ergebnis;
}

std::string Katalogverzeichnis() {
    std::error_code fehler;
    const std::filesystem::path programm = std::filesystem::read_symlink("/proc/self/exe", fehler);
    return (programm.parent_path() / ".." / "share" / "locale").lexically_normal().string();
}

std::string KatalogDatei(const std::string& verzeichnis, const std::string& sprache) {
    return verzeichnis + "/" + sprache + "/LC_MESSAGES/" + Textdomaene + ".mo";
}

std::vector<std::string> BekannteSprachen(const std::string& verzeichnis) {
    std::vector<std::string> sprachen = {Ursprache};
    std::error_code fehler;
    for (const auto& eintrag : std::filesystem::directory_iterator(verzeichnis, fehler)) {
        const std::string katalog = KatalogDatei(verzeichnis, eintrag.path().filename().string());
        if (std::filesystem::is_regular_file(katalog, fehler)) {
            sprachen.push_back(eintrag.path().filename().string());
        }
    }
    std::sort(sprachen.begin(), sprachen.end());
    sprachen.erase(std::unique(sprachen.begin(), sprachen.end()), sprachen.end());
    return sprachen;
}

std::optional<std::string> SpracheAusName(std::string_view name,
                                          const std::vector<std::string>& bekannte) {
    // Code set and modifier do not count; the territory only when a
    // catalogue is made for it.
    const std::string_view ganz = name.substr(0, name.find_first_of(".@"));
    for (const std::string_view kuerzel : {ganz, ganz.substr(0, ganz.find('_'))}) {
        if (std::find(bekannte.begin(), bekannte.end(), kuerzel) != bekannte.end()) {
            return std::string(kuerzel);
        }
    }
    return std::nullopt;
}

std::string SpracheAusUmgebung(const char* language, const char* lcAll, const char* lcMessages,
                               const char* lang, const std::vector<std::string>& bekannte) {
    // The message locale as setlocale sees it: the first of LC_ALL,
    // LC_MESSAGES and LANG that is set; none at all is the C locale.
    const char* locale = Gesetzt(lcAll) ? lcAll : Gesetzt(lcMessages) ? lcMessages : lang;
    const std::string_view ort = Gesetzt(locale) ? locale : "C";
    // As in gettext, LANGUAGE lists the wanted languages in order of
    // preference, but only when a real locale is set: under C or POSIX
    // (including C.UTF-8) the program's own texts stay, which are German.
    if (Neutral(ort)) {
        return Ursprache;
    }
    // The first listed language the game speaks wins, as gettext skips a
    // language it has no catalogue for.
    std::string_view liste = Gesetzt(language) ? language : "";
    while (!liste.empty()) {
        const std::size_t ende = liste.find(':');
        if (auto sprache = SpracheAusName(liste.substr(0, ende), bekannte)) {
            return *sprache;
        }
        liste = ende == std::string_view::npos ? std::string_view() : liste.substr(ende + 1);
    }
    return SpracheAusName(ort, bekannte).value_or(Ursprache);
}

std::string SpracheDesSystems() {
    return SpracheAusUmgebung(std::getenv("LANGUAGE"), std::getenv("LC_ALL"),
                              std::getenv("LC_MESSAGES"), std::getenv("LANG"), BekannteSprachen());
}

} // namespace steinfall
