// The final choice, the fallback choice and the decision loop's gates.

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

// Runs a random step on the given draws and reports how many it used.
template <typename Schritt>
Zahl16 MitZufall(test::Testanalyse& t, std::vector<double> folge, std::size_t& verbraucht,
                 Schritt schritt) {
    FolgeZufall zufall(std::move(folge));
    t.A.Zufall = &zufall;
    const Zahl16 ergebnis = schritt(t.A);
    verbraucht = zufall.Verbraucht();
    t.A.Zufall = nullptr;
    return ergebnis;
}

Zahl16 Beste(test::Testanalyse& t, double x) {
    std::size_t n = 0;
    const Zahl16 ergebnis = MitZufall(t, {x}, n, BesteSpalteWaehlen);
    EXPECT_EQ(n, 1u);
    return ergebnis;
}

TEST(BesteSpalte, GleichstandFolgtDerMuenzeUndIstZwischenDenFeldernGespiegelt) {
    const int reiheA[7] = {4, 5, 3, 2, 6, 1, 7}; // WertComputer at k = 2, WertSpieler at k = 1
    const int reiheB[7] = {4, 3, 5, 6, 2, 7, 1}; // the other two
    // 2x + 1 in double: 0.49999999999999994 already gives 2.0.
    for (const double x : {0.0, 0.4999999999999999, 0.49999999999999994, 0.5, 0.9999}) {
        const bool k2 = x >= 0.49999999999999994;
        for (const bool computer : {true, false}) {
            const int* reihe = (computer == k2) ? reiheA : reiheB;
            for (int i = 0; i < 7; ++i) {
                for (int j = i + 1; j < 7; ++j) {
                    auto t = test::AnalyseAus(LeeresBild);
                    auto& wert = computer ? t->A.WertComputer : t->A.WertSpieler;
                    wert(3, reihe[j]) = 7;
                    wert(3, reihe[i]) = 7;
                    EXPECT_EQ(Beste(*t, x), reihe[i] + 149)
                        << "x " << x << (computer ? " WertComputer " : " WertSpieler ") << reihe[i]
                        << " vs " << reihe[j];
                }
            }
        }
    }
}

TEST(BesteSpalte, VorrangVerboteUndVolleSpalten) {
    auto t = test::AnalyseAus(LeeresBild);
    t->A.WertComputer(2, 4) = -5;
    t->A.WertComputer(7, 1) = 99; // below the board: never offered
    EXPECT_EQ(Beste(*t, 0.3), 0);
    EXPECT_EQ(t->A.Wahl.Spalte, 0);

    // Any computer cell before any human cell; a higher row before a lower one.
    t->A.WertSpieler(1, 4) = 5;
    t->A.WertComputer(6, 7) = 5;
    t->A.WertComputer(5, 3) = 5;
    EXPECT_EQ(Beste(*t, 0.3), 152);
    t->A.WertSpieler(6, 1) = 6;
    EXPECT_EQ(Beste(*t, 0.3), 150);
    EXPECT_EQ(t->A.Wahl.Wert, 6);

    // VerbotHart even at 101; VerbotWeich up to 19 but not from 20 on.
    t = test::AnalyseAus(LeeresBild);
    t->A.WertComputer(2, 3) = 101;
    t->A.VerbotHart(2, 3) = 1;
    t->A.WertSpieler(6, 6) = 1;
    EXPECT_EQ(Beste(*t, 0.7), 155);
    t->A.WertComputer(4, 2) = 19;
    t->A.VerbotWeich(4, 2) = 1;
    EXPECT_EQ(Beste(*t, 0.7), 155);
    t->A.WertComputer(4, 2) = 20;
    EXPECT_EQ(Beste(*t, 0.7), 151);
    EXPECT_EQ(t->A.Wahl.Wert, 20);

    // A score on a cell of a full column is not offered.
    t = test::AnalyseAus({"...C...", "...S...", "...C...", "...S...", "...C...", "...S..."});
    t->A.WertComputer(1, 4) = 50;
    t->A.WertSpieler(6, 2) = 3;
    EXPECT_EQ(Beste(*t, 0.7), 151);
}

Zahl16 Notfall(test::Testanalyse& t, std::vector<double> folge, std::size_t& verbraucht) {
    return MitZufall(t, std::move(folge), verbraucht, NotfallWahl);
}

// A position whose columns carry the given weights (0, 2, 4, 8 or 16), each
// marker in a different row: a marker anywhere in the column counts.
std::unique_ptr<test::Testanalyse> MitGewichten(const std::array<int, 7>& gewichte,
                                                const Bild& bild = LeeresBild) {
    auto t = test::AnalyseAus(bild);
    Analyse& a = t->A;
    for (int c = 1; c <= 7; ++c) {
        const int z = c % 6 + 1, g = gewichte[c - 1];
        a.VerbotHart(z, c) = g == 16;
        a.VerbotWeich(z, c) = g == 8;
        a.Meiden(z, c) = g == 4;
        a.MeidenLeicht(z, c) = g == 2;
    }
    return t;
}

TEST(Notfall, SchwellenWaehlenDieLeichtestenSpaltenUndZiehenNurFuerDiese) {
    std::size_t n = 0;
    // Schwelle 0. 100x in double: 0.28 gives 128 and 0.29 gives 128 too, a tie.
    auto t = MitGewichten({0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(Notfall(*t, {0.1, 0.28, 0.29, 0.2, 0.1, 0.27, 0.1}, n), 151);
    EXPECT_EQ(n, 7u);
    // ... and 0.03 gives 103 (the exact product lies just below 3).
    EXPECT_EQ(Notfall(*t, {0.025, 0.03, 0.0, 0.0, 0.0, 0.0, 0.0}, n), 151);

    // Schwelle 0 with marked columns; markers below the board do not count.
    t = MitGewichten({2, 2, 0, 2, 2, 0, 2});
    t->A.Meiden(7, 3) = 1;
    t->A.VerbotHart(9, 6) = 1;
    EXPECT_EQ(Notfall(*t, {0.2, 0.7}, n), 155);
    EXPECT_EQ(n, 2u);

    // Schwelle 2; then the worst marker of a column decides its weight.
    t = MitGewichten({2, 4, 2, 4, 4, 4, 4});
    EXPECT_EQ(Notfall(*t, {0.3, 0.6}, n), 152);
    EXPECT_EQ(n, 2u);
    t->A.VerbotWeich(6, 3) = 1;
    EXPECT_EQ(Notfall(*t, {0.3}, n), 150);
    EXPECT_EQ(n, 1u);

    // Schwelle 6; equal draws keep the lower column.
    t = MitGewichten({8, 8, 8, 8, 8, 4, 4});
    EXPECT_EQ(Notfall(*t, {0.5, 0.5}, n), 155);
    EXPECT_EQ(n, 2u);

    // Schwelle 14 without human threats: no special case, all weight-8 columns.
    t = MitGewichten({8, 16, 8, 8, 8, 8, 8});
    EXPECT_EQ(Notfall(*t, {0.1, 0.2, 0.3, 0.4, 0.5, 0.6}, n), 156);
    EXPECT_EQ(n, 6u);

    // Schwelle 30: every column at 16 or full; the full column draws nothing.
    t = MitGewichten({16, 16, 16, 16, 16, 16, 16},
                     {"C......", "S......", "C......", "S......", "C......", "S......"});
    EXPECT_EQ(Notfall(*t, {0.9, 0.1, 0.1, 0.1, 0.1, 0.95}, n), 156);
    EXPECT_EQ(n, 6u);
}

TEST(Notfall, SonderfallUngeraderFreizahlNimmtDieNiedrigsteSpalte) {
    // Weights 8 except column 2 (16). Free cells under the human's threats:
    // column 1: 2 (even), column 3: 3, column 4: none, columns 5 and 6: 1,
    // column 7: 5; column 2 would give 1 but has weight 16.
    auto t = test::AnalyseAus({".......", ".S..CS.", "CC..SC.", "SSC.CS.", "CCS.SC.", "SSC.CSC"});
    for (int c = 1; c <= 7; ++c) {
        t->A.VerbotWeich(1, c) = c == 2 ? 0 : 1;
        t->A.VerbotHart(1, c) = c == 2 ? 1 : 0;
    }
    auto& d = t->A.DrohungSpieler;
    d(2, 1) = d(1, 2) = d(2, 3) = d(3, 3) = d(1, 5) = d(1, 6) = 1;
    d(2, 7) = d(4, 7) = d(6, 7) = 1;
    std::size_t n = 9;
    EXPECT_EQ(Notfall(*t, {}, n), 154);
    EXPECT_EQ(n, 0u);

    d(1, 5) = d(1, 6) = 0;
    EXPECT_EQ(Notfall(*t, {}, n), 152);
    d(3, 3) = 0;
    EXPECT_EQ(Notfall(*t, {}, n), 156);
    d(6, 7) = 0; // no odd count left: the random pick among weight-8 columns
    EXPECT_EQ(Notfall(*t, {0.1, 0.1, 0.1, 0.1, 0.9, 0.1}, n), 155);
    EXPECT_EQ(n, 6u);
}

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
