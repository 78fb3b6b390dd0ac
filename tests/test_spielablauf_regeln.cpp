// The board rules of the game flow: the drop, the line scans, the quick four
// test, full columns and the computer's pause.

#include "tests/FakeFenster.h"

#include <gtest/gtest.h>

namespace steinfall {
namespace {

using test::Testspiel;
using Bild = std::array<std::string, 6>;

TEST(Spielregeln, SteinLandetAufDemStapel) {
    // The callers clear NeuStart before they drop.
    Testspiel t;
    t.S.AnimationSetzen(false);
    t.I.NeuStart() = false;
    t.I.SteinEinwerfen(SpaltencodeVon(4));
    EXPECT_EQ(t.S.Stand().Brett[38], SteinSpieler);
    EXPECT_EQ(t.F.Auszug({"Sound", "Stein", "Fall", "Gelandet"}),
              "Sound:KLACK.WAV Stein:38:1 Gelandet:38:1");

    Testspiel oben({".......", "...S...", "...C...", "...S...", "...C...", "...S..."});
    oben.I.Stand().AmZug = SteinComputer;
    oben.I.NeuStart() = false;
    oben.I.SteinEinwerfen(SpaltencodeVon(4));
    EXPECT_EQ(oben.S.Stand().Brett[3], SteinComputer);
    EXPECT_EQ(oben.F.Auszug(), "Fall:3:2 AufEreignis*3 Sound:KLACK.WAV Stein:3:2 Gelandet:3:2");
}

struct Fund {
    std::string Hervorgehoben; // the highlighted cells
    std::string Text;
};

Fund Suchen(const Bild& bild, Seite amZug = SteinSpieler) {
    Testspiel t(bild);
    t.I.Stand().AmZug = amZug;
    // The quick four test shares the scan.
    const Zahl16 vier = t.I.VierInReihe();
    t.I.PruefeSieg(amZug == SteinComputer ? SiegerComputer : SiegerSpieler);
    std::string steine;
    for (const auto& zeile : t.F.Protokoll) {
        if (zeile.ends_with(":3")) { // "Stein:<cell>:3"
            steine += (steine.empty() ? "" : " ") + zeile.substr(6, zeile.size() - 8);
        }
    }
    EXPECT_EQ(t.I.Sieggefunden(), !t.F.Boxen.empty());
    EXPECT_EQ(vier, t.F.Boxen.size());
    return {steine, t.F.Boxen.empty() ? "" : t.F.Boxen[0].Text};
}

// Each case: the board, the side to move, the line shown and its message.
TEST(Spielregeln, SiegsucheInIhrerReihenfolge) {
    const Texte t = Testspiel().S.Txt();
    // clang-format off
    struct Fall { Bild Brett; Seite AmZug; const char* Reihe; std::string Text; };
    const Fall faelle[] = {
        // Horizontal before vertical.
        {{".......", ".......", "SSSS...", "CCCS...", "CCCS...", "CCCS..."}, SteinSpieler,
         "14 15 16 17", t.TxtGewonnenHorizontal},
        {{".......", "...CCCC", ".......", ".......", ".......", "S......"}, SteinComputer,
         "10 11 12 13", t.TxtVerlorenHorizontal},
        // A line of five shows the four from the first start cell in scan order.
        {{".......", ".......", ".......", ".......", ".......", ".SSSSS."}, SteinSpieler,
         "36 37 38 39", t.TxtGewonnenHorizontal},
        // Start row 0 down to the left comes before start row 1 down to the right.
        {{"......S", "S....S.", ".S..S..", "..SS...", "...S...", "......."}, SteinSpieler,
         "6 12 18 24", t.TxtGewonnenDiagonal},
        // Within one start row, down to the right first.
        {{"...S...", "..S.S..", ".S...S.", "S.....S", ".......", "......."}, SteinSpieler,
         "3 11 19 27", t.TxtGewonnenDiagonal},
        // The other side's line never matches.
        {{".......", ".......", "C......", "C......", "C......", "C......"}, SteinSpieler, "", ""},
        {{".......", ".......", "C......", "C......", "C......", "C......"}, SteinComputer,
         "14 21 28 35", t.TxtVerlorenVertikal},
    };
    // clang-format on
    for (const Fall& f : faelle) {
        const Fund fund = Suchen(f.Brett, f.AmZug);
        EXPECT_EQ(fund.Hervorgehoben, f.Reihe);
        EXPECT_EQ(fund.Text, f.Text) << f.Reihe;
    }
}

TEST(Spielregeln, VolleSpaltenUndRemis) {
    // Column 3 holds five stones: still open.
    Testspiel t({"S.....C", "C..S..S", "S..C..C", "C..S..S", "S..C..C", "C..S..S"});
    t.I.Stand().SpaltenStatus.fill(SpalteOffen);
    t.I.PruefeVoll();
    EXPECT_EQ(t.S.Stand().SpaltenStatus,
              (std::array{SpalteVoll, SpalteOffen, SpalteOffen, SpalteOffen, SpalteOffen,
                          SpalteOffen, SpalteVoll}));
    EXPECT_EQ(t.S.Stand().VolleSpalten, 2);

    const Bild voll = {"CSSCCCS", "SCCSSSC", "CCCSCSC", "SSCSCCC", "SCSCSSS", "SSCCSCS"};
    Bild sechs = voll; // one top cell free: no draw yet
    sechs[0][4] = '.';
    Testspiel fast(sechs);
    fast.I.PruefeVoll();
    EXPECT_TRUE(fast.F.Boxen.empty());

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
    t.I.ComputerPause(SpaltencodeVon(1));
    EXPECT_EQ(t.F.Anzahl("Warten"), 15);

    t.I.Stand().SpaltenStatus[1] = SpalteVoll;
    t.I.ComputerPause(SpaltencodeVon(2));
    EXPECT_EQ(t.F.Anzahl("Warten"), 15);

    Testspiel kurz;
    kurz.F.Bei("Warten", 4, [&] { kurz.I.NeuesSpielAngefordert() = true; });
    kurz.I.ComputerPause(SpaltencodeVon(3));
    EXPECT_EQ(kurz.F.Anzahl("Warten"), 4);
}

} // namespace
} // namespace steinfall
