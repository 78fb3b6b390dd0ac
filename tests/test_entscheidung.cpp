// The decision loop where the decision signature does not reach: a fallback
// without a column, what a decision clears, and the fallback's special case.
// Gates, order and the other steps are pinned by the signature.

#include "ai/Computerzug.h"
#include "ai/Schritte.h"
#include "tests/Stellungen.h"

#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace steinfall {
namespace {

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

TEST(Entscheidungsschleife, NotfallOhneSpalteLaesstAllesNochEinmalLaufen) {
    test::Testanalyse t({".......", ".......", ".......", ".......", ".......", "..SC..."}, 6);
    Schrittspur p{"", {{"N", {0, -3, 153}}}};
    const Entscheidung e = ComputerEntscheiden(t.A, p.Schritte());
    EXPECT_EQ(e.Spalte, 153);
    EXPECT_EQ(e.Schritt, "9h");
    EXPECT_EQ(e.Durchlaeufe, 3);
    const std::string lauf = "D1 D2 L5 V F1 F2 P A1 A2 W N";
    EXPECT_EQ(p.Spur, lauf + " " + lauf + " " + lauf);
    EXPECT_EQ(t.A.WertComputer(6, 4), 6); // not cleared between the runs
}

TEST(Entscheidungsschleife, VorbereitungLoeschtNurDieVorgesehenenZeilen) {
    test::Testanalyse t({".......", ".......", ".......", ".......", ".......", "..SC..."}, 2);
    Analyse& a = t.A;
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

// Every column softly banned, none hard: a column whose free cells all are, or
// lie right above, the human's threat cells counts them, and the smallest odd
// count wins without a draw (the draw would give column 1). No position of
// the signature gets there.
TEST(Notfallwahl, SonderfallNimmtDieKleinsteUngeradeFreizahl) {
    struct Fall {
        std::array<std::string, 6> Bild;
        std::vector<std::pair<int, int>> DrohungenSpieler;
        int Spalte;
    };
    const Fall faelle[] = {
        // Column 2 counts 2, an even count that drops out; column 5 counts 5.
        {{".......", ".......", ".S.....", ".C.....", ".S.....", ".C..S.."},
         {{2, 2}, {2, 5}, {4, 5}, {5, 5}},
         154},
        // Column 3 counts 3, column 6 counts 1.
        {{".......", ".....S.", ".....C.", "..S..S.", "..C..C.", "..S..S."},
         {{2, 3}, {3, 3}, {1, 6}},
         155},
    };
    for (const Fall& f : faelle) {
        test::Testanalyse t(f.Bild);
        FolgeZufall zufall({0.99, 0, 0, 0, 0, 0, 0});
        t.A.Zufall = &zufall;
        for (int spalte = 1; spalte <= AnzahlSpalten; ++spalte) {
            t.A.VerbotWeich(1, spalte) = 1;
        }
        for (const auto& [zeile, spalte] : f.DrohungenSpieler) {
            t.A.DrohungSpieler(zeile, spalte) = 1;
        }
        EXPECT_EQ(NotfallWahl(t.A), f.Spalte);
        EXPECT_EQ(zufall.Verbraucht(), 0u);
    }
}

} // namespace
} // namespace steinfall
