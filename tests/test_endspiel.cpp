#include "ai/Schritte.h"
#include "tests/Stellungen.h"

#include <gtest/gtest.h>

namespace steinfall {
namespace {

TEST(Endspiel, LetzteSpalteNurBeiSechsVollen) {
    const std::string s = "SC.CSCS";
    const std::string f = "SC.CS.S";
    auto t = test::AnalyseAus({s, s, s, s, s, s});
    EXPECT_EQ(LetzteSpalte(t->A, 5), 152);
    EXPECT_EQ(LetzteSpalte(t->A, 6), 0);
    EXPECT_EQ(LetzteSpalte(test::AnalyseAus({f, f, f, f, f, f})->A, 5), 0);
}

TEST(Endspiel, ZweiSpaltenRestZaehltFreieZellenUnterDerErstenDrohung) {
    auto t = test::AnalyseAus({"S.SSS.S", "S.SSS.S", "S.SSS.S", "SSSSS.S", "SSSSS.S", "SSSSSSS"});
    Analyse& a = t->A;
    a.DrohungSpieler(4, 6) = 1; // A = 2: three free cells; B = 6: one below the marker
    EXPECT_EQ(ZweiSpaltenRest(a), 151);
    a.DrohungSpieler(4, 6) = 0;
    a.DrohungComputer(2, 6) = 1; // three against three
    EXPECT_EQ(ZweiSpaltenRest(a), 0);
    a.DrohungComputer(3, 2) = 1; // A: none
    EXPECT_EQ(ZweiSpaltenRest(a), 155);
}

TEST(Endspiel, ZweiSpaltenRestFormGehtDerZaehlungVor) {
    auto t = test::AnalyseAus({"S.S.SSS", "S.S.SSS", "S.S.SSS", "S.S.SSS", "C.C.CSS", "S.SSSSS"});
    t->A.DrohungComputer(4, 4) = 1;
    EXPECT_EQ(ZweiSpaltenRest(t->A), 153); // the counts say column 2
    t->A.DrohungSpieler(4, 4) = 1;
    EXPECT_EQ(ZweiSpaltenRest(t->A), 151);
    // Shapes in rows 3 and 5 at once: the later one in loop order wins.
    auto z = test::AnalyseAus({".......", ".......", "C.C.C..", "...S...", ".CSC.C.", "....S.."});
    z->Stand.SpaltenStatus = {4, 1, 4, 1, 4, 4, 4};
    z->A.DrohungComputer(2, 4) = z->A.DrohungComputer(4, 5) = 1;
    EXPECT_EQ(ZweiSpaltenRest(z->A), 154);
    z->A.DrohungSpieler(4, 5) = 1;
    EXPECT_EQ(ZweiSpaltenRest(z->A), 153);
}

} // namespace
} // namespace steinfall
