// Races between a move in progress and the events it lets in.

#include "tests/FakeFenster.h"

#include <gtest/gtest.h>

namespace steinfall {
namespace {

using test::Anlass;
using test::Testspiel;
using Zeilen = std::vector<std::string>;

TEST(SpielablaufRennen, NeuesSpielWaehrendDieReiheBlinkt) {
    Testspiel t({".......", ".......", ".......", ".......", "CCC....", "SSS...."});
    t.S.ComputerBeginntSetzen(true);
    t.F.Bei(Anlass::Warten, 1, [&] { t.S.NeuesSpiel(); });
    t.Klick(3);
    // The line flashes on its own board, one box, then one new game.
    EXPECT_EQ(t.F.Auszug({"Stein:", "Meldung:", "Brettbild"}),
              (Zeilen{"Stein:38:1", "Stein:35:3", "Stein:36:3", "Stein:37:3", "Stein:38:3",
                      "Stein:35:1", "Stein:36:1", "Stein:37:1", "Stein:38:1", "Meldung:Sieg",
                      "Brettbild leer", "Stein:37:2"}));
    EXPECT_EQ(t.S.Stand().Zugzaehler, 2);
    EXPECT_FALSE(t.I.NeuesSpielAngefordert());
}

TEST(SpielablaufRennen, NeuesSpielNachDerLetztenSpalteDesRemistests) {
    // The computer began this game; the human's stone is the 42nd.
    Testspiel t({"SCCCSC.", "CSSCSCS", "CSCCSSS", "SSCSCSC", "SCCCSSC", "SCSCSCC"});
    t.F.Wenn([&] { return t.S.Stand().VolleSpalten == 7; }, [&] { t.S.NeuesSpiel(); });
    t.Klick(6);
    EXPECT_EQ(t.F.Anzahl("Meldung:Unentschieden"), 0);
    EXPECT_EQ(t.F.Anzahl("Brettbild leer"), 1);
    EXPECT_EQ(t.Steine(), 0);
}

} // namespace
} // namespace steinfall
