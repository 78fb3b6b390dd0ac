#include "ai/Schritte.h"
#include "tests/Stellungen.h"

#include <gtest/gtest.h>

namespace steinfall {
namespace {

const std::string F = ".......";

// The passes of one side (1 computer, 2 human), computer threats set by hand;
// checks (row, column, value) in the side's score array.
void Muster(const std::array<std::string, 6>& bild, int seite,
            std::initializer_list<std::array<int, 3>> erwartet, std::pair<int, int> drohung = {}) {
    auto t = test::AnalyseAus(bild);
    if (drohung.first > 0) {
        t->A.DrohungComputer(drohung.first, drohung.second) = 1;
    }
    FuenferMuster(t->A, seite);
    for (const auto& [r, c, v] : erwartet) {
        EXPECT_EQ((seite == 1 ? t->A.WertComputer : t->A.WertSpieler)(r, c), v) << r << "," << c;
    }
}

TEST(FuenferMuster, WaagerechteZugBonusUndEndwerte) {
    Muster({F, F, F, F, F, ".S.S..."}, 2, {{6, 3, 32}, {6, 5, 8}, {6, 1, 8}});
    Muster({F, F, F, F, F, "..CC..."}, 1, {{6, 2, 32}, {6, 5, 42}}); // members 9 and 8
    Muster({F, F, F, F, "..CC...", ".SSS..."}, 1, {{5, 2, 10}, {5, 5, 0}});
}

TEST(FuenferMuster, DiagonaleWachenGeltenNurFuerEineSeite) {
    // Member 6: move (3, 2) under a computer threat cell.
    Muster({F, F, "C......", "CCS....", "CCCS...", "CCCC..."}, 2, {{3, 2, 0}}, {2, 2});
    Muster({F, F, "S......", "SSC....", "SSSC...", "SSSS..."}, 1, {{3, 2, 32}}, {2, 2});
    // Member 4: the computer skips the end (6, 5) under its own threat.
    Muster({F, F, "SC.....", "SS.....", "SSSC...", "SSSS..."}, 1,
           {{4, 3, 32}, {2, 1, 5}, {6, 5, 0}}, {5, 5});
    Muster({F, F, "CS.....", "CC.....", "CCCS...", "CCCC..."}, 2, {{6, 5, 5}}, {5, 5});
}

TEST(FuenferMuster, Mitglied7FormenSperrenNurDenZugDesSpielers) {
    // Start column 1: shape R; member 5 scores (5, 6) on its diagonal.
    Muster({F, ".C.....", ".S.S...", "CCCCS..", "CCCCC..", "CCCCCC."}, 2,
           {{3, 3, 0}, {3, 1, 8}, {3, 5, 8}, {5, 6, 10}});
    Muster({F, ".S.....", ".C.C...", "SSSSC..", "SSSSS..", "SSSSSS."}, 1, {{3, 3, 32}, {3, 1, 5}});
    // Start columns 3 and 2: shape L.
    Muster({F, F, ".....C.", "...S.S.", "..SCCCC", "..CCCCC"}, 2, {{4, 5, 0}, {4, 7, 8}});
    Muster({F, F, "....C..", "..S.S..", ".SCCCC.", ".CCCCC."}, 2, {{4, 4, 0}, {4, 2, 8}});
}

} // namespace
} // namespace steinfall
