#include "tests/test_muster_b_hilfe.h"

#include <gtest/gtest.h>

namespace steinfall {
namespace {

using namespace test;
using namespace familie_b;

TEST(MusterBVerzweigt, B1SperrtDarunterJeNachSeiteSonstBonusOben) {
    const std::string b1 = "...C...|..CC...|.......|C......|.......|.......";
    EXPECT_EQ(Spur(b1, Computer, MusterB1),
              "WertComputer (3,1)=-11; WertSpieler (3,1)=-11; Meiden (3,1)=1;");
    EXPECT_EQ(Spur(Getauscht(b1), Mensch, MusterB1), "WertSpieler (3,1)=-11; VerbotWeich (3,1)=1;");
    // Else: (1,4) empty earns +3 there; the other side's stone, nothing.
    EXPECT_EQ(Spur(".......|..CC...|.......|C......|.......|.......", Computer, MusterB1),
              "WertComputer (1,4)=3;");
    EXPECT_EQ(Spur("...S...|..CC...|.......|C......|.......|.......", Computer, MusterB1), "");
}

TEST(MusterBVerzweigt, SchwebendeLueckeBonusOderMarkeDarunter) {
    // B3's gap (4,4): playable, one stone short, or higher.
    const std::string spielbar = "C......|.C.....|.......|CC.....|...S...|.......";
    const std::string schwebend = "C......|.C.....|.......|CC.....|.......|...S...";
    EXPECT_EQ(Spur(spielbar, Computer, MusterB3), "WertComputer (4,4)=32;");
    EXPECT_EQ(Spur(Getauscht(spielbar), Mensch, MusterB3), "WertSpieler (4,4)=30;");
    EXPECT_EQ(Spur(schwebend, Computer, MusterB3), "WertComputer (5,4)=-3; Meiden (5,4)=1;");
    EXPECT_EQ(Spur(Getauscht(schwebend), Mensch, MusterB3), "VerbotWeich (5,4)=1;");
    EXPECT_EQ(Spur("C......|.C.....|.......|CC.....|.......|.......", Computer, MusterB3), "");
    // B45 marks in the milder arrays; B52 penalises the human side harder.
    const std::string b45 = ".......|.......|.......|.......|...S...|C.....C";
    EXPECT_EQ(Spur(b45, Computer, MusterB45), "WertComputer (4,4)=-1; MeidenLeicht (4,4)=1;");
    EXPECT_EQ(Spur(Getauscht(b45), Mensch, MusterB45), "Meiden (4,4)=1;");
    const std::string b52 = ".......|CC.....|.C.....|C.S....|.......|.......";
    EXPECT_EQ(Spur(b52, Computer, MusterB52), "WertComputer (3,3)=-5; Meiden (3,3)=1;");
    EXPECT_EQ(Spur(Getauscht(b52), Mensch, MusterB52),
              "WertSpieler (3,3)=-15; VerbotWeich (3,3)=1;");
}

TEST(MusterBVerzweigt, B7BonusUndSeitenmarkenImSelbenAnker) {
    const std::string b7 = ".......|.......|.......|...C...|..SCS..|.......";
    EXPECT_EQ(Spur(b7, Computer, MusterB7),
              "WertComputer (3,4)=3 (4,3)=-1 (4,5)=-1; MeidenLeicht (4,3)=1 (4,5)=1;");
    EXPECT_EQ(Spur(Getauscht(b7), Mensch, MusterB7),
              "WertSpieler (3,4)=3 (4,3)=-1 (4,5)=-1; MeidenLeicht (4,3)=1 (4,5)=1;");
    // An own neighbour counts only without the human's stone beyond it.
    EXPECT_EQ(Spur(".......|.......|.SC....|..SC...|...C...|.......", Computer, MusterB7), "");
    EXPECT_EQ(Spur(".......|.......|..C....|..SC...|...C...|.......", Computer, MusterB7),
              "WertComputer (3,4)=3;");
}

TEST(MusterBVerzweigt, B61ElseNurWennDerErsteTestScheitert) {
    // (5,1) taken, (4,1) free: step 2 decides, although its inner test fails.
    EXPECT_EQ(Spur(".......|.......|.......|...C...|SSC.S..|.......", Computer, MusterB61), "");
    EXPECT_EQ(Spur(".......|.......|.......|...C...|.SC.S..|.......", Computer, MusterB61),
              "WertComputer (4,3)=3;");
    // Not at anchor column 3, although column 7 exists.
    EXPECT_EQ(Spur(".......|.......|.......|.....C.|...SC.S|.......", Computer, MusterB61), "");
    // Step 4, human side only.
    const std::string b61 = ".......|.......|.......|...S...|..S....|.......";
    EXPECT_EQ(Spur(b61, Mensch, MusterB61), "VerbotWeich (5,1)=1;");
    EXPECT_EQ(Spur(Getauscht(b61), Computer, MusterB61), "");
}

TEST(MusterBVerzweigt, B63EineSeiteDesDreiersVomGegnerBesetzt) {
    const auto b63 = [](Analyse& a, Zahl16 s) { MusterB63(a, s, 1, 3, 3, 5); };
    EXPECT_EQ(Spur(".......|.......|.......|.......|.S.....|SCCCS..", Computer, b63),
              "WertComputer (5,4)=1;");
    EXPECT_EQ(Spur(".......|.......|.......|.......|...S...|SCCCS..", Computer, b63),
              "WertComputer (5,2)=1;");
    EXPECT_EQ(Spur(".......|.......|.......|.......|.S.S...|SCCCS..", Computer, b63), "");
    EXPECT_EQ(Spur(".......|.......|.......|.......|.C.....|CSSSC..", Mensch, b63),
              "WertSpieler (5,4)=1;");
}

TEST(MusterBVerzweigt, B66DerErsteZutreffendeZweigEntscheidet) {
    EXPECT_EQ(Spur(".......|...C...|.CS....|CC.....|.......|.......", Computer, MusterB66),
              "WertComputer (2,3)=32;");
    // (3,3) empty: the second branch is still tried.
    const std::string zwei = ".......|...C...|.C.....|CCS....|.......|.......";
    EXPECT_EQ(Spur(zwei, Computer, MusterB66), "WertComputer (3,3)=-3; Meiden (3,3)=1;");
    EXPECT_EQ(Spur(Getauscht(zwei), Mensch, MusterB66), "VerbotWeich (3,3)=1;");
    EXPECT_EQ(Spur(".......|..CC...|.C.....|CC.....|.......|.......", Computer, MusterB66),
              "WertComputer (2,2)=32;");
    EXPECT_EQ(Spur(".......|..SC...|.C.....|CC.....|.......|.......", Computer, MusterB66), "");
    // B67's third branch sends its bonus to the other side.
    EXPECT_EQ(Spur(".......|...CC..|.....C.|.....CC|.......|.......", Computer, MusterB67),
              "WertComputer (2,6)=32;");
}

TEST(MusterBVerzweigt, B57UndB58SindSpiegelbilder) {
    // Step 3: the second +30 goes to the taken cell under the gap (3, k+d).
    const std::string b57 = "...C...|..C....|.......|.S.....|C......|C......";
    const std::string b58 = "...C...|....C..|.......|.....S.|......C|......C";
    EXPECT_EQ(Spur(b57, Computer, MusterB57), "WertComputer (4,1)=30 (4,2)=30;");
    EXPECT_EQ(Spur(Getauscht(b57), Mensch, MusterB57), "WertSpieler (4,1)=30 (4,2)=30;");
    EXPECT_EQ(Spur(b58, Computer, MusterB58), "WertComputer (4,6)=30 (4,7)=30;");
    EXPECT_EQ(Spur(b58, Computer, MusterB57) + Spur(b57, Computer, MusterB58), "");
    // Step 2, second case: (2,3) not own, (1,4) own, (2,3) playable.
    EXPECT_EQ(Spur("...S...|.......|.SC....|.......|S......|S......", Mensch, MusterB57),
              "WertSpieler (4,1)=28;");
}

TEST(MusterBVerzweigt, B59UndB60SetzenVerbotWeichWieBeimNachbarn) {
    const std::string b59 = ".......|.......|.......|.......|....S..|...SC..";
    EXPECT_EQ(Spur(b59, Mensch, MusterB59, [](Analyse& a) { a.VerbotWeich(6, 6) = 1; }),
              "WertSpieler (5,4)=1;");
    EXPECT_EQ(Spur(b59, Mensch, MusterB59, [](Analyse& a) { a.VerbotWeich(6, 7) = 1; }),
              "WertSpieler (5,4)=1; VerbotWeich (6,6)=1 (6,7)=1;");
    // The computer side needs (6,7) taken and leaves the marker alone.
    const auto vorher = [](Analyse& a) { a.VerbotWeich(6, 6) = 1; };
    EXPECT_EQ(Spur(Getauscht(b59), Computer, MusterB59), "");
    EXPECT_EQ(Spur(".......|.......|.......|.......|....C..|...CS.S", Computer, MusterB59, vorher),
              "WertComputer (5,4)=1; VerbotWeich (6,6)=1;");
    EXPECT_EQ(Spur(".......|.......|.......|.......|..S....|..CS...", Mensch, MusterB60,
                   [](Analyse& a) { a.VerbotWeich(6, 2) = 1; }),
              "WertSpieler (5,4)=1;");
}

TEST(MusterBVerzweigt, B68UndB69NurFuerDenComputer) {
    const auto drohung = [](Analyse& a) { a.DrohungComputer(5, 4) = a.DrohungComputer(5, 2) = 1; };
    const std::string b68 = ".......|.......|.......|.......|.......|.CC....";
    const std::string b69 = ".......|.......|.......|.......|.......|..CC...";
    EXPECT_EQ(Spur(b68, Computer, MusterB68, drohung), "WertComputer (6,4)=32;");
    EXPECT_EQ(Spur(b69, Computer, MusterB69, drohung), "WertComputer (6,2)=32;");
    EXPECT_EQ(Spur(Getauscht(b68), Mensch, MusterB68, drohung), "");
    EXPECT_EQ(Spur(Getauscht(b69), Mensch, MusterB69, drohung), "");
}

TEST(MusterBVerzweigt, B70LiestDenWertVorDemAddieren) {
    // T = (4,1) on a pair; (3,1) lies right above T, (2,1) two above.
    const auto b70 = [](int seite, int wert, int drohungC3, int drohungC2, int drohungS2) {
        const std::string paar = ".......|.......|.......|.......|C......|C......";
        auto t = Aus(seite == Computer ? paar : Getauscht(paar));
        auto& werte = seite == Computer ? t->A.WertComputer : t->A.WertSpieler;
        werte(4, 1) = wert;
        t->A.DrohungComputer(3, 1) = drohungC3;
        t->A.DrohungComputer(2, 1) = drohungC2;
        t->A.DrohungSpieler(2, 1) = drohungS2;
        MusterB70(t->A, seite);
        return static_cast<int>(werte(4, 1));
    };
    EXPECT_EQ(b70(Computer, 0, 0, 0, 0), 0);
    EXPECT_EQ(b70(Computer, 5, 0, 0, 0), 7);
    EXPECT_EQ(b70(Computer, 5, 1, 0, 0), 5);
    EXPECT_EQ(b70(Computer, 0, 0, 1, 0), 31);
    EXPECT_EQ(b70(Computer, 5, 0, 1, 0), 38);
    EXPECT_EQ(b70(Mensch, 0, 0, 0, 0), 0);
    EXPECT_EQ(b70(Mensch, 5, 1, 0, 0), 7);
    EXPECT_EQ(b70(Mensch, 0, 0, 0, 1), 28);
    EXPECT_EQ(b70(Mensch, 0, 1, 0, 1), 0);
    EXPECT_EQ(b70(Mensch, 0, 0, 1, 0), 0);
    // At anchor row 3 the cell two above T is row 0, which reads 0.
    EXPECT_EQ(Spur(".......|.......|C......|C......|.......|.......", Computer, MusterB70,
                   [](Analyse& a) { a.WertComputer(2, 1) = 1; }),
              "WertComputer (2,1)=3;");
}

} // namespace
} // namespace steinfall
