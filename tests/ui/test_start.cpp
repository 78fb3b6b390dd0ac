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

TEST(Start, SchriftgradTextNachSystem) {
    const std::string vier = "Sie haben eine benutzerdefinierte Schriftgröße unter\r\n"
                             "Windows eingestellt.\r\n"
                             "Steinfall kann allerdings nur mit eingestellter normaler\r\n"
                             "Schriftgröße gestartet werden.";
    const std::string win95 = vier + "\r\n\r\nUnter Windows 95 können Sie die Schriftgröße\r\n"
                                     "umstellen, indem Sie in der 'Systemsteuerung' auf "
                                     "'Anzeige'\r\n"
                                     "doppelklicken und unter der Lasche Einstellungen den\r\n"
                                     "Schriftgrad 'Kleine Schriftarten' auswählen.";
    const std::string win98 = vier + "\r\n\r\nUnter Windows 98 können Sie die Schriftgröße\r\n"
                                     "umstellen, indem Sie in der 'Systemsteuerung' auf "
                                     "'Anzeige'\r\n"
                                     "doppelklicken, unter der Lasche 'Einstellungen' den\r\n"
                                     "Knopf 'Weitere Optionen' wählen und dort unter der Lasche\r\n"
                                     "'Allgemein' die Schriftgröße in 'Kleine Schriftarten'\r\n"
                                     "ändern.";
    EXPECT_EQ(SchriftgradText(SystemversionAbfragen()), vier) << "this system";
    EXPECT_EQ(SchriftgradText({}), vier) << "a failed query";
    EXPECT_EQ(SchriftgradText({1, 4, 0}), win95);
    EXPECT_EQ(SchriftgradText({1, 4, 9}), win95);
    EXPECT_EQ(SchriftgradText({1, 4, 10}), win98);
    EXPECT_EQ(SchriftgradText({1, 4, 90}), win98);
    EXPECT_EQ(SchriftgradText({2, 4, 0}), vier);
    EXPECT_EQ(SchriftgradText({2, 5, 1}), vier);
    EXPECT_EQ(SchriftgradText({1, 5, 0}), vier);
}

} // namespace
} // namespace steinfall
