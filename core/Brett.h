#pragma once

#include "core/Zahl16.h"

#include <array>
#include <cstdint>

namespace steinfall {

// The board: 42 cells, index = row * 7 + column, row 0 at the top.
//
//   col:  0  1  2  3  4  5  6
//   row 0 [ 0][ 1][ 2][ 3][ 4][ 5][ 6]
//   row 1 [ 7][ 8]  ...           [13]
//   ...
//   row 5 [35][36]  ...           [41]   <- a dropped stone lands here first
//
// The cell below index i is i + 7.
inline constexpr int AnzahlSpalten = 7;
inline constexpr int AnzahlZeilen = 6;
inline constexpr int AnzahlFelder = 42;

using Spielbrett = std::array<Zahl16, AnzahlFelder>;

// The codes below keep the numbers the analysis tool reads and writes; each
// is a 16-bit enumeration, so a signature says which code it takes.

// A cell's content and the side to move (no other value is ever stored).
enum Seite : std::int16_t { Leer = 0, SteinSpieler = 1, SteinComputer = 2 };

// A column as it is passed around: 150 + column (0..6).
enum Spaltencode : std::int16_t { SpaltencodeMin = 150, SpaltencodeMax = 156 };
inline constexpr int SpaltencodeBasis = SpaltencodeMin;
// The analysis counts columns 1..7: such a column as its code and back.
inline constexpr Spaltencode SpaltencodeVon(int spalte) {
    return static_cast<Spaltencode>(SpaltencodeBasis - 1 + spalte);
}
inline constexpr int SpalteVon(int spaltencode) {
    return spaltencode - SpaltencodeBasis + 1;
}

// Who has the line, handed to the win check and on to the end-of-game messages.
enum Sieger : std::int16_t { SiegerSpieler = 64, SiegerComputer = 67 };

// A SpaltenStatus entry.
enum Spaltenzustand : std::int16_t { SpalteOffen = 1, SpalteVoll = 4 };

// Playing strengths (there is no 2).
enum Staerke : std::int16_t { Anfaenger = 1, Experte = 3, Profi = 4 };

// What the computer player reads of the game.
struct Spielstand {
    Spielbrett Brett{};
    Seite AmZug = SteinSpieler;
    std::array<Spaltenzustand, AnzahlSpalten> SpaltenStatus{
        SpalteOffen, SpalteOffen, SpalteOffen, SpalteOffen, SpalteOffen, SpalteOffen, SpalteOffen};
    Zahl16 VolleSpalten = 0;
    Zahl16 Zugzaehler = 0;
    Staerke Spielstaerke = Experte;
};

// The full-column scan, column by column from the left: a column whose top
// cell is occupied is marked full and counted; `nachSpalte` runs after each
// column. A column marked full stays so.
template <typename NachSpalte> void VolleSpaltenZaehlen(Spielstand& stand, NachSpalte nachSpalte) {
    stand.VolleSpalten = 0;
    for (int spalte = 0; spalte < AnzahlSpalten; ++spalte) {
        if (stand.Brett[spalte] != Leer) {
            stand.SpaltenStatus[spalte] = SpalteVoll;
            ++stand.VolleSpalten;
        }
        nachSpalte();
    }
}

// SpaltenStatus and VolleSpalten of a board set up from scratch.
inline void SpaltenAbleiten(Spielstand& stand) {
    stand.SpaltenStatus.fill(SpalteOffen);
    VolleSpaltenZaehlen(stand, [] {});
}

} // namespace steinfall
