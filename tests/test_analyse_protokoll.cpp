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

const std::string Reichlich = "[0.5, 0.3, 0.9, 0.1, 0.7, 0.2, 0.8, 0.4, 0.6, 0.05, 0.95, 0.5, "
                              "0.3, 0.9, 0.1, 0.7, 0.2, 0.8, 0.4, 0.6, 0.05, 0.95]";

TEST(AnalyseProtokoll, AntwortZeigtJedesFeldUeberSeineZeilen) {
    Analyse a;
    a.DrohungComputer(0, 1) = 5;
    a.DrohungComputer(10, 7) = 6;
    a.DrohungSpieler(9, 2) = 7;
    a.VerbotHart(9, 7) = 8;
    a.MeidenLeicht(6, 1) = 9;
    a.WertSpieler(1, 3) = -4;
    a.Wahl = {152, 33};
    const Json j = AntwortBauen(a, Entscheidung{152, "9e", 2}, 3);

    std::vector<std::string> schluessel;
    for (const auto& [name, wert] : j.items()) {
        schluessel.push_back(name);
    }
    EXPECT_EQ(schluessel,
              (std::vector<std::string>{"Spalte", "Schritt", "Durchlaeufe", "ZufallVerbraucht",
                                        "Wahl", "Arbeitsfeld", "WertComputer", "WertSpieler",
                                        "DrohungComputer", "DrohungSpieler", "VerbotHart",
                                        "VerbotWeich", "Meiden", "MeidenLeicht"}));
    EXPECT_EQ(j["Spalte"], 152);
    EXPECT_EQ(j["Schritt"], "9e");
    EXPECT_EQ(j["Durchlaeufe"], 2);
    EXPECT_EQ(j["ZufallVerbraucht"], 3);
    EXPECT_EQ(j["Wahl"].dump(), R"({"Spalte":152,"Wert":33})");
    const std::vector<std::pair<const char*, std::size_t>> zeilen = {
        {"Arbeitsfeld", 8},      {"WertComputer", 8},    {"WertSpieler", 8},
        {"DrohungComputer", 11}, {"DrohungSpieler", 10}, {"VerbotHart", 9},
        {"VerbotWeich", 8},      {"Meiden", 8},          {"MeidenLeicht", 6}};
    for (const auto& [name, anzahl] : zeilen) {
        ASSERT_EQ(j[name].size(), anzahl) << name;
        for (const Json& reihe : j[name]) {
            EXPECT_EQ(reihe.size(), 7u) << name;
        }
    }
    EXPECT_EQ(j["DrohungComputer"][0][0], 5);
    EXPECT_EQ(j["DrohungComputer"][10][6], 6);
    EXPECT_EQ(j["DrohungSpieler"][9][1], 7);
    EXPECT_EQ(j["VerbotHart"][8][6], 8);
    EXPECT_EQ(j["MeidenLeicht"][5][0], 9);
    EXPECT_EQ(j["WertSpieler"][0][2], -4);
    EXPECT_EQ(j["Arbeitsfeld"][7][3], Boden);
}

TEST(AnalyseProtokoll, GueltigeAnfragen) {
    // Six full columns: whatever step answers, only column 3 can take the stone.
    const std::string brett =
        BrettText({"SC.SCSC", "CS.CSCS", "SC.SCSC", "CSSCSCS", "SCCSCSC", "CSSCSCS"});
    for (const int staerke : {Anfaenger, Experte, Profi}) {
        const Json j = Beantworten(Anfragezeile(brett, 38, staerke, Reichlich));
        ASSERT_FALSE(j.contains("Fehler")) << j.dump();
        EXPECT_EQ(j["Spalte"], 152);
        EXPECT_EQ(j["Durchlaeufe"], 1);
        EXPECT_LE(j["ZufallVerbraucht"].get<int>(), 22);
        // The computer's stones ('2') become 1 in the working board.
        EXPECT_EQ(j["Arbeitsfeld"][0].dump(), "[2,1,0,2,1,2,1]");
        EXPECT_EQ(j["Arbeitsfeld"][5].dump(), "[1,2,2,1,2,1,2]");
    }

    // The whole answer for an empty board is pinned by the decision signature.
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
    };
    for (const auto& [zeile, teil] : faelle) {
        const Json j = Beantworten(zeile);
        ASSERT_EQ(j.size(), 1u) << zeile;
        ASSERT_TRUE(j.contains("Fehler")) << zeile;
        EXPECT_NE(j["Fehler"].get<std::string>().find(teil), std::string::npos)
            << zeile << " -> " << j["Fehler"];
        EXPECT_EQ(AntwortZeile(zeile).find('\n'), std::string::npos);
    }
}

} // namespace
} // namespace steinfall::analyse
