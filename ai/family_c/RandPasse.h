#pragma once

#include "ai/family_c/RandPass.h"

#include <array>

namespace steinfall::familie_c {

// The twenty edge-cell passes in the order the dispatcher runs them; C11 has
// a shape of its own (Fuenferfenster.h) and runs between C10 and C12.
//
// Each pass:  number, T, loop
//             row line of T: at least one of
//             falling diagonal through T (down to the right): at least one of
//             rising diagonal through T (up to the right): at least one of
//
// clang-format off
inline constexpr std::array<RandPass, 20> RandPasse{{
    {1,  {1, K}, Ueber(K, 1, 3),
         {{1, 1}, {1, 2}, {1, 3}, {1, 4}},
         {{2, K + 1}, {3, K + 2}, {4, K + 3}},
         Keine},
    {2,  {3, 2}, Fest,
         {{3, 3}, {3, 4}, Beide({3, 1}, {3, 5})},
         {{4, 3}, {5, 4}, Beide({2, 1}, {6, 5})},
         {{2, 3}, {1, 4}, {4, 1}}},
    {3,  {R, 1}, Ueber(R, 2, 3),
         {{R, 1}, {R, 2}, {R, 3}, {R, 4}},
         {{R + 1, 2}, {R + 2, 3}, {R + 3, 4}},
         Keine},
    {4,  {2, 2}, Fest,
         {{2, 3}, {2, 4}, Beide({2, 1}, {2, 5})},
         {{3, 3}, {4, 4}, Beide({1, 1}, {5, 5})},
         Keine},
    {5,  {2, 3}, Fest,
         {{2, 4}, Beide({2, 2}, {2, 6}), Beide({2, 2}, {2, 5}), Beide({2, 1}, {2, 5})},
         {{3, 4}, {4, 5}, Beide({1, 2}, {5, 6})},
         {{3, 2}, {4, 1}, {1, 4}}},
    {6,  {2, 5}, Fest,
         {{2, 4}, Beide({2, 2}, {2, 6}), Beide({2, 3}, {2, 6}), Beide({2, 3}, {2, 7})},
         {{3, 6}, {4, 7}, {1, 4}},
         {{3, 4}, {4, 3}, Beide({1, 6}, {5, 2})}},
    {7,  {2, 6}, Fest,
         {{2, 5}, {2, 4}, Beide({2, 3}, {2, 7})},
         Keine,
         {{3, 5}, {4, 4}, Beide({1, 7}, {5, 3})}},
    {8,  {R, 7}, Ueber(R, 2, 3),
         {{R, 4}, {R, 5}, {R, 6}, {R, 7}},
         Keine,
         {{R + 1, 6}, {R + 2, 5}, {R + 3, 4}}},
    {9,  {3, 6}, Fest,
         {{3, 5}, {3, 4}, Beide({3, 3}, {3, 7})},
         {{2, 5}, {1, 4}, {4, 7}},
         {{4, 5}, {5, 4}, Beide({2, 7}, {6, 3})}},
    {10, {1, K}, Ueber(K, 5, 7),
         {{1, 4}, {1, 5}, {1, 6}, {1, 7}},
         Keine,
         {{2, K - 1}, {3, K - 2}, {4, K - 3}}},
    {12, {R, 1}, Ueber(R, 4, 5),
         {{R, 1}, {R, 2}, {R, 3}, {R, 4}},
         Keine,
         {{R - 1, 2}, {R - 2, 3}, {R - 3, 4}}},
    {13, {4, 2}, Fest,
         {{4, 3}, {4, 4}, Beide({4, 1}, {4, 5})},
         {{5, 3}, {6, 4}, {3, 1}},
         {{3, 3}, {2, 4}, Beide({1, 5}, {5, 1})}},
    {14, {5, 2}, Fest,
         {{5, 3}, {5, 4}, Beide({5, 1}, {5, 5})},
         Keine,
         {{4, 3}, {3, 4}, Beide({2, 5}, {6, 1})}},
    {15, {5, 3}, Fest,
         {{5, 4}, Beide({5, 2}, {5, 6}), Beide({5, 2}, {5, 5}), Beide({5, 1}, {5, 5})},
         {{6, 4}, {4, 2}, {3, 1}},
         {{4, 4}, {3, 5}, Beide({2, 6}, {6, 2})}},
    {16, {6, K}, Ueber(K, 1, 3),
         {{6, 1}, {6, 2}, {6, 3}, {6, 4}},
         Keine,
         {{5, K + 1}, {4, K + 2}, {3, K + 3}}},
    {17, {4, 6}, Fest,
         {{4, 5}, {4, 4}, Beide({4, 3}, {4, 7})},
         {{3, 5}, {2, 4}, Beide({1, 3}, {5, 7})},
         {{3, 7}, {5, 5}, {6, 4}}},
    {18, {R, 7}, Ueber(R, 4, 5),
         {{R, 4}, {R, 5}, {R, 6}, {R, 7}},
         {{R - 1, 6}, {R - 2, 5}, {R - 3, 4}},
         Keine},
    {19, {5, 5}, Fest,
         {{5, 4}, Beide({5, 2}, {5, 6}), Beide({5, 3}, {5, 7}), Beide({5, 3}, {5, 6})},
         {{4, 4}, {3, 3}, Beide({2, 2}, {6, 6})},
         {{4, 6}, {3, 7}, {6, 4}}},
    {20, {5, 6}, Fest,
         {{5, 5}, {5, 4}, Beide({5, 3}, {5, 7})},
         {{4, 5}, {3, 4}, Beide({2, 3}, {6, 7})},
         Keine},
    {21, {6, K}, Ueber(K, 5, 7),
         {{6, 4}, {6, 5}, {6, 6}, {6, 7}},
         {{5, K - 1}, {4, K - 2}, {3, K - 3}},
         Keine},
}};
// clang-format on

// Guards against slips in the table: every coordinate follows the pass's own
// loop variable, and every cell it names lies on the board for every value
// of the loop.
namespace pruefung {

constexpr int Variable(int wert) {
    return wert >= R - 50 ? R : wert >= K - 50 ? K : 0;
}

constexpr bool AufDemBrett(Feld feld, const Schleife& lauf) {
    for (int wert : {feld.Zeile, feld.Spalte}) {
        if (Variable(wert) != 0 && Variable(wert) != lauf.Variable) {
            return false;
        }
    }
    for (int i = lauf.Von; i <= lauf.Bis; ++i) {
        const Feld f = Einsetzen(feld, i);
        if (f.Zeile < 1 || f.Zeile > AnzahlZeilen || f.Spalte < 1 || f.Spalte > AnzahlSpalten) {
            return false;
        }
    }
    return true;
}

constexpr bool AufDemBrett(const Linie& linie, const Schleife& lauf) {
    for (std::size_t i = 0; i < linie.Anzahl; ++i) {
        const Alternative& alternative = linie.Alternativen[i];
        if (!AufDemBrett(alternative.Erstes, lauf) ||
            (alternative.IstPaar() && !AufDemBrett(alternative.Zweites, lauf))) {
            return false;
        }
    }
    return true;
}

constexpr bool TabelleStimmig() {
    int erwartet = 1;
    for (const RandPass& pass : RandPasse) {
        if (erwartet == 11) {
            ++erwartet;
        }
        const bool schleifeStimmt =
            (pass.Lauf.Variable == 0) == (pass.Lauf.Von == 0 && pass.Lauf.Bis == 0) &&
            pass.Lauf.Von <= pass.Lauf.Bis;
        if (pass.Nummer != erwartet++ || !schleifeStimmt || !AufDemBrett(pass.Ziel, pass.Lauf) ||
            !AufDemBrett(pass.Reihe, pass.Lauf) || !AufDemBrett(pass.Fallend, pass.Lauf) ||
            !AufDemBrett(pass.Steigend, pass.Lauf)) {
            return false;
        }
    }
    return true;
}

static_assert(TabelleStimmig(), "edge-cell pass table out of step");

} // namespace pruefung

} // namespace steinfall::familie_c
