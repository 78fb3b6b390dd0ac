#pragma once

#include "core/Zahl16.h"

#include <array>

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

// Cell codes.
inline constexpr int Leer = 0;
inline constexpr int SteinSpieler = 1;
inline constexpr int SteinComputer = 2;

// A column as it is passed around: 150 + column (0..6).
inline constexpr int SpaltencodeBasis = 150;
inline constexpr int SpaltencodeMin = 150;
inline constexpr int SpaltencodeMax = 156;
// The analysis counts columns 1..7: such a column as its code and back.
inline constexpr int SpaltencodeVon(int spalte) {
    return SpaltencodeBasis - 1 + spalte;
}
inline constexpr int SpalteVon(int spaltencode) {
    return spaltencode - SpaltencodeBasis + 1;
}

// Winner codes handed to the win check and on to the end-of-game messages.
inline constexpr int SiegerSpieler = 64;
inline constexpr int SiegerComputer = 67;

// SpaltenStatus values.
inline constexpr int SpalteOffen = 1;
inline constexpr int SpalteVoll = 4;

// Playing strengths (there is no 2).
inline constexpr int Anfaenger = 1;
inline constexpr int Experte = 3;
inline constexpr int Profi = 4;

// What the computer player reads of the game.
struct Spielstand {
    Spielbrett Brett{};
    Zahl16 AmZug = SteinSpieler; // 1 human, 2 computer
    std::array<Zahl16, AnzahlSpalten> SpaltenStatus{1, 1, 1, 1, 1, 1, 1};
    Zahl16 VolleSpalten = 0;
    Zahl16 Zugzaehler = 0;
    Zahl16 Spielstaerke = Experte;
};

// SpaltenStatus and VolleSpalten as the full-column scan leaves them: a
// column is full when its top cell is occupied.
inline void SpaltenAbleiten(Spielstand& stand) {
    stand.VolleSpalten = 0;
    for (int spalte = 0; spalte < AnzahlSpalten; ++spalte) {
        const bool voll = stand.Brett[spalte] != Leer;
        stand.SpaltenStatus[spalte] = voll ? SpalteVoll : SpalteOffen;
        if (voll) {
            ++stand.VolleSpalten;
        }
    }
}

} // namespace steinfall
