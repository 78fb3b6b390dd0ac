#include "ai/Schritte.h"
#include "tests/Stellungen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace steinfall {
namespace {

constexpr bool Computer = true;
constexpr bool Spieler = false;

// A threat marker set by hand: 'C' in DrohungComputer, 'S' in DrohungSpieler.
struct Marke {
    char Feld;
    int Zeile, Spalte, Wert = 1;
};

// Family A for one side on a board given by its lowest rows.
std::unique_ptr<test::Testanalyse> Lauf(const std::vector<std::string>& unten, bool computer,
                                        const std::vector<Marke>& marken = {}) {
    std::array<std::string, 6> bild;
    bild.fill(".......");
    std::copy(unten.begin(), unten.end(), bild.end() - unten.size());
    auto t = test::AnalyseAus(bild);
    for (const Marke& m : marken) {
        auto& feld = m.Feld == 'C' ? t->A.DrohungComputer(m.Zeile, m.Spalte)
                                   : t->A.DrohungSpieler(m.Zeile, m.Spalte);
        feld = m.Wert;
    }
    MusterA(t->A, computer ? t->A.CodeComputer : t->A.CodeSpieler);
    return t;
}

// The arrays family A writes, cell by cell.
std::vector<int> Abbild(const Analyse& a) {
    std::vector<int> werte;
    for (int z = 1; z <= 8; ++z) {
        for (int s = 1; s <= 7; ++s) {
            for (int w :
                 {a.WertComputer(z, s), a.WertSpieler(z, s), a.Meiden(z, s), a.VerbotWeich(z, s)}) {
                werte.push_back(w);
            }
        }
    }
    return werte;
}
int Geschrieben(const Analyse& a) {
    const auto w = Abbild(a);
    return static_cast<int>(w.size() - std::count(w.begin(), w.end(), 0));
}

TEST(MusterA, LeeresBrettZeileSechsZeileEins) {
    auto t = Lauf({}, Computer);
    int anker = 0;
    t->A.Ereignisse = [&] { ++anker; };
    MusterA(t->A, t->A.CodeSpieler);
    EXPECT_EQ(anker, 288);
    EXPECT_EQ(Geschrieben(t->A), 0);

    t = Lauf({"C..C..."}, Computer);
    EXPECT_EQ(t->A.WertComputer(6, 2), 1);
    EXPECT_EQ(t->A.WertComputer(6, 3), 1);
    EXPECT_EQ(Geschrieben(t->A), 2);
    // Line a wants no threat at all at the other gap.
    EXPECT_EQ(Lauf({"C..C..."}, Computer, {{'C', 6, 3, 2}})->A.WertComputer(6, 2), 0);

    // The cell above the other gap lies in row 0 of the threat arrays.
    t = Lauf({"C..C...", ".SS....", ".SS....", ".SS....", ".SS....", ".SS...."}, Computer);
    EXPECT_EQ(t->A.WertComputer(1, 2), 1);
    EXPECT_EQ(Geschrieben(t->A), 2);
}

TEST(MusterA, Regel1) {
    // The human's floating window over the computer's row-6 window, in both orders.
    auto t = Lauf({"S..S...", "C..C..."}, Spieler, {{'S', 4, 3}});
    MusterA(t->A, t->A.CodeComputer);
    auto umgekehrt = Lauf({"S..S...", "C..C..."}, Computer, {{'S', 4, 3}});
    MusterA(umgekehrt->A, umgekehrt->A.CodeSpieler);
    EXPECT_EQ(Abbild(t->A), Abbild(umgekehrt->A));
    EXPECT_EQ(t->A.WertComputer(6, 2), -1);
    EXPECT_EQ(t->A.WertComputer(6, 3), -1);
    EXPECT_EQ(t->A.Meiden(6, 2), 1);
    EXPECT_EQ(t->A.Meiden(6, 3), 1);
    EXPECT_EQ(t->A.VerbotWeich(6, 2), 1); // DrohungSpieler above the other gap
    EXPECT_EQ(t->A.VerbotWeich(6, 3), 0); // looks at (4, 2)

    // Not on the computer side, not over two empty cells, not on the floor.
    EXPECT_EQ(Geschrieben(Lauf({"C..C...", "......."}, Computer, {{'S', 4, 3}})->A), 0);
    EXPECT_EQ(Geschrieben(Lauf({"S..S...", "C..C...", "C..C..."}, Spieler)->A), 0);
    EXPECT_EQ(Geschrieben(Lauf({"S..S..."}, Spieler)->A), 2);
}

// Diagonal passes whose gaps differ. The board edge or the anchor range keeps
// every other window off the two stones.
TEST(MusterA, BasisUndUJeLuecke) {
    struct Fall {
        const char* Pass;
        std::vector<std::string> Unten; // rows 3..6
        int Z1, S1, Basis1, U1, Z2, S2, Basis2, U2;
    };
    const Fall faelle[] = {
        {"A9", {"C......", ".C.....", ".......", "..S...."}, 5, 3, 2, 7, 6, 4, 1, 10},
        {"A10", {".......", "SC.....", ".......", "..SC..."}, 3, 1, 2, 8, 5, 3, 1, 7},
        {"A11", {".......", "SC.....", "..C....", "......."}, 3, 1, 1, 7, 6, 4, 2, 7},
        {"A12", {"C......", ".......", ".SC....", "......."}, 4, 2, 2, 7, 6, 4, 1, 7},
        {"A13", {".......", ".....CS", "....C..", "......."}, 3, 7, 2, 7, 6, 4, 1, 7},
        {"A15", {"......C", ".....C.", ".......", "....S.."}, 5, 5, 2, 7, 6, 4, 1, 7},
        {"A16", {".......", ".....CS", ".......", "...CS.."}, 3, 7, 2, 14, 5, 5, 1, 7},
        {"A17", {"......C", ".......", "....CS.", "......."}, 4, 6, 2, 14, 6, 4, 1, 7},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.Pass);
        auto t = Lauf(f.Unten, Computer);
        EXPECT_EQ(t->A.WertComputer(f.Z1, f.S1), f.Basis1);
        EXPECT_EQ(t->A.WertComputer(f.Z2, f.S2), f.Basis2);
        // Line c: a computer threat above the other gap.
        t = Lauf(f.Unten, Computer, {{'C', f.Z2 - 1, f.S2}, {'C', f.Z1 - 1, f.S1}});
        EXPECT_EQ(t->A.WertComputer(f.Z1, f.S1), f.Basis1 + f.U1);
        EXPECT_EQ(t->A.WertComputer(f.Z2, f.S2), f.Basis2 + f.U2);
    }
}

// Each exception at its own gap; the pass's other gap follows the template.
TEST(MusterA, Ausnahmen) {
    // A2, gaps (r, 3) and (r, 4): line g of the second adds 10 + r.
    auto t = Lauf({"SS....."}, Spieler, {{'S', 5, 3}, {'S', 5, 4}});
    EXPECT_EQ(t->A.WertSpieler(6, 4), 2 + 16);
    EXPECT_EQ(t->A.WertSpieler(6, 3), 2 + 7);
    EXPECT_EQ(Lauf({"SS.....", "CCCC..."}, Spieler, {{'S', 4, 3}})->A.WertSpieler(5, 4), 2 + 15);

    // A3, gaps (5, 4) and (5, 5): line f of the first adds 11; the computer's
    // line b stays 7. Line d of the second looks at the gap, not below o.
    t = Lauf({".....SS", "...CC.."}, Spieler, {{'S', 6, 5}, {'S', 6, 4}});
    EXPECT_EQ(t->A.WertSpieler(5, 4), 2 + 11);
    EXPECT_EQ(t->A.WertSpieler(5, 5), 2 + 7);
    t = Lauf({".....CC", "...SS.."}, Computer, {{'S', 5, 5}});
    EXPECT_EQ(t->A.WertComputer(5, 5), 2 + 7);
    EXPECT_EQ(t->A.WertComputer(5, 4), 2 + 7);
    t = Lauf({".....CC", "...SS.."}, Computer, {{'S', 6, 4}, {'C', 6, 5}});
    EXPECT_EQ(t->A.WertComputer(5, 5), 2);
    EXPECT_EQ(t->A.WertComputer(5, 4), 2 + 7);

    // A9, gaps (4, 3) and (5, 4): line d of the first tests DrohungComputer below o.
    t = Lauf({"C......", ".C.....", ".......", "..S....", "...S..."}, Computer,
             {{'C', 6, 4}, {'C', 5, 3}});
    EXPECT_EQ(t->A.WertComputer(4, 3), 2 + 7 + 7);
    EXPECT_EQ(t->A.WertComputer(5, 4), 1 + 7);

    // A14, gaps (3, 7) and (4, 6): rule 1 of the first also bans through
    // DrohungSpieler below o.
    t = Lauf({"....S.C", "...S.C."}, Spieler, {{'S', 5, 6}, {'S', 4, 7}});
    EXPECT_EQ(t->A.VerbotWeich(4, 7), 1);
    EXPECT_EQ(t->A.WertComputer(4, 7), -2);
    EXPECT_EQ(t->A.VerbotWeich(5, 6), 0);
    EXPECT_EQ(t->A.Meiden(5, 6), 1);

    // A15, gaps (4, 5) and (5, 4): line f of the first adds 11.
    t = Lauf({"......S", ".....S.", ".......", "....C..", "...C..."}, Spieler,
             {{'S', 6, 4}, {'S', 5, 5}});
    EXPECT_EQ(t->A.WertSpieler(4, 5), 2 + 11);
    EXPECT_EQ(t->A.WertSpieler(5, 4), 1 + 7);

    // A17, gaps (3, 6) and (5, 4): line k of the second tests DrohungSpieler below o.
    t = Lauf({"......S", ".......", "....SC.", ".......", "...C..."}, Spieler,
             {{'S', 4, 6}, {'S', 6, 4}});
    EXPECT_EQ(t->A.WertSpieler(5, 4), 1 + 7 + 7);
    EXPECT_EQ(t->A.WertSpieler(3, 6), 2 + 7);
}

} // namespace
} // namespace steinfall
