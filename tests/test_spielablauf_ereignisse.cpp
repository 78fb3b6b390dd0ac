// Events that arrive in the middle of a move: new games, clicks, and the
// races between them and a win or a draw being shown.

#include "tests/FakeFenster.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace steinfall {
namespace {

using test::Testspiel;

TEST(SpielablaufEreignisse, NeuesSpielWaehrendDesSpielerzugs) {
    Testspiel t;
    t.F.Bei("AufEreignis", 1, [&] { t.S.NeuesSpiel(); });
    t.Klick(3);
    EXPECT_EQ(t.F.Auszug({"Fall", "Sound:", "Stein:", "Gelandet", "Brettbild", "Status:"}),
              "Fall:38:1 FallAnhalten Status:Klicken Brettbild leer");
    EXPECT_EQ(t.Steine(), 0);
    EXPECT_EQ(t.S.Stand().AmZug, SteinSpieler);
    EXPECT_FALSE(t.I.NeuesSpielAngefordert() || t.I.Klickbelegt() || t.F.Faellt());

    // Started while the drop still looks for its cell: the new board stays empty.
    Testspiel suche;
    suche.S.AnimationSetzen(false);
    suche.F.Bei("Ereignisse", 2, [&] { suche.S.NeuesSpiel(); });
    suche.Klick(3);
    EXPECT_EQ(suche.F.Auszug({"Sound:", "Stein:", "Gelandet", "Brettbild", "Status:"}),
              "Status:Klicken Brettbild leer");
    EXPECT_EQ(suche.Steine(), 0);
}

TEST(SpielablaufEreignisse, NeuesSpielWaehrendDerComputerDenkt) {
    Testspiel pause;
    pause.F.Bei("Warten", 1, [&] { pause.S.NeuesSpiel(); });
    pause.Klick(3);
    EXPECT_EQ(pause.F.Anzahl("Warten"), 1);
    EXPECT_EQ(pause.F.Auszug({"Sound:", "FallAnhalten", "Status:", "Brettbild"}),
              "Sound:KLACK.WAV Status:Ueberlegt FallAnhalten Status:Klicken*2 Brettbild leer");
    EXPECT_EQ(pause.Steine(), 0);
    EXPECT_FALSE(pause.S.ComputerDenkt() || pause.I.NeuesSpielAngefordert());

    // Asked for after the computer's stone has landed.
    Testspiel spaet;
    spaet.F.Wenn([&] { return spaet.S.ComputerDenkt() && spaet.F.Anzahl("Sound:KLACK.WAV") == 2; },
                 [&] { spaet.S.NeuesSpiel(); });
    spaet.Klick(3);
    EXPECT_THAT(spaet.F.Auszug({"Sound:", "Stein:", "Status:", "Brettbild"}),
                testing::MatchesRegex("Sound:KLACK.WAV Stein:38:1 Status:Ueberlegt Sound:KLACK.WAV "
                                      "Stein:[0-9]+:2 Status:Klicken\\*2 Brettbild leer"));
    EXPECT_EQ(spaet.Steine(), 0);
}

TEST(SpielablaufEreignisse, KlicksWaehrendEinesZugsZaehlenNicht) {
    // A second click while the first one's drop looks for its cell.
    Testspiel doppelt;
    doppelt.S.AnimationSetzen(false);
    doppelt.F.Bei("Ereignisse", 1, [&] { doppelt.Klick(5); });
    doppelt.Klick(3);
    EXPECT_EQ(doppelt.Steine(), 2);
    EXPECT_EQ(doppelt.S.Stand().Brett[38], SteinSpieler);
    EXPECT_EQ(doppelt.F.Anzahl("Zeiger:Sanduhr"), 1);
}

TEST(SpielablaufEreignisse, NeuesSpielWaehrendDieReiheBlinkt) {
    Testspiel t({".......", ".......", ".......", ".......", "CCC....", "SSS...."});
    t.S.ComputerBeginntSetzen(true);
    t.F.Bei("Warten", 1, [&] { t.S.NeuesSpiel(); });
    t.Klick(3);
    // The line flashes on its own board, one box, then one new game.
    // Only the dropped stones are told as landed, not the flash's.
    EXPECT_EQ(t.F.Auszug({"Stein:", "Gelandet", "Meldung:", "Brettbild"}),
              "Stein:38:1 Gelandet:38:1 Stein:35:3 Stein:36:3 Stein:37:3 Stein:38:3 Stein:35:1 "
              "Stein:36:1 Stein:37:1 Stein:38:1 Meldung:Sieg Brettbild leer Stein:37:2 "
              "Gelandet:37:2");
    EXPECT_EQ(t.S.Stand().Zugzaehler, 2);
    EXPECT_FALSE(t.I.NeuesSpielAngefordert());
}

TEST(SpielablaufEreignisse, NeuesSpielNachDerLetztenSpalteDesRemistests) {
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
