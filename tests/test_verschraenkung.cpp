// Random interleavings of user input with the game flow. A failing seed is
// printed; STEINFALL_SAAT=<seed> replays that one sequence with its log.

#include "tests/Verschraenkung.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace steinfall {
namespace {

TEST(Verschraenkung, KeineFolgeVerletztEineRegel) {
    const char* saat = std::getenv("STEINFALL_SAAT");
    const std::uint64_t erste = saat ? std::strtoull(saat, nullptr, 10) : 1;
    const std::uint64_t anzahl = saat ? 1 : 200;
    for (std::uint64_t s = erste; s < erste + anzahl; ++s) {
        test::Verschraenkung v(s);
        const std::string fehler = v.Lauf();
        if (saat) {
            for (const auto& zeile : v.Protokoll) {
                std::cout << zeile << '\n';
            }
        }
        ASSERT_EQ(fehler, "") << "STEINFALL_SAAT=" << s;
    }
}

} // namespace
} // namespace steinfall
