#include "ai/family_c/MusterC.h"
#include "tests/Stellungen.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace steinfall {
namespace {

using Bild = std::array<std::string, 6>;
using Felder = std::vector<std::pair<int, int>>; // (row, column), row 1 at the top

constexpr int Computer = 1;
constexpr int Spieler = 2;

// Runs family C for one side and returns the marked cells, row by row. Along
// the way: the marks are 1 and no other array was touched.
Felder Markiert(const Bild& bild, int seite = Spieler) {
    auto t = test::AnalyseAus(bild);
    MusterC(t->A, seite);
    Felder markiert;
    for (int zeile = 1; zeile <= 8; ++zeile) {
        for (int spalte = 1; spalte <= 7; ++spalte) {
            if (zeile <= 6 && t->A.MeidenLeicht(zeile, spalte) != 0) {
                EXPECT_EQ(t->A.MeidenLeicht(zeile, spalte), 1);
                markiert.emplace_back(zeile, spalte);
            }
            EXPECT_EQ(t->A.WertComputer(zeile, spalte) + t->A.WertSpieler(zeile, spalte) +
                          t->A.Meiden(zeile, spalte) + t->A.VerbotWeich(zeile, spalte),
                      0);
        }
    }
    return markiert;
}

// The picture with one cell changed; row and column count from 1.
Bild Mit(Bild bild, int zeile, int spalte, char stein) {
    bild[zeile - 1][spalte - 1] = stein;
    return bild;
}

// Own stones at (3, 3), (4, 3) and (2, 3): one on each line through (3, 2).
const Bild C2Beispiel{".......", "..S....", "..S....", ".CS....", ".CC....", ".CC...."};

TEST(MusterC, BeispieleDerRegeln) {
    const Bild leer{".......", ".......", ".......", ".......", ".......", "......."};
    EXPECT_EQ(Markiert(leer, Spieler), Felder{});
    EXPECT_EQ(Markiert(leer, Computer), Felder{});

    EXPECT_EQ(Markiert(C2Beispiel), (Felder{{3, 2}}));
    // C16: (6, 1) empty, own (6, 2) and (5, 2).
    EXPECT_EQ(Markiert({".......", ".......", ".......", ".......", ".S.....", ".S....."}),
              (Felder{{6, 1}}));
    // C11: closed five-window with one gap, and without a gap.
    EXPECT_EQ(Markiert({".......", ".......", ".......", ".......", ".......", "SCC.S.."}),
              (Felder{{6, 4}}));
    EXPECT_EQ(Markiert({".......", ".......", ".......", ".......", ".......", "SCCCS.."}),
              Felder{});
}

TEST(MusterC, JedeLinieMussHalten) {
    EXPECT_EQ(Markiert(Mit(C2Beispiel, 3, 3, 'C')), Felder{}); // row
    EXPECT_EQ(Markiert(Mit(C2Beispiel, 4, 3, 'C')), Felder{}); // falling diagonal
    EXPECT_EQ(Markiert(Mit(C2Beispiel, 2, 3, 'C')), Felder{}); // rising diagonal
    // C4 does not test its rising diagonal.
    EXPECT_EQ(Markiert(Mit(C2Beispiel, 3, 2, 'C')), (Felder{{2, 2}}));
}

TEST(MusterC, PaareZaehlenNurGanz) {
    // C2 by the pair (3, 1) and (3, 5), (5, 4) and the single (4, 1).
    const Bild paar{".......", ".......", "S...S..", "SC..C..", "CC.SC..", "CC.CC.."};
    EXPECT_EQ(Markiert(paar), (Felder{{3, 2}}));
    EXPECT_EQ(Markiert(Mit(paar, 3, 5, '.')), Felder{});
    EXPECT_EQ(Markiert(Mit(paar, 3, 1, '.')), Felder{});
}

TEST(MusterC, ZielMussSpielbarSein) {
    EXPECT_EQ(Markiert(Mit(C2Beispiel, 4, 2, '.')), Felder{}); // nothing below
    // In the bottom row the target itself is the only test, but it never
    // stands in for an own stone of its row.
    const Bild unten{".......", ".......", ".......", ".......", ".S.....", ".S....."};
    EXPECT_EQ(Markiert(Mit(unten, 6, 2, 'C')), Felder{});
}

TEST(MusterC, SchleifenReichenGenauBisZumRand) {
    // C16 up to k = 3 and C21 from k = 5 with row cells that do not move
    // with k; (6, 4) belongs to neither.
    EXPECT_EQ(Markiert({".......", ".......", ".......", ".......", "...S...", "SC.C.CS"}),
              (Felder{{6, 3}, {6, 5}}));
    EXPECT_EQ(Markiert({".......", ".......", ".......", ".......", "..S.S..", "..S.S.."}),
              (Felder{{6, 2}, {6, 6}}));
    // C1 up to k = 3 and C10 from k = 5; (1, 4) belongs to neither.
    EXPECT_EQ(Markiert({"...S...", "..CSC..", "..CCC..", "..CCC..", "..CCC..", "..CCC.."}),
              (Felder{{1, 3}, {1, 5}}));
    EXPECT_EQ(Markiert({"..S.S..", "..SCS..", "..CSC..", "..CCC..", "..CSC..", "..CCC.."}),
              Felder{});
    // C3 up to r = 3, C12 from r = 4.
    EXPECT_EQ(Markiert({".......", ".......", ".S.....", "CS.....", "CC.....", "CC....."}),
              (Felder{{3, 1}}));
    const Bild viertZeile{".......", ".......", ".......", ".S.....", "CS.....", "CC....."};
    EXPECT_EQ(Markiert(viertZeile), Felder{});
    EXPECT_EQ(Markiert(Mit(viertZeile, 3, 2, 'S')), (Felder{{4, 1}}));
}

TEST(MusterC, FuenferfensterPrueftJedeLueckeEinzeln) {
    EXPECT_EQ(Markiert({".......", ".......", ".......", ".......", ".......", "SC.CS.."}),
              (Felder{{6, 3}}));
    EXPECT_EQ(Markiert({".......", ".......", ".......", ".......", ".......", "..S.CCS"}),
              (Felder{{6, 4}}));
    // Row 4 needs a stone below the gap.
    const Bild oben{".......", ".......", ".......", "S.CCS..", "CCCCC..", "CCCCC.."};
    EXPECT_EQ(Markiert(oben), (Felder{{4, 2}}));
    EXPECT_EQ(Markiert(Mit(oben, 5, 2, '.')), Felder{});
}

TEST(MusterC, ComputerSeiteGiltGleich) {
    const Bild getauscht{".......", "..C....", "..C....", ".SC....", ".SS....", ".SS...."};
    EXPECT_EQ(Markiert(getauscht, Computer), (Felder{{3, 2}}));
    // For the human only C16 finds (6, 2) and (5, 2).
    EXPECT_EQ(Markiert(getauscht, Spieler), (Felder{{6, 1}}));
    // With the computer's code the window's ends and middle are the same code.
    const Bild fenster{".......", ".......", ".......", ".......", ".......", "CCC.C.."};
    EXPECT_EQ(Markiert(fenster, Computer), (Felder{{6, 4}}));
    EXPECT_EQ(Markiert(fenster, Spieler), Felder{});
}

TEST(MusterC, EreignisseNurNachJedemFensterAnker) {
    auto t = test::AnalyseAus(C2Beispiel);
    int aufrufe = 0;
    t->A.Ereignisse = [&aufrufe] { ++aufrufe; };
    MusterC(t->A, Spieler);
    EXPECT_EQ(aufrufe, 9);
    MusterC(t->A, Computer);
    EXPECT_EQ(aufrufe, 18);
}

} // namespace
} // namespace steinfall
