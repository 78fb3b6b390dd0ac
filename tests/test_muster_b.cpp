#include "tests/test_muster_b_hilfe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace steinfall {
namespace {

using namespace test;
using familie_b::EinfacheMuster;

const std::string Leer = ".......|.......|.......|.......|.......|.......";

TEST(MusterB, LeeresBrettUndB8MitBoden) {
    auto t = Aus(Leer);
    MusterB(t->A, Computer);
    MusterB(t->A, Mensch);
    EXPECT_EQ(Spur(t->A), "");

    // The human's (1,4), (2,3..5); (3,2), (4,1) empty; (5,1) taken.
    const std::string b8 = "...S...|..SSS..|.......|.......|C......|C......";
    EXPECT_EQ(Spur(b8, Mensch, Einfach(8)), "WertSpieler (1,1)=1;");
    t = Aus(b8);
    MusterB(t->A, Mensch);
    EXPECT_EQ(t->A.WertSpieler(1, 1), 1);
    // Anchor row 3 reads (7,1): floor counts as taken, and is nobody's stone.
    const std::string boden = ".......|.......|...C...|..CCC..|.......|.......";
    EXPECT_EQ(Spur(boden, Computer, Einfach(8)), "WertComputer (3,1)=1;");
    EXPECT_EQ(Spur(boden, Mensch, Einfach(8)), "");
}

TEST(MusterB, ZweiterLaufVerdoppeltWerteUndLaesstMarkenBeiEins) {
    // B1 marks (3,1), B28 adds a bonus at (4,7) on both sides.
    const std::string bild = "...C...|..CC...|.......|C...CC.|...S.CS|......C";
    for (const int seite : {Computer, Mensch}) {
        auto einmal = Aus(seite == Computer ? bild : Getauscht(bild));
        auto zweimal = Aus(seite == Computer ? bild : Getauscht(bild));
        MusterB(einmal->A, seite);
        MusterB(zweimal->A, seite);
        MusterB(zweimal->A, seite);
        int marken = 0;
        for (int z = 1; z <= 6; ++z) {
            for (int s = 1; s <= 7; ++s) {
                const Analyse& a = einmal->A;
                const Analyse& b = zweimal->A;
                EXPECT_TRUE(b.WertComputer(z, s) == 2 * a.WertComputer(z, s) &&
                            b.WertSpieler(z, s) == 2 * a.WertSpieler(z, s) &&
                            b.VerbotWeich(z, s) == a.VerbotWeich(z, s) &&
                            b.Meiden(z, s) == a.Meiden(z, s) &&
                            b.MeidenLeicht(z, s) == a.MeidenLeicht(z, s))
                    << "cell (" << z << "," << s << ")";
                marken += a.VerbotWeich(z, s) + a.Meiden(z, s);
            }
        }
        EXPECT_GT(marken, 0);
        EXPECT_GT(einmal->A.WertComputer(4, 7) + einmal->A.WertSpieler(4, 7), 0);
    }
}

TEST(MusterB, FensterKommtEinmalJeAnkerAusserInB46B47B59B60B70) {
    const auto zaehle = [](auto&& pass, int seite) {
        auto t = Aus(Leer);
        int ereignisse = 0;
        t->A.Ereignisse = [&] { ++ereignisse; };
        pass(t->A, seite);
        return ereignisse;
    };
    EXPECT_EQ(zaehle(MusterB, Computer), 657);
    EXPECT_EQ(zaehle(MusterB, Mensch), 657);
    EXPECT_EQ(zaehle([](Analyse& a, Zahl16 s) { EinfacheMuster(a, s, 46, 48); }, Computer), 12);
    EXPECT_EQ(zaehle(familie_b::MusterB59, Computer) + zaehle(familie_b::MusterB70, Mensch), 0);
    EXPECT_EQ(zaehle(familie_b::MusterB45, Computer), 3);
}

// Debug builds stop on any cell outside an array's rows; random positions
// with threat cells drive the passes down many of their branches.
TEST(MusterB, ZufallsstellungenBleibenInDenFeldern) {
    std::mt19937 zufall(1234);
    const auto wurf = [&] { return static_cast<int>(zufall() % 6); };
    for (int stellung = 0; stellung < 400; ++stellung) {
        auto t = Aus(Leer);
        for (int z = 1; z <= 6; ++z) {
            for (int s = 1; s <= 7; ++s) {
                t->A.Arbeitsfeld(z, s) = std::max(wurf() - 3, 0); // two thirds empty
                t->A.DrohungComputer(z, s) = wurf() == 0;
                t->A.DrohungSpieler(z, s) = wurf() == 0;
            }
        }
        MusterB(t->A, Computer);
        MusterB(t->A, Mensch);
    }
}

TEST(MusterB, B28ZweiBoniFuerDenComputerEinerFuerDenMenschen) {
    const std::string b28 = ".......|.......|.......|.CC....|S.CS...|...C...";
    EXPECT_EQ(Spur(b28, Computer, Einfach(28)), "WertComputer (4,1)=30 (4,4)=32;");
    EXPECT_EQ(Spur(Getauscht(b28), Mensch, Einfach(28)), "WertSpieler (4,4)=30;");
}

TEST(MusterB, B18MarkiertAufBeidenSeitenNurNebenEigenemStein) {
    const std::string b18 = ".......|C.C....|...S...|C......|.......|.......";
    EXPECT_EQ(Spur(b18, Computer, Einfach(18)), "WertComputer (2,4)=-3; VerbotWeich (2,4)=1;");
    EXPECT_EQ(Spur(Getauscht(b18), Mensch, Einfach(18)),
              "WertSpieler (2,4)=-3; VerbotWeich (2,4)=1;");
    EXPECT_EQ(Spur(".......|C......|...S...|C......|.......|.......", Computer, Einfach(18)), "");
}

TEST(MusterB, B10UndB11SindKeineSpiegelbilder) {
    // B10: (2,5) above the row's end taken, and one end of the row free.
    EXPECT_EQ(Spur(".......|....S..|...C...|..C....|.C.....|.......", Computer, Einfach(10)),
              "WertComputer (3,3)=1;");
    EXPECT_EQ(Spur(".......|.......|...C...|..C....|.C.....|.......", Computer, Einfach(10)), "");
    EXPECT_EQ(Spur(".......|....S..|.S.C.S.|..C....|.C.....|.......", Computer, Einfach(10)), "");
    // B11: (2,2) empty instead; the mirror image of B10's match fails it.
    EXPECT_EQ(Spur(".......|.......|..C....|...C...|....C..|.......", Computer, Einfach(11)),
              "WertComputer (3,4)=1;");
    EXPECT_EQ(Spur(".......|.S.....|..C....|...C...|....C..|.......", Computer, Einfach(11)), "");
    EXPECT_EQ(Spur(".......|..S....|...C...|....C..|.....C.|.......", Computer, Einfach(11)), "");
}

TEST(MusterB, MenschTestsSehenAufBeidenSeitenDenMenschen) {
    // B36: (4,1) and (4,5) not both the human's; on the human side those are
    // its own stones.
    EXPECT_EQ(Spur(".......|...C...|.......|C..CS..|.S.....|.......", Computer, Einfach(36)),
              "WertComputer (4,2)=1;");
    EXPECT_EQ(Spur(".......|...C...|.......|S..CS..|.S.....|.......", Computer, Einfach(36)), "");
    EXPECT_EQ(Spur(".......|...S...|.......|S..SS..|.C.....|.......", Mensch, Einfach(36)), "");
    EXPECT_EQ(Spur(".......|...S...|.......|C..SC..|.C.....|.......", Mensch, Einfach(36)),
              "WertSpieler (4,2)=1;");
    // B64: (4,4) not the human's, on both sides.
    const std::string b64 = ".......|CC.....|CC.....|...S...|.......|.......";
    EXPECT_EQ(Spur(b64, Computer, Einfach(64)), "");
    EXPECT_EQ(Spur(Getauscht(b64), Mensch, Einfach(64)), "WertSpieler (1,1)=15;");
    // B50: (3,4) and (4,5) not own; the other side's stones are fine.
    EXPECT_EQ(Spur(".......|CCC....|...S...|....S..|.......|.......", Computer, Einfach(50)),
              "WertComputer (1,2)=1;");
    EXPECT_EQ(Spur(".......|CCC....|...C...|....S..|.......|.......", Computer, Einfach(50)), "");
}

TEST(MusterB, AnkerbereicheAnDenRaendern) {
    // B14 scans columns 2 and 3 only, and gives the computer less.
    EXPECT_EQ(Spur("..S....|.CC....|..C....|.C.....|.......|.......", Computer, Einfach(14)), "");
    const std::string b14 = "...S...|..CC...|...C...|..C....|.......|.......";
    EXPECT_EQ(Spur(b14, Computer, Einfach(14)), "WertComputer (1,3)=2;");
    EXPECT_EQ(Spur(Getauscht(b14), Mensch, Einfach(14)), "WertSpieler (1,3)=3;");
    // B46 anchors up to column 7 and reaches back three columns.
    EXPECT_EQ(Spur(".......|.......|......C|...C..C|.....S.|...CS..", Computer, Einfach(46)),
              "WertComputer (4,6)=32;");
}

} // namespace
} // namespace steinfall
