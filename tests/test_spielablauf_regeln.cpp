// The board rules of the game flow: the drop, the line scans, the quick four
// test, full columns and the computer's pause.

#include "tests/FakeFenster.h"

#include <gtest/gtest.h>

namespace steinfall {
namespace {

using test::Anlass;
using test::Testspiel;
using Bild = std::array<std::string, 6>;
using Zeilen = std::vector<std::string>;

TEST(Spielregeln, SteinLandetAufDemStapel) {
    // The callers clear NeuStart before they drop.
    Testspiel t;
    t.S.AnimationSetzen(false);
    t.I.NeuStart() = false;
    t.I.SteinEinwerfen(153);
    EXPECT_EQ(t.S.Stand().Brett[38], SteinSpieler);
    Zeilen erwartet(6, "Ereignisse"); // five cells looked at, one pass of the wait
    erwartet.insert(erwartet.end(), {"Sound:KLACK.WAV", "Stein:38:1"});
    EXPECT_EQ(t.F.Protokoll, erwartet);

    Testspiel oben({".......", "...S...", "...C...", "...S...", "...C...", "...S..."});
    oben.I.Stand().AmZug = SteinComputer;
    oben.I.NeuStart() = false;
    oben.I.SteinEinwerfen(153);
    EXPECT_EQ(oben.S.Stand().Brett[3], SteinComputer);
    EXPECT_EQ(oben.F.Protokoll, (Zeilen{"Fall:3:2", "AufEreignis", "AufEreignis", "AufEreignis",
                                        "Sound:KLACK.WAV", "Stein:3:2"}));

    Testspiel niemand;
    niemand.I.Stand().AmZug = 0;
    niemand.I.NeuStart() = false;
    niemand.I.SteinEinwerfen(150);
    EXPECT_EQ(niemand.Steine(), 0);
    EXPECT_TRUE(niemand.F.Protokoll.empty());
}

struct Fund {
    Zeilen Hervorgehoben;
    std::string Text;
    int Ereignisse;
};

Fund Suchen(const Bild& bild, int amZug = SteinSpieler) {
    Testspiel t(bild);
    t.I.Stand().AmZug = amZug;
    t.I.PruefeSieg(amZug == SteinComputer ? SiegerComputer : SiegerSpieler);
    Zeilen steine = t.F.Auszug({"Stein:"});
    steine.resize(std::min<std::size_t>(steine.size(), 4));
    EXPECT_EQ(t.I.Sieggefunden(), !t.F.Boxen.empty());
    return {steine, t.F.Boxen.empty() ? "" : t.F.Boxen[0].Text, t.F.Anzahl("Ereignisse")};
}

TEST(Spielregeln, SiegsucheInIhrerReihenfolge) {
    const Texte txt = Testspiel().S.Txt();

    // Horizontal before vertical.
    Fund f = Suchen({".......", ".......", "SSSS...", "CCCS...", "CCCS...", "CCCS..."});
    EXPECT_EQ(f.Hervorgehoben, (Zeilen{"Stein:14:3", "Stein:15:3", "Stein:16:3", "Stein:17:3"}));
    EXPECT_EQ(f.Text, txt.TxtGewonnenHorizontal);
    EXPECT_EQ(f.Ereignisse, 2);

    // A line of five shows the four from the first start cell in scan order.
    f = Suchen({".......", ".......", ".......", ".......", ".......", ".SSSSS."});
    EXPECT_EQ(f.Hervorgehoben, (Zeilen{"Stein:36:3", "Stein:37:3", "Stein:38:3", "Stein:39:3"}));

    // Start row 0 down to the left comes before start row 1 down to the right.
    f = Suchen({"......S", "S....S.", ".S..S..", "..SS...", "...S...", "......."});
    EXPECT_EQ(f.Hervorgehoben, (Zeilen{"Stein:6:3", "Stein:12:3", "Stein:18:3", "Stein:24:3"}));
    EXPECT_EQ(f.Text, txt.TxtGewonnenDiagonal);
    EXPECT_EQ(f.Ereignisse, 24 + 21 + 7);

    // Within one start row, down to the right first.
    f = Suchen({"...S...", "..S.S..", ".S...S.", "S.....S", ".......", "......."});
    EXPECT_EQ(f.Hervorgehoben, (Zeilen{"Stein:3:3", "Stein:11:3", "Stein:19:3", "Stein:27:3"}));

    // The other side's line never matches; every start cell processes events.
    f = Suchen({".......", ".......", "C......", "C......", "C......", "C......"});
    EXPECT_TRUE(f.Hervorgehoben.empty());
    EXPECT_EQ(f.Ereignisse, 24 + 21 + 24);

    f = Suchen({".......", ".......", "C......", "C......", "C......", "C......"}, SteinComputer);
    EXPECT_EQ(f.Hervorgehoben, (Zeilen{"Stein:14:3", "Stein:21:3", "Stein:28:3", "Stein:35:3"}));
    EXPECT_EQ(f.Text, txt.TxtVerlorenVertikal);
}

TEST(Spielregeln, VierInReiheAufDemSpielbrett) {
    auto vier = [](const Bild& bild, int amZug) {
        Testspiel t(bild);
        t.I.Stand().AmZug = amZug;
        return t.I.VierInReihe();
    };
    const Bild steigend = {".......", ".......", "...C...", "..C....", ".C.....", "C......"};
    EXPECT_EQ(vier(steigend, SteinComputer), 1);
    EXPECT_EQ(vier(steigend, SteinSpieler), 0);
    EXPECT_EQ(vier({".......", "...CCCC", ".......", ".......", ".......", "S......"}, 2), 1);
    EXPECT_EQ(vier({"......C", "......C", "......C", "......C", ".......", "S......"}, 2), 1);
    EXPECT_EQ(vier({".......", ".......", "C......", "C......", "C......", "C......"}, 2), 1);
    EXPECT_EQ(vier({"C......", ".C.....", "..C....", "...C...", ".......", "S......"}, 2), 1);
    EXPECT_EQ(vier({".......", ".......", ".......", ".......", "CCC....", "SSSS..."}, 2), 0);
}

TEST(Spielregeln, VolleSpaltenUndRemis) {
    Testspiel t({"S.....C", "C.....S", "S.....C", "C.....S", "S.....C", "C.....S"});
    t.I.Stand().SpaltenStatus.fill(SpalteOffen);
    t.I.PruefeVoll();
    EXPECT_EQ(t.S.Stand().SpaltenStatus,
              (std::array<Zahl16, 7>{SpalteVoll, 1, 1, 1, 1, 1, SpalteVoll}));
    EXPECT_EQ(t.S.Stand().VolleSpalten, 2);
    EXPECT_EQ(t.F.Protokoll, Zeilen(7, "Ereignisse"));

    const Bild voll = {"CSSCCCS", "SCCSSSC", "CCCSCSC", "SSCSCCC", "SCSCSSS", "SSCCSCS"};
    Testspiel mitSieg(voll);
    mitSieg.I.Sieggefunden() = true;
    mitSieg.I.PruefeVoll();
    EXPECT_TRUE(mitSieg.F.Boxen.empty());

    Testspiel remis(voll);
    remis.I.PruefeVoll();
    EXPECT_EQ(remis.F.Anzahl("Meldung:Unentschieden"), 1);
    EXPECT_EQ(remis.Steine(), 0);
}

TEST(Spielregeln, PauseVorDemComputerstein) {
    Testspiel t;
    t.I.ComputerPause(150);
    EXPECT_EQ(t.F.Anzahl("Warten"), 15);

    t.I.Stand().SpaltenStatus[1] = SpalteVoll;
    t.I.ComputerPause(151);
    EXPECT_EQ(t.F.Anzahl("Warten"), 15);

    Testspiel kurz;
    kurz.F.Bei(Anlass::Warten, 4, [&] { kurz.I.NeuesSpielAngefordert() = true; });
    kurz.I.ComputerPause(152);
    EXPECT_EQ(kurz.F.Anzahl("Warten"), 4);
}

} // namespace
} // namespace steinfall
