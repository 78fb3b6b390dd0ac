#include "core/Texte.h"

#include <gtest/gtest.h>

namespace steinfall {
namespace {

TEST(Texte, AlleNeunzehnZeichenGenau) {
    Texte t;
    InitSprache(t);
    EXPECT_EQ(t.TxtVerlorenDiagonal,
              "Sie haben leider verloren, da der\r\nComputer eine Reihe in diagonaler\r\n"
              "Richtung gebildet hat !");
    EXPECT_EQ(t.TxtNiederlage, "Niederlage");
    EXPECT_EQ(
        t.TxtGewonnenDiagonal,
        "Sie haben gewonnen, da Sie\r\neine Reihe in diagonaler Richtung\r\ngebildet haben !");
    EXPECT_EQ(t.TxtSieg, "Sieg");
    EXPECT_EQ(t.TxtRemis, "Die Partie endet mit einem Remis !");
    EXPECT_EQ(t.TxtUnentschieden, "Unentschieden");
    EXPECT_EQ(t.TxtVerlorenVertikal,
              "Sie haben leider verloren, da der\r\nComputer eine Reihe in vertikaler\r\n"
              "Richtung gebildet hat !");
    EXPECT_EQ(t.TxtGewonnenVertikal,
              "Sie haben gewonnen, da Sie eine\r\nReihe in vertikaler Richtung gebildet\r\nhat !");
    EXPECT_EQ(t.TxtVerlorenHorizontal,
              "Sie haben leider verloren, da der\r\nComputer eine Reihe in horizontaler\r\n"
              "Richtung gebildet hat !");
    EXPECT_EQ(
        t.TxtGewonnenHorizontal,
        "Sie haben gewonnen, da Sie eine\r\nReihe in horizontaler Richtung\r\ngebildet haben !");
    EXPECT_EQ(t.TxtKlicken, "Klicken Sie auf eine Spalte, um einen Spielstein einzuwerfen.");
    // The umlaut as UTF-8 bytes, the three dots as three full stops.
    EXPECT_EQ(t.TxtComputerUeberlegt, "Der Computer \xC3\xBC"
                                      "berlegt...");
    EXPECT_EQ(t.TxtSpalteVoll, "Diese Spalte ist schon voll !");
    EXPECT_EQ(t.TxtAufwachen, "Aufwachen !");
    EXPECT_EQ(t.TxtNeuesSpiel, "Wollen Sie ein neues Spiel starten ?");
    EXPECT_EQ(t.TxtFrage, "Frage:");
    EXPECT_EQ(t.TxtEinwerfen, "Stein wird eingeworfen...");
    EXPECT_EQ(t.TxtBeenden, "Wollen Sie Steinfall wirklich beenden ?");
    EXPECT_EQ(t.TxtBeendenTitel, "-=Beenden=-");
}

} // namespace
} // namespace steinfall
