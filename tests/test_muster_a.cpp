#include "ai/Schritte.h"
#include "tests/Stellungen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace steinfall {
namespace {

using Bild = std::array<std::string, 6>;
constexpr bool Computer = true;
constexpr bool Spieler = false;

// Family A for one side, after `marken` has set threat markers by hand.
template <class Marken>
std::unique_ptr<test::Testanalyse> Lauf(const Bild& bild, bool computer, Marken marken) {
    auto t = test::AnalyseAus(bild);
    marken(t->A);
    MusterA(t->A, computer ? t->A.CodeComputer : t->A.CodeSpieler);
    return t;
}
std::unique_ptr<test::Testanalyse> Lauf(const Bild& bild, bool computer) {
    return Lauf(bild, computer, [](Analyse&) {});
}

// Every cell of the arrays family A may write, and of those it must not.
std::vector<int> Abbild(const Analyse& a) {
    std::vector<int> werte;
    auto anhaengen = [&](const auto& feld) {
        for (int z = feld.Erste; z <= feld.Letzte; ++z) {
            for (int s = 1; s <= 7; ++s) {
                werte.push_back(feld(z, s));
            }
        }
    };
    anhaengen(a.WertComputer);
    anhaengen(a.WertSpieler);
    anhaengen(a.Meiden);
    anhaengen(a.VerbotWeich);
    anhaengen(a.VerbotHart);
    anhaengen(a.MeidenLeicht);
    return werte;
}
int Geschrieben(const Analyse& a) {
    const auto werte = Abbild(a);
    return static_cast<int>(werte.size() - std::count(werte.begin(), werte.end(), 0));
}

TEST(MusterA, LeeresBrettZeileSechsUndReihenfolge) {
    auto t = test::AnalyseAus({".......", ".......", ".......", ".......", ".......", "......."});
    int anker = 0;
    t->A.Ereignisse = [&] { ++anker; };
    MusterA(t->A, t->A.CodeComputer);
    MusterA(t->A, t->A.CodeSpieler);
    EXPECT_EQ(Geschrieben(t->A), 0);
    EXPECT_EQ(anker, 2 * 288);

    t = Lauf({".......", ".......", ".......", ".......", ".......", "C..C..."}, Computer);
    EXPECT_EQ(t->A.WertComputer(6, 2), 1);
    EXPECT_EQ(t->A.WertComputer(6, 3), 1);
    EXPECT_EQ(Geschrieben(t->A), 2);

    // A horizontal window in row 1 reads row 0 of the threat arrays.
    t = Lauf({"C..C...", ".SS....", ".SS....", ".SS....", ".SS....", ".SS...."}, Computer);
    EXPECT_EQ(t->A.WertComputer(1, 2), 1);
    EXPECT_EQ(t->A.WertComputer(1, 3), 1);

    // Rule 1 of the human's window under the computer's row-6 window: both
    // calls together leave -1, in either order.
    const Bild bild{".......", ".......", ".......", ".......", "S..S...", "C..C..."};
    auto vorwaerts = test::AnalyseAus(bild);
    auto rueckwaerts = test::AnalyseAus(bild);
    for (Analyse* a : {&vorwaerts->A, &rueckwaerts->A}) {
        a->DrohungSpieler(4, 3) = 1;
    }
    const Analyse& a = vorwaerts->A;
    MusterA(vorwaerts->A, a.CodeComputer);
    MusterA(vorwaerts->A, a.CodeSpieler);
    MusterA(rueckwaerts->A, a.CodeSpieler);
    MusterA(rueckwaerts->A, a.CodeComputer);
    EXPECT_EQ(Abbild(a), Abbild(rueckwaerts->A));
    EXPECT_EQ(a.WertComputer(6, 2), -1);
    EXPECT_EQ(a.WertComputer(6, 3), -1);
    EXPECT_EQ(a.Meiden(6, 2), 1);
    EXPECT_EQ(a.Meiden(6, 3), 1);
    EXPECT_EQ(a.VerbotWeich(6, 2), 1); // DrohungSpieler above the other gap
    EXPECT_EQ(a.VerbotWeich(6, 3), 0); // looks at (4, 2)
}

TEST(MusterA, Regel1NurFuerDenSpielerUndUeberStein) {
    // The computer's floating window: nothing, whatever the markers say.
    auto t = Lauf({".......", ".......", ".......", ".......", "C..C...", "......."}, Computer,
                  [](Analyse& a) { a.DrohungSpieler(4, 3) = a.DrohungSpieler(4, 2) = 1; });
    EXPECT_EQ(Geschrieben(t->A), 0);
    // The cell two below the gap is empty too: nothing.
    t = Lauf({".......", ".......", ".......", "S..S...", "C..C...", "C..C..."}, Spieler);
    EXPECT_EQ(Geschrieben(t->A), 0);
    // Gaps in row 6 stand on the floor: rule 2, never rule 1.
    t = Lauf({".......", ".......", ".......", ".......", ".......", "S..S..."}, Spieler);
    EXPECT_EQ(t->A.WertSpieler(6, 2), 1);
    EXPECT_EQ(Geschrieben(t->A), 2);
}

TEST(MusterA, ZeilenDerRegel2) {
    // A1 at anchor (4, 2), gap h = (4, 3), other gap o = (4, 4).
    auto computer = [](auto marken) {
        return Lauf({".......", ".......", ".......", ".C..C..", "..SS...", "..SS..."}, Computer,
                    marken)
            ->A.WertComputer(4, 3);
    };
    EXPECT_EQ(computer([](Analyse&) {}), 1);
    EXPECT_EQ(computer([](Analyse& a) { a.DrohungComputer(4, 4) = 2; }), 0);      // a
    EXPECT_EQ(computer([](Analyse& a) { a.DrohungComputer(5, 4) = 1; }), 1 + 7);  // b
    EXPECT_EQ(computer([](Analyse& a) { a.DrohungComputer(3, 4) = 1; }), 1 + 32); // c
    EXPECT_EQ(computer([](Analyse& a) { a.DrohungSpieler(5, 4) = 1; }), 1 + 7);   // d
    EXPECT_EQ(computer([](Analyse& a) { a.DrohungSpieler(4, 4) = 1; }), 1 + 7);   // d
    EXPECT_EQ(computer([](Analyse& a) { a.DrohungSpieler(3, 4) = 1; }), 1);

    auto spieler = [](auto marken) {
        return Lauf({".......", ".......", ".......", ".S..S..", "..CC...", "..CC..."}, Spieler,
                    marken)
            ->A.WertSpieler(4, 3);
    };
    EXPECT_EQ(spieler([](Analyse& a) { a.DrohungSpieler(4, 4) = 1; }), 0);      // e
    EXPECT_EQ(spieler([](Analyse& a) { a.DrohungSpieler(5, 4) = 1; }), 1 + 7);  // f
    EXPECT_EQ(spieler([](Analyse& a) { a.DrohungSpieler(3, 4) = 1; }), 1 + 7);  // g: 7, not U
    EXPECT_EQ(spieler([](Analyse& a) { a.DrohungComputer(5, 4) = 1; }), 1 + 7); // k
    EXPECT_EQ(spieler([](Analyse& a) { a.DrohungComputer(4, 4) = 1; }), 1 + 7); // k
    EXPECT_EQ(spieler([](Analyse& a) { a.DrohungComputer(3, 4) = 1; }), 1);
}

// The diagonal passes whose two gaps differ. Each picture matches only the
// named pass (the board edge or the anchor range cuts off its neighbours).
TEST(MusterA, BasisUndUJeLuecke) {
    struct Luecke {
        int Zeile, Spalte, Basis, U;
    };
    struct Fall {
        const char* Pass;
        Bild Stellung;
        Luecke Erste, Zweite;
    };
    const Fall faelle[] = {
        {"A9", {"", "", "C......", ".C.....", ".......", "..S...."}, {5, 3, 2, 7}, {6, 4, 1, 10}},
        {"A10", {"", "", ".......", "SC.....", ".......", "..SC..."}, {3, 1, 2, 8}, {5, 3, 1, 7}},
        {"A11", {"", "", ".......", "SC.....", "..C....", "......."}, {3, 1, 1, 7}, {6, 4, 2, 7}},
        {"A12", {"", "", "C......", ".......", ".SC....", "......."}, {4, 2, 2, 7}, {6, 4, 1, 7}},
        {"A13", {"", "", ".......", ".....CS", "....C..", "......."}, {3, 7, 2, 7}, {6, 4, 1, 7}},
        {"A15", {"", "", "......C", ".....C.", ".......", "....S.."}, {5, 5, 2, 7}, {6, 4, 1, 7}},
        {"A16", {"", "", ".......", ".....CS", ".......", "...CS.."}, {3, 7, 2, 14}, {5, 5, 1, 7}},
        {"A17", {"", "", "......C", ".......", "....CS.", "......."}, {4, 6, 2, 14}, {6, 4, 1, 7}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.Pass);
        Bild bild = f.Stellung;
        Bild getauscht = f.Stellung;
        for (int z = 0; z < 6; ++z) {
            bild[z].resize(7, '.');
            getauscht[z].resize(7, '.');
            for (char& zeichen : getauscht[z]) {
                zeichen = zeichen == 'C' ? 'S' : zeichen == 'S' ? 'C' : zeichen;
            }
        }
        auto t = Lauf(bild, Computer);
        EXPECT_EQ(t->A.WertComputer(f.Erste.Zeile, f.Erste.Spalte), f.Erste.Basis);
        EXPECT_EQ(t->A.WertComputer(f.Zweite.Zeile, f.Zweite.Spalte), f.Zweite.Basis);
        // Line c: a computer threat above the other gap.
        t = Lauf(bild, Computer, [&](Analyse& a) {
            a.DrohungComputer(f.Zweite.Zeile - 1, f.Zweite.Spalte) = 1;
            a.DrohungComputer(f.Erste.Zeile - 1, f.Erste.Spalte) = 1;
        });
        EXPECT_EQ(t->A.WertComputer(f.Erste.Zeile, f.Erste.Spalte), f.Erste.Basis + f.Erste.U);
        EXPECT_EQ(t->A.WertComputer(f.Zweite.Zeile, f.Zweite.Spalte), f.Zweite.Basis + f.Zweite.U);
        // The human's windows share the base.
        t = Lauf(getauscht, Spieler);
        EXPECT_EQ(t->A.WertSpieler(f.Erste.Zeile, f.Erste.Spalte), f.Erste.Basis);
        EXPECT_EQ(t->A.WertSpieler(f.Zweite.Zeile, f.Zweite.Spalte), f.Zweite.Basis);
    }
}

// Each exception at its own gap, and the pass's other gap by the template.
TEST(MusterA, Ausnahmen) {
    // A2, w3, line g: 10 + anchor row; w2 keeps 7.
    auto t = Lauf({".......", ".......", ".......", ".......", ".......", "SS....."}, Spieler,
                  [](Analyse& a) { a.DrohungSpieler(5, 3) = a.DrohungSpieler(5, 4) = 1; });
    EXPECT_EQ(t->A.WertSpieler(6, 4), 2 + 16);
    EXPECT_EQ(t->A.WertSpieler(6, 3), 2 + 7);
    t = Lauf({".......", ".......", ".......", ".......", "SS.....", "CCCC..."}, Spieler,
             [](Analyse& a) { a.DrohungSpieler(4, 3) = 1; });
    EXPECT_EQ(t->A.WertSpieler(5, 4), 2 + 15);

    // A3 (gaps w0 = (5, 4), w1 = (5, 5)). Line f of w0 adds 11, of w1 7.
    const Bild a3Spieler{".......", ".......", ".......", ".......", ".....SS", "...CC.."};
    t = Lauf(a3Spieler, Spieler,
             [](Analyse& a) { a.DrohungSpieler(6, 5) = a.DrohungSpieler(6, 4) = 1; });
    EXPECT_EQ(t->A.WertSpieler(5, 4), 2 + 11);
    EXPECT_EQ(t->A.WertSpieler(5, 5), 2 + 7);
    // Line d of w1 looks at the gap itself, not below w0; the computer's
    // line b stays 7.
    const Bild a3Computer{".......", ".......", ".......", ".......", ".....CC", "...SS.."};
    t = Lauf(a3Computer, Computer, [](Analyse& a) { a.DrohungSpieler(5, 5) = 1; });
    EXPECT_EQ(t->A.WertComputer(5, 5), 2 + 7);
    EXPECT_EQ(t->A.WertComputer(5, 4), 2 + 7);
    t = Lauf(a3Computer, Computer,
             [](Analyse& a) { a.DrohungSpieler(6, 4) = a.DrohungComputer(6, 5) = 1; });
    EXPECT_EQ(t->A.WertComputer(5, 5), 2);
    EXPECT_EQ(t->A.WertComputer(5, 4), 2 + 7);

    // A9 (gaps w2 = (4, 3), w3 = (5, 4)): line d of w2 tests DrohungComputer below w3.
    t = Lauf({".......", "C......", ".C.....", ".......", "..S....", "...S..."}, Computer,
             [](Analyse& a) { a.DrohungComputer(6, 4) = a.DrohungComputer(5, 3) = 1; });
    EXPECT_EQ(t->A.WertComputer(4, 3), 2 + 7 + 7);
    EXPECT_EQ(t->A.WertComputer(5, 4), 1 + 7);

    // A14 (gaps w0 = (3, 7), w1 = (4, 6)): rule 1 of w0 also bans through
    // DrohungSpieler below w1; w1 does not look below w0.
    t = Lauf({".......", ".......", ".......", ".......", "....S.C", "...S.C."}, Spieler,
             [](Analyse& a) { a.DrohungSpieler(5, 6) = a.DrohungSpieler(4, 7) = 1; });
    EXPECT_EQ(t->A.VerbotWeich(4, 7), 1);
    EXPECT_EQ(t->A.Meiden(4, 7), 1);
    EXPECT_EQ(t->A.WertComputer(4, 7), -2);
    EXPECT_EQ(t->A.VerbotWeich(5, 6), 0);
    EXPECT_EQ(t->A.Meiden(5, 6), 1);

    // A15 (gaps w2 = (4, 5), w3 = (5, 4)): line f of w2 adds 11, of w3 7.
    t = Lauf({".......", "......S", ".....S.", ".......", "....C..", "...C..."}, Spieler,
             [](Analyse& a) { a.DrohungSpieler(6, 4) = a.DrohungSpieler(5, 5) = 1; });
    EXPECT_EQ(t->A.WertSpieler(4, 5), 2 + 11);
    EXPECT_EQ(t->A.WertSpieler(5, 4), 1 + 7);

    // A17 (gaps w1 = (3, 6), w3 = (5, 4)): line k of w3 tests DrohungSpieler
    // below w1; w1 keeps DrohungComputer.
    t = Lauf({".......", "......S", ".......", "....SC.", ".......", "...C..."}, Spieler,
             [](Analyse& a) { a.DrohungSpieler(4, 6) = a.DrohungSpieler(6, 4) = 1; });
    EXPECT_EQ(t->A.WertSpieler(5, 4), 1 + 7 + 7);
    EXPECT_EQ(t->A.WertSpieler(3, 6), 2 + 7);
}

} // namespace
} // namespace steinfall
