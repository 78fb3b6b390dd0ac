#include "core/Katalog.h"
#include "core/Sprache.h"

#include <gtest/gtest.h>

#include <libintl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace steinfall {
namespace {

namespace fs = std::filesystem;

std::vector<char> Inhalt(const fs::path& datei) {
    std::ifstream ein(datei, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), {}};
}

// A catalogue compiled by msgfmt in either byte order, with what gettext
// puts into one: the header, a context, a plural, UTF-8 and a line break.
class Katalogdatei : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        fs::create_directories(ordner_);
        std::ofstream(ordner_ / "xx.po")
            << "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n\n"
            << "msgid \"Neues Spiel\"\nmsgstr \"Nouveau jeu\"\n\n"
            << "msgctxt \"Vorlesen\"\nmsgid \"Spieler\"\nmsgstr \"Joueur\"\n\n"
            << "msgid \"Schließen\"\nmsgstr \"Fermer «x»\"\n\n"
            << "msgid \"Zeile\\nzwei\"\nmsgstr \"Ligne\\ndeux\"\n\n"
            << "msgid \"Stein\"\nmsgid_plural \"Steine\"\nmsgstr[0] \"pion\"\n"
            << "msgstr[1] \"pions\"\n\n"
            << "msgid \"Offen\"\nmsgstr \"\"\n";
        const std::string befehl = "msgfmt --endianness=" + std::string(GetParam()) + " -o '" +
                                   Datei().string() + "' '" + (ordner_ / "xx.po").string() + "'";
        ASSERT_EQ(std::system(befehl.c_str()), 0) << befehl;
    }
    void TearDown() override { fs::remove_all(ordner_); }
    fs::path Datei() const { return ordner_ / "xx.mo"; }

    const fs::path ordner_ =
        fs::temp_directory_path() / ("steinfall-katalog-" + std::to_string(getpid()));
};

TEST_P(Katalogdatei, FindetJedenEintrag) {
    const auto katalog = Katalog::Lesen(Datei().string());
    ASSERT_TRUE(katalog);
    EXPECT_STREQ(katalog->Finden("Neues Spiel"), "Nouveau jeu");
    EXPECT_STREQ(katalog->Finden("Vorlesen\004Spieler"), "Joueur");
    EXPECT_STREQ(katalog->Finden("Schließen"), "Fermer «x»");
    EXPECT_STREQ(katalog->Finden("Zeile\nzwei"), "Ligne\ndeux");
    EXPECT_STREQ(katalog->Finden("Stein"), "pion");
    EXPECT_STREQ(katalog->Finden(""), "Content-Type: text/plain; charset=UTF-8\n");
    // Untranslated, without its context, or a part of a text: not there.
    for (const char* fehlt : {"Offen", "Spieler", "Neues", "Neues Spiel ", "Steine"}) {
        EXPECT_EQ(katalog->Finden(fehlt), nullptr) << fehlt;
    }
    EXPECT_EQ(katalog->Eintraege().size(), 6U);
}

// A file cut short anywhere, or with a broken head, is no catalogue; a byte
// changed anywhere else never reads outside the file (the sanitizer run
// would say so).
TEST_P(Katalogdatei, BeschaedigtIstKeinKatalog) {
    const std::vector<char> heil = Inhalt(Datei());
    ASSERT_TRUE(Katalog::AusInhalt(heil));
    for (std::size_t laenge = 0; laenge < heil.size(); ++laenge) {
        EXPECT_FALSE(Katalog::AusInhalt({heil.begin(), heil.begin() + laenge})) << laenge;
    }
    for (std::size_t stelle : {0, 3, 6}) {
        std::vector<char> kaputt = heil;
        kaputt[stelle ^ (GetParam()[0] == 'b' ? 3 : 0)] ^= 0x10;
        EXPECT_FALSE(Katalog::AusInhalt(kaputt)) << stelle;
    }
    // Each text ends in a NUL; without it a text would run on into the next
    // one or past the file's end. (A plural's forms are NUL-separated inside
    // one text.)
    const auto wort = [&](std::size_t stelle) {
        std::uint32_t wert = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            const std::size_t byte = GetParam()[0] == 'b' ? i : 3 - i;
            wert = wert << 8 | static_cast<std::uint8_t>(heil[stelle + byte]);
        }
        return wert;
    };
    for (const std::size_t tabelle : {wort(12), wort(16)}) {
        for (std::size_t i = 0; i < wort(8); ++i) {
            std::vector<char> ohneEnde = heil;
            ohneEnde.at(wort(tabelle + 8 * i + 4) + wort(tabelle + 8 * i)) = 'x';
            EXPECT_FALSE(Katalog::AusInhalt(ohneEnde)) << tabelle << " " << i;
        }
    }
    for (std::size_t stelle = 0; stelle < heil.size(); ++stelle) {
        std::vector<char> veraendert = heil;
        veraendert[stelle] = static_cast<char>(0xff);
        if (const auto katalog = Katalog::AusInhalt(veraendert)) {
            for (const auto& [text, uebersetzung] : katalog->Eintraege()) {
                EXPECT_LE(std::string_view(uebersetzung).size(), heil.size());
            }
        }
    }
    EXPECT_FALSE(Katalog::Lesen((ordner_ / "fehlt.mo").string()));
    EXPECT_FALSE(Katalog::Lesen(ordner_.string()));
}

INSTANTIATE_TEST_SUITE_P(Bytefolgen, Katalogdatei, ::testing::Values("little", "big"));

// Every shipped catalogue reads the same through the game's reader as
// through glibc, where glibc opens it.
TEST(Katalog, LiestWieGlibc) {
    for (const std::string& sprache : BekannteSprachen()) {
        if (sprache == Ursprache) {
            continue;
        }
        const auto katalog = Katalog::Lesen(KatalogDatei(Katalogverzeichnis(), sprache));
        ASSERT_TRUE(katalog) << sprache;
        SpracheWaehlen(sprache);
        if (*dgettext(Textdomaene, "") == '\0') {
            continue; // glibc refuses catalogues on this system
        }
        EXPECT_GT(katalog->Eintraege().size(), 50U) << sprache;
        for (const auto& [text, uebersetzung] : katalog->Eintraege()) {
            EXPECT_STREQ(dgettext(Textdomaene, std::string(text).c_str()), uebersetzung)
                << sprache << ": " << text;
        }
    }
    SpracheWaehlen(Ursprache);
}

// A system on which no locale was ever generated: the chosen language holds
// all the same, whether glibc reads its catalogue (under C.UTF-8 up to
// glibc 2.40) or the game itself.
TEST(Katalog, SpracheOhneErzeugteLocale) {
    const fs::path leer =
        fs::temp_directory_path() / ("steinfall-ohne-locale-" + std::to_string(getpid()));
    fs::create_directories(leer);
    setenv("LOCPATH", leer.c_str(), 1);
    SpracheWaehlen("fr");
    EXPECT_STREQ(Uebersetzung("Neues Spiel"), "Nouveau jeu");
    EXPECT_STREQ(UebersetzungIm("Vorlesen", "Spieler"), "joueur");
    EXPECT_STREQ(Uebersetzung("kein Text des Spiels"), "kein Text des Spiels");
    unsetenv("LOCPATH");
    SpracheWaehlen(Ursprache);
    EXPECT_STREQ(Uebersetzung("Neues Spiel"), "Neues Spiel");
    fs::remove_all(leer);
}

} // namespace
} // namespace steinfall
