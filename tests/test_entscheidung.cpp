// The decision loop: its gates, its order and what it clears. The steps
// themselves are pinned by the decision signature.

#include "ai/Computerzug.h"
#include "ai/Schritte.h"
#include "tests/Stellungen.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <string>
#include <vector>

namespace steinfall {
namespace {

using Bild = std::array<std::string, 6>;
const Bild LeeresBild = {".......", ".......", ".......", ".......", ".......", "......."};

// Steps that log their calls as tokens (side steps with the side code: "D1"
// is DrohungenPruefen for the computer) and answer from a queue per token.
struct Schrittspur {
    std::string Spur;
    std::map<std::string, std::deque<int>> Antworten;

    Zahl16 Aufruf(const std::string& name) {
        Spur += (Spur.empty() ? "" : " ") + name;
        auto& q = Antworten[name];
        const int wert = q.empty() ? 0 : q.front();
        if (!q.empty()) {
            q.pop_front();
        }
        return wert;
    }

    Entscheidungsschritte Schritte() {
        auto seite = [this](std::string n) {
            return [this, n](Analyse&, Zahl16 s) { return Aufruf(n + std::to_string(s)); };
        };
        auto ohne = [this](std::string n) { return [this, n](Analyse&) { return Aufruf(n); }; };
        Entscheidungsschritte s;
        s.DrohungenPruefen = seite("D");
        s.LetzteSpalte = seite("L");
        s.DoppelDrohungAbwehren = ohne("V");
        s.FuenferMuster = seite("F");
        s.DoppelDrohungBonus = ohne("P");
        s.MusterA = [this](Analyse& a, Zahl16 seite_) {
            a.WertComputer(6, 4) += 1; // scores pile up over repeated runs
            Aufruf("A" + std::to_string(seite_));
        };
        s.MusterB = seite("B");
        s.BesteSpalteWaehlen = ohne("W");
        s.EroeffnungZufall = ohne("E");
        s.ZweiSpaltenRest = ohne("Z");
        s.MusterC = seite("C");
        s.NotfallWahl = ohne("N");
        return s;
    }
};

// One decision with recording steps; NotfallWahl answers 150 unless told.
std::pair<Entscheidung, std::string> Entscheiden(int zugzaehler, int staerke,
                                                 std::map<std::string, std::deque<int>> antworten,
                                                 int volleSpalten = 0) {
    auto t = test::AnalyseAus(LeeresBild, zugzaehler, staerke);
    t->Stand.VolleSpalten = volleSpalten;
    Schrittspur p{"", std::move(antworten)};
    p.Antworten["N"].push_back(150);
    const Entscheidung e = ComputerEntscheiden(t->A, p.Schritte());
    return {e, p.Spur};
}

TEST(Entscheidungsschleife, ToreNachStaerkeUndZugzaehler) {
    EXPECT_EQ(Entscheiden(2, Anfaenger, {}).second, "A1 A2 E W N");
    EXPECT_EQ(Entscheiden(4, Experte, {}).second, "A1 A2 B1 B2 W E W N");
    const std::string ab6 = "D1 D2 L5 V F1 F2 P A1 A2 ";
    EXPECT_EQ(Entscheiden(6, Profi, {}).second, ab6 + "B1 B2 W W C2 N");
    // ZweiSpaltenRest only with exactly five full columns.
    EXPECT_EQ(Entscheiden(42, Anfaenger, {}, 5).second, ab6 + "W Z N");
    EXPECT_EQ(Entscheiden(42, Anfaenger, {}, 4).second, ab6 + "W N");
    EXPECT_EQ(Entscheiden(42, Anfaenger, {}, 6).second, ab6 + "W N");
}

TEST(Entscheidungsschleife, ErsterPositiverWertAntwortetMitSeinemSchritt) {
    const auto pruefe = [](std::pair<Entscheidung, std::string> l, int spalte, const char* schritt,
                           const std::string& spurEnde) {
        EXPECT_EQ(l.first.Spalte, spalte);
        EXPECT_EQ(l.first.Schritt, schritt);
        EXPECT_EQ(l.first.Durchlaeufe, 1);
        EXPECT_TRUE(l.second.ends_with(spurEnde)) << l.second;
    };
    pruefe(Entscheiden(6, Profi, {{"D1", {155}}}), 155, "9a.1", "D1");
    pruefe(Entscheiden(6, Profi, {{"D1", {-1}}, {"D2", {152}}}), 152, "9a.2", "D1 D2");
    pruefe(Entscheiden(6, Profi, {{"L5", {150}}}), 150, "9a.3", "D2 L5");
    pruefe(Entscheiden(6, Profi, {{"V", {156}}}), 156, "9a.4", "L5 V");
    pruefe(Entscheiden(4, Experte, {{"W", {153}}}), 153, "9c", "B2 W");
    pruefe(Entscheiden(4, Experte, {{"W", {0, 154}}}), 154, "9e", "B2 W E W");
    pruefe(Entscheiden(6, Anfaenger, {{"Z", {151}}}, 5), 151, "9f", "W Z");
    pruefe(Entscheiden(6, Anfaenger, {}), 150, "9h", "W N");
    // At move counter 4 there is no 9a.
    EXPECT_EQ(Entscheiden(4, Anfaenger, {{"D1", {155}}}).first.Schritt, "9h");
}

TEST(Entscheidungsschleife, NotfallOhneSpalteLaesstAllesNochEinmalLaufen) {
    auto t = test::AnalyseAus({".......", ".......", ".......", ".......", ".......", "..SC..."}, 6,
                              Anfaenger);
    Schrittspur p{"", {{"N", {0, -3, 153}}}};
    const Entscheidung e = ComputerEntscheiden(t->A, p.Schritte());
    EXPECT_EQ(e.Spalte, 153);
    EXPECT_EQ(e.Schritt, "9h");
    EXPECT_EQ(e.Durchlaeufe, 3);
    const std::string lauf = "D1 D2 L5 V F1 F2 P A1 A2 W N";
    EXPECT_EQ(p.Spur, lauf + " " + lauf + " " + lauf);
    EXPECT_EQ(t->A.WertComputer(6, 4), 6); // not cleared between the runs
}

TEST(Entscheidungsschleife, VorbereitungLoeschtNurDieVorgesehenenZeilen) {
    auto t = test::AnalyseAus({".......", ".......", ".......", ".......", ".......", "..SC..."}, 2,
                              Anfaenger);
    Analyse& a = t->A;
    a.DrohungComputer(0, 1) = a.DrohungSpieler(0, 7) = 5; // row 0 is kept
    a.Arbeitsfeld(8, 2) = 9;                              // and the floor rows
    a.DrohungComputer(10, 7) = a.DrohungSpieler(9, 1) = a.VerbotHart(9, 4) = 5;
    a.WertComputer(8, 3) = a.WertSpieler(1, 1) = a.VerbotWeich(8, 7) = a.Meiden(8, 5) = 5;
    a.MeidenLeicht(6, 2) = 5;
    a.Arbeitsfeld(1, 1) = 2;
    a.Wahl = {156, 40};
    a.CodeComputer = a.CodeSpieler = a.CodeEigen = 7;

    Schrittspur p;
    Entscheidungsschritte s = p.Schritte();
    s.MusterA = [](Analyse&, Zahl16) {};
    p.Antworten["N"] = {150};
    ComputerEntscheiden(a, s);

    EXPECT_EQ(a.DrohungComputer(0, 1) + a.DrohungSpieler(0, 7), 10);
    EXPECT_EQ(a.Arbeitsfeld(8, 2), 9);
    EXPECT_EQ(a.DrohungComputer(10, 7) + a.DrohungSpieler(9, 1) + a.VerbotHart(9, 4) +
                  a.WertComputer(8, 3) + a.WertSpieler(1, 1) + a.VerbotWeich(8, 7) +
                  a.Meiden(8, 5) + a.MeidenLeicht(6, 2) + a.Arbeitsfeld(1, 1),
              0);
    EXPECT_EQ(a.Arbeitsfeld(6, 3), 2);
    EXPECT_EQ(a.Arbeitsfeld(6, 4), 1);
    EXPECT_EQ(a.Wahl.Spalte + a.Wahl.Wert, 0);
    EXPECT_EQ(a.CodeComputer, 1);
    EXPECT_EQ(a.CodeSpieler, 2);
    EXPECT_EQ(a.CodeEigen, 1);
}

} // namespace
} // namespace steinfall
