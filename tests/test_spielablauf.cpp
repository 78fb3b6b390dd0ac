// The order of a game: new games, whole games, wins, draws, clicks.

#include "tests/FakeFenster.h"

#include <gtest/gtest.h>

namespace steinfall {
namespace {

using test::Testspiel;

const std::vector<std::string> Ablauf = {
    "Zeiger:", "Status", "Sound:", "Meldung:", "Stein:", "Fall:", "Brettbild"};

TEST(Spielablauf, NeuesSpielFuerBeideSeiten) {
    Testspiel t({".......", ".......", ".......", ".......", "S......", "SC....."});
    t.I.Stand().Zugzaehler = 8;
    t.S.ComputerBeginntSetzen(true);
    t.S.NeuesSpiel();
    EXPECT_EQ(t.Steine(), 1);
    EXPECT_EQ(t.S.Stand().Zugzaehler, 2);
    EXPECT_EQ(t.S.Stand().AmZug, SteinSpieler);
    EXPECT_TRUE(t.I.NeuStart());

    // The next game clears the computer's stone and the full column.
    t.S.ComputerBeginntSetzen(false);
    t.I.Stand().SpaltenStatus[3] = SpalteVoll;
    t.F.Protokoll.clear();
    t.S.NeuesSpiel();
    EXPECT_EQ(t.F.Auszug(), "Status:Klicken Brettbild leer Zeiger:Pfeil");
    EXPECT_EQ(t.Steine(), 0);
    EXPECT_EQ(t.S.Stand().AmZug, SteinSpieler);
    EXPECT_EQ(t.S.Stand().Zugzaehler, 0);
    EXPECT_EQ(t.S.Stand().SpaltenStatus[3], SpalteOffen);
    EXPECT_TRUE(t.I.NeuStart());
}

// A finished game: the line flashes, its sound and one box (exclamation
// icon, OK), then a new game with the human to move. The computer's 42nd
// stone completes a vertical line: the loss is shown, no draw, and the turn
// ends before the new game starts.
TEST(Spielablauf, SpielendeMitMeldung) {
    using Textfeld = std::string Texte::*;
    struct Fall {
        std::array<std::string, 6> Bild;
        std::function<void(Testspiel&)> Zug;
        std::string Ablauf;
        Textfeld Text;
    };
    const Fall faelle[] = {
        {{".......", ".......", ".......", ".......", "CC.....", "SSS...C"},
         [](Testspiel& t) { t.Klick(3); },
         "Zeiger:Sanduhr Fall:38:1 Sound:KLACK.WAV Stein:38:1 Stein:35:3 Stein:36:3 "
         "Stein:37:3 Stein:38:3 Warten*21 Stein:35:1 Stein:36:1 Stein:37:1 Stein:38:1 "
         "Zeiger:Pfeil Status verborgen Sound:KLATSCHN.WAV Meldung:Sieg Status gezeigt "
         "Status:Klicken Brettbild leer Zeiger:Pfeil*2",
         &Texte::TxtGewonnenHorizontal},
        {{"SC.SCCC", "CSCSCSS", "SSCSSCS", "SSCCSCS", "SCSSCCC", "CCSCCSS"},
         [](Testspiel& t) {
             t.I.Stand().AmZug = SteinComputer;
             t.I.Stand().Zugzaehler = 40;
             t.I.ComputerZug();
         },
         "Status:Ueberlegt Warten*15 Fall:2:2 Sound:KLACK.WAV Stein:2:2 Stein:2:3 Stein:9:3 "
         "Stein:16:3 Stein:23:3 Warten*21 Stein:2:2 Stein:9:2 Stein:16:2 Stein:23:2 Zeiger:Pfeil "
         "Status verborgen Sound:LACHEN.WAV Meldung:Niederlage Status gezeigt Zeiger:Pfeil "
         "Status:Klicken*2 Brettbild leer Zeiger:Pfeil",
         &Texte::TxtVerlorenVertikal},
        {{"C.SCCCS", "SCCSSSC", "CCCSCSC", "SSCSCCC", "SCSCSSS", "SSCCSCS"},
         [](Testspiel& t) { t.Klick(1); },
         "Zeiger:Sanduhr Fall:1:1 Sound:KLACK.WAV Stein:1:1 Status verborgen Sound:REMIS.WAV "
         "Meldung:Unentschieden Status gezeigt Status:Klicken Brettbild leer Zeiger:Pfeil*2",
         &Texte::TxtRemis},
    };
    std::vector<std::string> mitWarten = Ablauf;
    mitWarten.push_back("Warten");
    for (const Fall& f : faelle) {
        Testspiel t(f.Bild);
        f.Zug(t);
        EXPECT_EQ(t.F.Auszug(mitWarten), f.Ablauf);
        ASSERT_EQ(t.F.Boxen.size(), 1u) << f.Ablauf;
        EXPECT_EQ(t.F.Boxen[0].Text, t.S.Txt().*f.Text);
        EXPECT_EQ(t.F.Boxen[0].Icon, Symbol::Ausrufezeichen);
        EXPECT_EQ(t.F.Boxen[0].Tasten, Knoepfe::Ok);
        EXPECT_EQ(t.Steine(), 0);
        EXPECT_EQ(t.S.Stand().AmZug, SteinSpieler);
        EXPECT_FALSE(t.S.ComputerDenkt() || t.I.NeuesSpielAngefordert());
    }
}

TEST(Spielablauf, KlickAufDasBrett) {
    struct Fall {
        float x, y;
        int spalte; // -1: ignored
    };
    for (const Fall f : {Fall{100, 10, 0}, Fall{6500, 10, 6}, Fall{6600, 5175, 6},
                         Fall{1049.5f, 10, 1}, Fall{1049.4f, 10, 0}, Fall{-0.5f, 10, -1},
                         Fall{6600.5f, 10, -1}, Fall{3000, -0.5f, -1}, Fall{3000, 5175.5f, -1}}) {
        Testspiel t;
        t.S.picSpielfeld_MouseUp(f.x, f.y);
        if (f.spalte < 0) {
            EXPECT_TRUE(t.F.Protokoll.empty()) << f.x << "," << f.y;
        } else {
            EXPECT_EQ(t.S.Stand().Brett[35 + f.spalte], SteinSpieler) << f.x;
            EXPECT_EQ(t.Steine(), 2) << f.x;
        }
    }

    Testspiel voll({"..S....", "..C....", "..S....", "..C....", "..S....", "..C...."});
    const Spielbrett vorher = voll.S.Stand().Brett;
    voll.Klick(2);
    EXPECT_EQ(voll.F.Auszug(), "Zeiger:Sanduhr Status verborgen Sound:SCHNARCH.WAV "
                               "Meldung:Aufwachen ! Status gezeigt Zeiger:Pfeil");
    EXPECT_EQ(voll.F.Boxen.at(0).Text, voll.S.Txt().TxtSpalteVoll);
    EXPECT_EQ(voll.S.Stand().Brett, vorher);
    EXPECT_EQ(voll.S.Stand().AmZug, SteinSpieler);
    EXPECT_FALSE(voll.I.Klickbelegt());
}

// Each guard of a chosen column holds alone: a falling stone, the computer's
// status line, a choice still being played.
TEST(Spielablauf, JedeSperreHaeltDieWahlAllein) {
    Testspiel faellt;
    faellt.F.FallStarten(0, SteinComputer);
    Testspiel ueberlegt;
    ueberlegt.F.Status = ueberlegt.S.Txt().TxtComputerUeberlegt;
    Testspiel belegt;
    belegt.I.Klickbelegt() = true;
    for (Testspiel* t : {&faellt, &ueberlegt, &belegt}) {
        t->F.Protokoll.clear();
        t->S.SpalteGewaehlt(SpaltencodeVon(4));
        EXPECT_TRUE(t->F.Protokoll.empty()) << t->F.Auszug();
    }
}

} // namespace
} // namespace steinfall
