// The pattern families where the decision signature cannot see: any position
// keeps them inside their arrays. What they score is pinned by the signature.

#include "ai/Schritte.h"
#include "ai/family_b/Durchgaenge.h"
#include "ai/family_b/MusterB.h"
#include "ai/family_c/Fuenferfenster.h"
#include "ai/family_c/MusterC.h"
#include "tests/Stellungen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace steinfall {
namespace {

const std::array<std::string, 6> LeeresBild = {".......", ".......", ".......",
                                               ".......", ".......", "......."};

// Debug builds stop on any cell outside an array's rows; random positions
// with threat cells drive the passes down many of their branches.
TEST(Musterfamilien, ZufallsstellungenBleibenInDenFeldern) {
    std::mt19937 zufall(1234);
    const auto wurf = [&] { return static_cast<int>(zufall() % 6); };
    for (int stellung = 0; stellung < 400; ++stellung) {
        test::Testanalyse t(LeeresBild);
        for (int z = 1; z <= 6; ++z) {
            for (int s = 1; s <= 7; ++s) {
                t.A.Arbeitsfeld(z, s) = std::max(wurf() - 3, 0); // two thirds empty
                t.A.DrohungComputer(z, s) = wurf() == 0;
                t.A.DrohungSpieler(z, s) = wurf() == 0;
            }
        }
        for (const Zahl16 seite : {1, 2}) {
            FuenferMuster(t.A, seite);
            MusterA(t.A, seite);
            MusterB(t.A, seite);
            MusterC(t.A, seite);
        }
    }
}

// B28 alone gives a second bonus, to the computer only; no position of the
// signature reaches it.
TEST(Musterfamilien, B28ZweiBoniFuerDenComputerEinerFuerDenMenschen) {
    test::Testanalyse computer({".......", ".......", ".......", ".CC....", "S.CS...", "...C..."});
    familie_b::EinfacheMuster(computer.A, 1, 28, 28);
    EXPECT_EQ(computer.A.WertComputer(4, 1), 30);
    EXPECT_EQ(computer.A.WertComputer(4, 4), 32);
    test::Testanalyse mensch({".......", ".......", ".......", ".SS....", "C.SC...", "...S..."});
    familie_b::EinfacheMuster(mensch.A, 2, 28, 28);
    EXPECT_EQ(mensch.A.WertSpieler(4, 1), 0);
    EXPECT_EQ(mensch.A.WertSpieler(4, 4), 30);
}

// C11 in the first and the last window of its range: the row 4 window at the
// left edge and the row 6 window at the right edge, each marking its one gap.
// The signature reaches neither.
TEST(Musterfamilien, C11MarkiertDieLueckeDesGeschlossenenFensters) {
    struct Fall {
        std::array<std::string, 6> Bild;
        int Zeile, Spalte;
    };
    const Fall faelle[] = {
        {{".......", ".......", ".......", "SCC.S..", "CSSCC..", "SCSSC.."}, 4, 4},
        {{".......", ".......", ".......", ".......", ".......", "..SC.CS"}, 6, 5},
    };
    for (const Fall& f : faelle) {
        test::Testanalyse t(f.Bild);
        familie_c::GeschlossenesFuenferfenster(t.A, t.A.CodeSpieler);
        int marken = 0;
        for (int z = 1; z <= AnzahlZeilen; ++z) {
            for (int s = 1; s <= AnzahlSpalten; ++s) {
                marken += t.A.MeidenLeicht(z, s);
            }
        }
        EXPECT_EQ(t.A.MeidenLeicht(f.Zeile, f.Spalte), 1) << f.Zeile << ", " << f.Spalte;
        EXPECT_EQ(marken, 1);
    }
}

} // namespace
} // namespace steinfall
