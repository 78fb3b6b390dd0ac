#include "ai/Analyse.h"
#include "tests/Stellungen.h"

#include <gtest/gtest.h>

namespace steinfall {
namespace {

TEST(Arbeitsfeld, KopieMarkiertDenAmZugAlsEinsUndLiegtAufDemBoden) {
    auto t = test::AnalyseAus({".......", ".......", ".......", ".......", ".......", "CS....."});
    EXPECT_EQ(t->A.Arbeitsfeld(6, 1), 1);
    EXPECT_EQ(t->A.Arbeitsfeld(6, 2), 2);
    EXPECT_EQ(t->A.Arbeitsfeld(5, 1), 0);
    for (int spalte = 1; spalte <= 7; ++spalte) {
        EXPECT_EQ(t->A.Arbeitsfeld(7, spalte), Boden);
        EXPECT_EQ(t->A.Arbeitsfeld(8, spalte), Boden);
    }
    EXPECT_EQ(t->A.DrohungSpieler(0, 3), 0);
}

TEST(Arbeitsfeld, FeldLoeschenBehaeltZeileNull) {
    Analysefeld<0, 9> feld;
    feld(0, 1) = 5;
    feld(1, 1) = 5;
    feld(9, 7) = 5;
    FeldLoeschen(feld, 9, 7);
    EXPECT_EQ(feld(0, 1), 5);
    EXPECT_EQ(feld(1, 1), 0);
    EXPECT_EQ(feld(9, 7), 0);
}

#ifndef NDEBUG
TEST(Zahl16DeathTest, UeberlaufWirdImDebugErkannt) {
    Zahl16 wert = 32767;
    EXPECT_DEATH(wert += 1, "overflow");
}
#endif

} // namespace
} // namespace steinfall
