#pragma once

// Builds analysis positions from small pictures, for the computer player's
// tests: six rows top to bottom, '.' empty, 'C' computer, 'S' human
// (Spieler). The working board then holds 1 for C and 2 for S, the floor
// below, and the game state is derived as after a real move.

#include "ai/Analyse.h"
#include "core/Brett.h"

#include <array>
#include <cassert>
#include <string>

namespace steinfall::test {

inline Spielbrett BrettAus(const std::array<std::string, 6>& bild) {
    Spielbrett brett{};
    for (int zeile = 0; zeile < 6; ++zeile) {
        assert(bild[zeile].size() == 7);
        for (int spalte = 0; spalte < 7; ++spalte) {
            const char c = bild[zeile][spalte];
            brett[zeile * 7 + spalte] = c == 'C' ? SteinComputer : c == 'S' ? SteinSpieler : Leer;
        }
    }
    return brett;
}

// An Analyse over a picture, with the computer to move. Owns its game state.
struct Testanalyse {
    Spielstand Stand;
    Analyse A;

    explicit Testanalyse(const std::array<std::string, 6>& bild, int zugzaehler = 6,
                         Staerke spielstaerke = Anfaenger) {
        Stand.Brett = BrettAus(bild);
        Stand.AmZug = SteinComputer;
        Stand.Zugzaehler = zugzaehler;
        Stand.Spielstaerke = spielstaerke;
        SpaltenAbleiten(Stand);
        A.Stand = &Stand;
        FeldKopieren(A, Stand.Brett, Stand.AmZug);
    }
};

} // namespace steinfall::test
