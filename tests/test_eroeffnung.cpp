#include "ai/Schritte.h"
#include "tests/Stellungen.h"

#include <gtest/gtest.h>

namespace steinfall {
namespace {

TEST(Eroeffnung, BodenreiheNachEinerZiehung) {
    // {Zugzaehler, draw, column of the +1 in WertSpieler, MeidenLeicht row 6};
    // (k - 0.5) / 100 draws k; 0.49 and 0.73 give 50 and 74 in double.
    const std::array<double, 4> faelle[] = {
        {2, 0.0, 4, 0},   {2, 0.485, 4, 0}, {2, 0.495, 0, 0}, {2, 0.505, 3, 0}, {2, 0.725, 3, 0},
        {2, 0.735, 5, 0}, {2, 0.955, 5, 0}, {2, 0.965, 0, 0}, {2, 0.49, 0, 0},  {2, 0.73, 5, 0},
        {4, 0.0, 0, 1},   {4, 0.285, 0, 1}, {4, 0.295, 0, 0},
    };
    const std::string f = ".......";
    for (const auto& [zug, x, spalte, meiden] : faelle) {
        auto t = test::AnalyseAus({f, f, f, f, f, f}, static_cast<int>(zug));
        FolgeZufall z({x});
        t->A.Zufall = &z;
        EroeffnungZufall(t->A);
        EXPECT_EQ(z.Verbraucht(), 1u);
        for (int c = 1; c <= 7; ++c) {
            EXPECT_EQ(t->A.WertSpieler(6, c), c == spalte ? 1 : 0) << x << " " << c;
            EXPECT_EQ(t->A.MeidenLeicht(6, c), meiden) << x;
        }
    }
}

} // namespace
} // namespace steinfall
