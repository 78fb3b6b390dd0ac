#pragma once

#include "ai/Analyse.h"

#include <string>

namespace steinfall {

// The outcome of the computer's decision for one move.
struct Entscheidung {
    Zahl16 Spalte = 0;       // the chosen Spaltencode
    std::string Schritt;     // the step that answered: "9a.1" ... "9h"
    int Durchlaeufe = 0;     // runs of the decision loop
};

// The analysis part of the computer's turn: clears the arrays, copies the
// board, resets the choice and the side codes and runs the decision loop with
// its strength and move-count gates. `a.Stand` must point at the game state
// (AmZug 2, Zugzaehler already advanced by 2); `a.Zufall` at a random source.
Entscheidung ComputerEntscheiden(Analyse& a);

} // namespace steinfall
