#include "core/Sprache.h"
#include "core/Texte.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace steinfall {
namespace {

const std::string De = "de";
const std::string En = "en";
const std::string Fr = "fr";
// As if catalogues for English, French and Brazilian Portuguese were installed.
const std::vector<std::string> Bekannte = {"de", "en", "fr", "pt_BR"};

// LANGUAGE, LC_ALL, LC_MESSAGES and LANG as a shell would set them (null:
// unset), and the language the game then speaks.
TEST(Sprache, AusDerUmgebungWieGettext) {
    struct Fall {
        const char* language;
        const char* lcAll;
        const char* lcMessages;
        const char* lang;
        std::string erwartet;
    };
    const Fall faelle[] = {
        {nullptr, nullptr, nullptr, nullptr, De},
        {nullptr, nullptr, nullptr, "en_US.UTF-8", En},
        {nullptr, nullptr, nullptr, "de_DE.UTF-8", De},
        {nullptr, nullptr, nullptr, "fr_FR.UTF-8", Fr},
        {nullptr, nullptr, nullptr, "it_IT.UTF-8", De}, // no catalogue
        {nullptr, nullptr, nullptr, "pt_BR.UTF-8", "pt_BR"},
        {nullptr, nullptr, nullptr, "pt_PT.UTF-8", De}, // only the Brazilian one
        {"nl:fr_CA:en", nullptr, nullptr, "de_DE", Fr}, // the language of fr_CA
        {nullptr, nullptr, nullptr, "C", De},
        {nullptr, nullptr, nullptr, "english", De},
        {"", "", "", "en_GB", En},                      // empty counts as unset
        {nullptr, "de_AT.UTF-8", "en_US", "en_US", De}, // LC_ALL first
        {nullptr, nullptr, "en_US", "de_DE", En},       // then LC_MESSAGES
        {"en", nullptr, nullptr, "de_DE.UTF-8", En},    // LANGUAGE before all
        {"it:en_GB:de", nullptr, nullptr, "de_DE", En}, // its first known language
        {"it:nl", nullptr, nullptr, "en_US", En},       // none known: the locale
        {"en", nullptr, nullptr, "C.UTF-8", De},        // ignored under C
        {"en", "POSIX", nullptr, "en_US", De},
        {"en", nullptr, nullptr, nullptr, De},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(SpracheAusUmgebung(f.language, f.lcAll, f.lcMessages, f.lang, Bekannte),
                  f.erwartet)
            << (f.language ? f.language : "-") << " " << (f.lcAll ? f.lcAll : "-") << " "
            << (f.lcMessages ? f.lcMessages : "-") << " " << (f.lang ? f.lang : "-");
    }
}

// Placeholders are replaced where the translation puts them, in its order;
// any other per cent sign stays.
TEST(Sprache, EinsetzenNachDerUebersetzung) {
    EXPECT_EQ(Einsetzen("Spalte %1: %2", "4", "leer"), "Spalte 4: leer");
    EXPECT_EQ(Einsetzen("%2 en colonne %1", "4", "vide"), "vide en colonne 4");
    EXPECT_EQ(Einsetzen("100 % und %3, %1%1", "x"), "100 % und %3, xx");
    EXPECT_EQ(Einsetzen("Ende %", "x"), "Ende %");
}

namespace fs = std::filesystem;

// Two made-up catalogues in a folder of their own, as an installation holds
// them: "xx" and "yy", the German texts' words replaced.
class Katalogordner : public ::testing::Test {
protected:
    void SetUp() override {
        for (const auto& [sprache, sieg, spieler] : {std::tuple("xx", "Sieg-xx", "spieler-xx"),
                                                     std::tuple("yy", "Sieg-yy", "spieler-yy")}) {
            const fs::path ziel = ordner_ / sprache / "LC_MESSAGES";
            fs::create_directories(ziel);
            const fs::path po = ordner_ / (std::string(sprache) + ".po");
            std::ofstream(po)
                << "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n\n"
                << "msgid \"Sieg\"\nmsgstr \"" << sieg << "\"\n\n"
                << "msgctxt \"Vorlesen\"\nmsgid \"Spieler\"\nmsgstr \"" << spieler << "\"\n";
            const std::string befehl =
                "msgfmt -o '" + (ziel / "steinfall.mo").string() + "' '" + po.string() + "'";
            ASSERT_EQ(std::system(befehl.c_str()), 0) << befehl;
        }
        // A folder without a catalogue of this game is no language.
        fs::create_directories(ordner_ / "zz" / "LC_MESSAGES");
    }
    void TearDown() override {
        SpracheWaehlen(Ursprache);
        fs::remove_all(ordner_);
    }
    const fs::path ordner_ =
        fs::temp_directory_path() / ("steinfall-kataloge-" + std::to_string(getpid()));
};

TEST_F(Katalogordner, BekanntSindDeutschUndJederKatalog) {
    EXPECT_EQ(BekannteSprachen(ordner_.string()), (std::vector<std::string>{"de", "xx", "yy"}));
    EXPECT_EQ(BekannteSprachen((ordner_ / "fehlt").string()), std::vector<std::string>{"de"});
}

// Back and forth in one process, as the tests do: glibc keeps the texts it
// found, and each choice must reach the new catalogue all the same.
TEST_F(Katalogordner, WechselInEinemProzess) {
    const std::string ort = ordner_.string();
    for (const char* sprache : {"xx", "yy", "de", "yy", "xx"}) {
        SpracheWaehlen(sprache, ort);
        const bool deutsch = std::string(sprache) == "de";
        EXPECT_STREQ(Uebersetzung("Sieg"),
                     deutsch ? "Sieg" : ("Sieg-" + std::string(sprache)).c_str())
            << sprache;
        // The word with its context, and the same word without, which these
        // catalogues leave untranslated.
        EXPECT_STREQ(UebersetzungIm("Vorlesen", "Spieler"),
                     deutsch ? "Spieler" : ("spieler-" + std::string(sprache)).c_str())
            << sprache;
        EXPECT_STREQ(Uebersetzung("Spieler"), "Spieler") << sprache;
        EXPECT_STREQ(UebersetzungIm("Vorlesen", "Niederlage"), "Niederlage") << sprache;
    }
}

// The installed English game: the three-line texts are one message each,
// and come out with the game's CR LF between their lines.
TEST(Sprache, EnglischAusDemKatalog) {
    SpracheWaehlen("en");
    Texte t;
    InitSprache(t);
    SpracheWaehlen(Ursprache);
    EXPECT_EQ(t.TxtVerlorenDiagonal,
              "Sorry, you lost!\r\nThe computer got four in a row\r\ndiagonally.");
    EXPECT_EQ(t.TxtGewonnenVertikal, "Well done, you won!\r\nYou got four in a row\r\nvertically.");
    EXPECT_EQ(t.TxtKlicken, "Click a column to drop in a piece.");
    EXPECT_EQ(t.TxtBeendenTitel, "-=Quit=-");
}

} // namespace
} // namespace steinfall
