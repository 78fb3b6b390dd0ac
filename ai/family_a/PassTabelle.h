#pragma once

#include "ai/family_a/Ausnahmen.h"
#include "core/Brett.h"
#include "core/Zahl16.h"

#include <array>

// Family A: the eighteen passes over windows of four cells w0..w3 that hold
// two own stones and two empty gaps, in the order the dispatcher runs them.
//
//   horizontal         down to the right    down to the left
//   w0 w1 w2 w3        w0                            w0
//                         w1                      w1
//                            w2                w2
//                               w3          w3
//
// The anchor (r, c) is w0; rows count from the top, so w3 of a diagonal is
// its lowest cell. The empty cells are the gaps (docs/computerspieler.md,
// "Familie A").

namespace steinfall::familie_a {

// Cell wk of a window lies at (r + k * Zeilenschritt, c + k * Spaltenschritt).
// The anchor ranges keep every window on the board.
struct Richtung {
    int Zeilenschritt;
    int Spaltenschritt;
    Zahl16 ErsteSpalte;
    Zahl16 LetzteSpalte;
    Zahl16 ErsteZeile;
    Zahl16 LetzteZeile;
};

// The cells of a window after its anchor.
inline constexpr int Fensterrest = 3;
inline constexpr Zahl16 LetzteAnkerspalte = AnzahlSpalten - Fensterrest; // 4
inline constexpr Zahl16 LetzteAnkerzeile = AnzahlZeilen - Fensterrest;   // 3 (diagonals)

inline constexpr Richtung Waagerecht{0, 1, 1, LetzteAnkerspalte, 1, AnzahlZeilen};
inline constexpr Richtung RechtsFallend{1, 1, 1, LetzteAnkerspalte, 1, LetzteAnkerzeile};
inline constexpr Richtung LinksFallend{1, -1, 1 + Fensterrest, AnzahlSpalten, 1, LetzteAnkerzeile};

// One gap: its window position, its base (rule 2's lines a and e: the score
// when the other gap is no threat cell of the side), its U (line c: the score
// when a computer threat cell lies right above the other gap), and the
// exception that changes one of its rules, if any.
struct Luecke {
    int Lage;
    Zahl16 Basis;
    Zahl16 U;
    Ausnahme Sonderfall = Ausnahme::Keine;
};

struct Pass {
    const char* Name;
    Richtung Linie;
    std::array<int, 2> Eigene; // window positions of the two own stones
    std::array<Luecke, 2> Luecken;
};

using enum Ausnahme;

// clang-format off
inline constexpr std::array<Pass, 18> PassTabelle{{
    //       direction      own      gap  base  U                        gap  base  U
    {"A1",  Waagerecht,    {0, 3}, {{{1, 1, 32},                       {2, 1, 32}}}},
    {"A2",  Waagerecht,    {0, 1}, {{{2, 2, 32},                       {3, 2, 32, ZeileGZehnPlusAnkerzeile}}}},
    {"A3",  Waagerecht,    {2, 3}, {{{0, 2, 32, ZeileFElf},            {1, 2, 32, ZeileDAnDerLuecke}}}},
    {"A4",  Waagerecht,    {0, 2}, {{{1, 2, 32},                       {3, 2, 32}}}},
    {"A5",  Waagerecht,    {1, 3}, {{{0, 2, 32},                       {2, 2, 32}}}},
    {"A6",  Waagerecht,    {1, 2}, {{{0, 3, 32},                       {3, 3, 32}}}},
    {"A7",  RechtsFallend, {0, 3}, {{{1, 2, 7},                        {2, 2, 7}}}},
    {"A8",  RechtsFallend, {2, 3}, {{{0, 2, 7},                        {1, 2, 7}}}},
    {"A9",  RechtsFallend, {0, 1}, {{{2, 2, 7, ZeileDComputerUnterO},  {3, 1, 10}}}},
    {"A10", RechtsFallend, {1, 3}, {{{0, 2, 8},                        {2, 1, 7}}}},
    {"A11", RechtsFallend, {1, 2}, {{{0, 1, 7},                        {3, 2, 7}}}},
    {"A12", RechtsFallend, {0, 2}, {{{1, 2, 7},                        {3, 1, 7}}}},
    {"A13", LinksFallend,  {1, 2}, {{{0, 2, 7},                        {3, 1, 7}}}},
    {"A14", LinksFallend,  {2, 3}, {{{0, 2, 7, Regel1SpielerUnterO},   {1, 2, 7}}}},
    {"A15", LinksFallend,  {0, 1}, {{{2, 2, 7, ZeileFElf},             {3, 1, 7}}}},
    {"A16", LinksFallend,  {1, 3}, {{{0, 2, 14},                       {2, 1, 7}}}},
    {"A17", LinksFallend,  {0, 2}, {{{1, 2, 14},                       {3, 1, 7, ZeileKSpielerUnterO}}}},
    {"A18", LinksFallend,  {0, 3}, {{{1, 2, 7},                        {2, 2, 7}}}},
}};
// clang-format on

} // namespace steinfall::familie_a
