// Random interleavings of user input with the game flow. A failing seed is
// printed; STEINFALL_SAAT=<seed> replays that one sequence with its log, and
// STEINFALL_FOLGEN=<n> runs n sequences instead of 200 (the long run by hand).

#include "tests/Verschraenkung.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace steinfall {
namespace {

TEST(Verschraenkung, KeineFolgeVerletztEineRegel) {
    const char* saat = std::getenv("STEINFALL_SAAT");
    const char* folgen = std::getenv("STEINFALL_FOLGEN");
    const std::uint64_t erste = saat ? std::strtoull(saat, nullptr, 10) : 1;
    const std::uint64_t anzahl = saat ? 1 : folgen ? std::strtoull(folgen, nullptr, 10) : 200;
    std::array<int, 3> spielenden{};
    for (std::uint64_t s = erste; s < erste + anzahl; ++s) {
        test::Verschraenkung v(s);
        const std::string fehler = v.Lauf();
        for (int i = 0; i < 3; ++i) {
            spielenden[i] += v.Spielenden[i];
        }
        if (saat) {
            for (const auto& zeile : v.Protokoll) {
                std::cout << zeile << '\n';
            }
        }
        ASSERT_EQ(fehler, "") << "STEINFALL_SAAT=" << s;
    }
    // The invariants at a game's end only count if the sequences get there.
    EXPECT_TRUE(saat || (spielenden[0] > 0 && spielenden[1] > 0))
        << spielenden[0] << " won, " << spielenden[1] << " lost";
}

} // namespace
} // namespace steinfall
