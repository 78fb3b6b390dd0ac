// Events that arrive in the middle of a move: new games, clicks.

#include "tests/FakeFenster.h"

#include <gtest/gtest.h>

namespace steinfall {
namespace {

using test::Anlass;
using test::Testspiel;
using Zeilen = std::vector<std::string>;

TEST(SpielablaufEreignisse, NeuesSpielWaehrendDesSpielerzugs) {
    Testspiel t;
    t.F.Bei(Anlass::AufEreignis, 1, [&] { t.S.NeuesSpiel(); });
    t.Klick(3);
    const std::string klicken = "Status:" + t.S.Txt().TxtKlicken;
    EXPECT_EQ(t.F.Auszug({"Fall", "Sound:", "Stein:", "Brettbild", "Status:"}),
              (Zeilen{"Fall:38:1", "FallAnhalten", klicken, "Brettbild leer"}));
    EXPECT_EQ(t.Steine(), 0);
    EXPECT_EQ(t.S.Stand().AmZug, SteinSpieler);
    EXPECT_FALSE(t.I.NeuesSpielAngefordert() || t.I.Klickbelegt() || t.F.Faellt());

    // Started while the drop still looks for its cell: the new board stays empty.
    Testspiel suche;
    suche.S.AnimationSetzen(false);
    suche.F.Bei(Anlass::Ereignisse, 2, [&] { suche.S.NeuesSpiel(); });
    suche.Klick(3);
    EXPECT_EQ(suche.F.Auszug({"Sound:", "Stein:", "Brettbild", "Status:"}),
              (Zeilen{klicken, "Brettbild leer"}));
    EXPECT_EQ(suche.Steine(), 0);
}

TEST(SpielablaufEreignisse, NeuesSpielWaehrendDerComputerDenkt) {
    Testspiel pause;
    const std::string klicken = "Status:" + pause.S.Txt().TxtKlicken;
    const std::string ueberlegt = "Status:" + pause.S.Txt().TxtComputerUeberlegt;
    pause.F.Bei(Anlass::Warten, 1, [&] { pause.S.NeuesSpiel(); });
    pause.Klick(3);
    EXPECT_EQ(pause.F.Anzahl("Warten"), 1);
    EXPECT_EQ(
        pause.F.Auszug({"Sound:", "FallAnhalten", "Status:", "Brettbild"}),
        (Zeilen{"Sound:KLACK.WAV", ueberlegt, "FallAnhalten", klicken, klicken, "Brettbild leer"}));
    EXPECT_EQ(pause.Steine(), 0);
    EXPECT_FALSE(pause.S.ComputerDenkt() || pause.I.NeuesSpielAngefordert());

    // Asked for after the computer's stone has landed.
    Testspiel spaet;
    spaet.F.Wenn([&] { return spaet.S.ComputerDenkt() && spaet.F.Anzahl("Sound:KLACK.WAV") == 2; },
                 [&] { spaet.S.NeuesSpiel(); });
    spaet.Klick(3);
    const Zeilen a = spaet.F.Auszug({"Sound:", "Stein:", "Status:", "Brettbild"});
    ASSERT_EQ(a.size(), 8u);
    EXPECT_EQ(Zeilen(a.begin(), a.begin() + 4),
              (Zeilen{"Sound:KLACK.WAV", "Stein:38:1", ueberlegt, "Sound:KLACK.WAV"}));
    EXPECT_TRUE(a[4].starts_with("Stein:") && a[4].ends_with(":2")) << a[4];
    EXPECT_EQ(Zeilen(a.begin() + 5, a.end()), (Zeilen{klicken, klicken, "Brettbild leer"}));
    EXPECT_EQ(spaet.Steine(), 0);
}

TEST(SpielablaufEreignisse, KlicksWaehrendEinesZugsZaehlenNicht) {
    // The computer's opening move is not inside a click: only the status
    // line and the falling stone keep the board closed.
    Testspiel computer;
    computer.S.ComputerBeginntSetzen(true);
    computer.F.Bei(Anlass::Warten, 1, [&] { computer.Klick(4); });
    computer.F.Bei(Anlass::AufEreignis, 1, [&] { computer.Klick(5); });
    computer.S.NeuesSpiel();
    EXPECT_EQ(computer.Steine(), 1);
    EXPECT_EQ(computer.F.Anzahl("Zeiger:Sanduhr"), 0);
    EXPECT_EQ(computer.S.Stand().AmZug, SteinSpieler);

    // A second click while the first one's drop looks for its cell.
    Testspiel doppelt;
    doppelt.S.AnimationSetzen(false);
    doppelt.F.Bei(Anlass::Ereignisse, 1, [&] { doppelt.Klick(5); });
    doppelt.Klick(3);
    EXPECT_EQ(doppelt.Steine(), 2);
    EXPECT_EQ(doppelt.S.Stand().Brett[38], SteinSpieler);
    EXPECT_EQ(doppelt.F.Anzahl("Zeiger:Sanduhr"), 1);
}

} // namespace
} // namespace steinfall
