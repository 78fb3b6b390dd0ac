// The decision signature: fixed positions across every stage of a game and
// every answering step, each with a digest of the whole answer (column, step,
// draws, every array). Any change in how the computer plays shows up here;
// a deliberate change regenerates the file with tools/signatur/erzeugen.py.

#include "tests/Pruefsumme.h"
#include "tools/analyse/Protokoll.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace steinfall {
namespace {

using test::Fnv1a64;

TEST(Entscheidungssignatur, JedeAntwortBleibtWieFestgehalten) {
    std::ifstream datei(STEINFALL_TESTDATEN "/entscheidungen.jsonl");
    ASSERT_TRUE(datei) << "tests/daten/entscheidungen.jsonl fehlt";

    int anzahl = 0;
    int abweichend = 0;
    std::string zeile;
    while (std::getline(datei, zeile)) {
        const auto fall = analyse::Json::parse(zeile);
        const std::string anfrage = fall["Anfrage"];
        const std::string antwort = analyse::AntwortZeile(anfrage);
        ++anzahl;
        if (Fnv1a64(antwort) == fall["Signatur"].get<std::string>()) {
            continue;
        }
        if (++abweichend <= 5) {
            const auto a = analyse::Json::parse(antwort);
            ADD_FAILURE() << anfrage << "\n  erwartet Spalte " << fall["Spalte"] << " aus "
                          << fall["Schritt"] << ", jetzt " << a.value("Spalte", 0) << " aus "
                          << a.value("Schritt", std::string("?")) << "\n  " << antwort;
        }
    }
    EXPECT_GT(anzahl, 500);
    EXPECT_EQ(abweichend, 0) << "von " << anzahl << " Stellungen";
}

} // namespace
} // namespace steinfall
