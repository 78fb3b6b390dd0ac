// steinfall-analyse's requests and answers, through its library.

#include "tests/Stellungen.h"
#include "tools/analyse/Protokoll.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace steinfall::analyse {
namespace {

std::string BrettText(const std::array<std::string, 6>& bild) {
    std::string text;
    for (const Zahl16 zelle : test::BrettAus(bild)) {
        text += static_cast<char>('0' + zelle);
    }
    return text;
}

std::string Anfragezeile(const std::string& brett, int zugzaehler, int staerke,
                         const std::string& zufall) {
    return R"({"Brett": ")" + brett + R"(", "Zugzaehler": )" + std::to_string(zugzaehler) +
           R"(, "Spielstaerke": )" + std::to_string(staerke) + R"(, "Zufall": )" + zufall + "}";
}

// The answers' contents, keys and order are pinned byte for byte by the
// decision signature; here the reading of requests.
TEST(AnalyseProtokoll, GueltigeAnfragen) {
    // Draws may be written as integers; extra keys are ignored.
    const Json k = Beantworten(R"({"Brett": ")" + std::string(42, '0') +
                               R"(", "Zugzaehler": 2, "Spielstaerke": 1, "Notiz": "x", )"
                               R"("Zufall": [0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0]})");
    EXPECT_FALSE(k.contains("Fehler")) << k.dump();
}

TEST(AnalyseProtokoll, UngueltigeAnfragenNennenIhrProblem) {
    const std::string leer(42, '0');
    const std::string voll =
        BrettText({"SCSCSCS", "CSCSCSC", "SCSCSCS", "CSCSCSC", "SCSCSCS", "CSCSCSC"});
    const std::vector<std::pair<std::string, std::string>> faelle = {
        {"", "leere Zeile"},
        {"  \r", "leere Zeile"},
        {"{\"Brett\": ", "kein gültiges JSON"},
        {"[1, 2]", "JSON-Objekt"},
        {R"({"Brett": 1e999})", "kein gültiges JSON"},
        {R"({"Zugzaehler": 2, "Spielstaerke": 1, "Zufall": []})", "\"Brett\" fehlt"},
        {R"({"Brett": ")" + leer + R"(", "Spielstaerke": 1, "Zufall": []})",
         "\"Zugzaehler\" fehlt"},
        {R"({"Brett": ")" + leer + R"(", "Zugzaehler": 2, "Zufall": []})",
         "\"Spielstaerke\" fehlt"},
        {R"({"Brett": ")" + leer + R"(", "Zugzaehler": 2, "Spielstaerke": 1})", "\"Zufall\" fehlt"},
        {R"({"Brett": 5})", "Zeichenkette"},
        {Anfragezeile(leer + "0", 2, 1, "[]"), "43 Zeichen statt 42"},
        {Anfragezeile("x" + leer.substr(1), 2, 1, "[]"), "Zeichen \"x\""},
        {Anfragezeile("ä" + leer.substr(1), 2, 1, "[]"), "Zeichen \"ä\""},
        {Anfragezeile(BrettText({".......", ".......", ".......", ".......", "...S...", "......."}),
                      2, 1, "[]"),
         "Feld 31 (Reihe 4, Spalte 3) steht über einem leeren Feld"},
        {Anfragezeile(voll, 42, 1, "[]"), "voll"},
        {Anfragezeile(leer, 7, 1, "[]"), "\"Zugzaehler\" ist 7"},
        {Anfragezeile(leer, 0, 1, "[]"), "\"Zugzaehler\" ist 0"},
        {Anfragezeile(leer, 44, 1, "[]"), "\"Zugzaehler\" ist 44"},
        {R"({"Brett": ")" + leer + R"(", "Zugzaehler": 6.0, "Spielstaerke": 1, "Zufall": []})",
         "\"Zugzaehler\" muss eine ganze Zahl sein"},
        {Anfragezeile(leer, 2, 2, "[]"), "\"Spielstaerke\" ist 2"},
        {Anfragezeile(leer, 2, 5, "[]"), "\"Spielstaerke\" ist 5"},
        {Anfragezeile(leer, 2, 1, "0.5"), "\"Zufall\" muss eine Liste"},
        {Anfragezeile(leer, 2, 1, "[0.5, \"0.5\"]"), "\"Zufall\"[1] ist keine Zahl"},
        {Anfragezeile(leer, 2, 1, "[0.5, 1.0]"), "\"Zufall\"[1] ist 1.0"},
        {Anfragezeile(leer, 2, 1, "[-0.001]"), "\"Zufall\"[0] ist -0.001"},
        {Anfragezeile(leer, 2, 1, "[0.5]"), "zu wenige"},
        // Brackets inside a text do not nest; deep nesting is refused unparsed.
        {Anfragezeile(std::string(50, '['), 2, 1, "[]"), "50 Zeichen statt 42"},
        {R"({"Brett": )" + std::string(17, '[') + std::string(17, ']') + "}", "zu tief"},
        // Lists are named by their kind, long values cut short.
        {R"({"Brett": [[1, 2]]})", "ist aber eine Liste"},
        {Anfragezeile(leer, 2, 1, "[\"" + std::string(300, 'x') + "\"]"), "\"xxxxxxx"},
    };
    for (const auto& [zeile, teil] : faelle) {
        const Json j = Beantworten(zeile);
        ASSERT_EQ(j.size(), 1u) << zeile;
        ASSERT_TRUE(j.contains("Fehler")) << zeile;
        EXPECT_NE(j["Fehler"].get<std::string>().find(teil), std::string::npos)
            << zeile << " -> " << j["Fehler"];
        EXPECT_EQ(AntwortZeile(zeile).find('\n'), std::string::npos);
        EXPECT_LT(j["Fehler"].get<std::string>().size(), 120u) << j["Fehler"];
    }
}

} // namespace
} // namespace steinfall::analyse
