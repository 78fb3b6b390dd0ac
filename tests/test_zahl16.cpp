#include "core/Zahl16.h"

#include <gtest/gtest.h>

namespace steinfall {
namespace {

#ifndef NDEBUG
TEST(Zahl16DeathTest, UeberlaufWirdImDebugErkannt) {
    Zahl16 wert = 32767;
    EXPECT_DEATH(wert += 1, "overflow");
}
#endif

} // namespace
} // namespace steinfall
