#include "app/Start.h"
#include "ui/frmHaupt.h"

#include <gtest/gtest.h>

namespace steinfall {
namespace {

TEST(Start, NurBei96MalPunktProZollInBeidenRichtungen) {
    EXPECT_TRUE(AnzeigeNormal(96, 96));
    EXPECT_FALSE(AnzeigeNormal(120, 120));
    EXPECT_FALSE(AnzeigeNormal(96, 120));
    EXPECT_FALSE(AnzeigeNormal(120, 96));

    // Qt's default screen runs at 96: the main window opens.
    const std::unique_ptr<frmHaupt> fenster = Main();
    ASSERT_NE(fenster, nullptr);
    EXPECT_TRUE(fenster->isVisible());
}

} // namespace
} // namespace steinfall
