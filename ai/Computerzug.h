#pragma once

#include "ai/Analyse.h"
#include "ai/Schritte.h"
#include "ai/family_b/MusterB.h"
#include "ai/family_c/MusterC.h"

#include <functional>
#include <string>

namespace steinfall {

// The outcome of the computer's decision for one move.
struct Entscheidung {
    Zahl16 Spalte = 0;   // the chosen Spaltencode
    std::string Schritt; // the step that answered: "9a.1" ... "9h"
    int Durchlaeufe = 0; // runs of the decision loop
};

// The steps the decision loop calls. The game always uses the defaults; tests
// put recording steps in to check the loop's gates and order.
struct Entscheidungsschritte {
    std::function<Zahl16(Analyse&, Zahl16)> DrohungenPruefen = steinfall::DrohungenPruefen;
    std::function<Zahl16(Analyse&, Zahl16)> LetzteSpalte = steinfall::LetzteSpalte;
    std::function<Zahl16(Analyse&)> DoppelDrohungAbwehren = steinfall::DoppelDrohungAbwehren;
    std::function<void(Analyse&, Zahl16)> FuenferMuster = steinfall::FuenferMuster;
    std::function<void(Analyse&)> DoppelDrohungBonus = steinfall::DoppelDrohungBonus;
    std::function<void(Analyse&, Zahl16)> MusterA = steinfall::MusterA;
    std::function<void(Analyse&, Zahl16)> MusterB = steinfall::MusterB;
    std::function<Zahl16(Analyse&)> BesteSpalteWaehlen = steinfall::BesteSpalteWaehlen;
    std::function<void(Analyse&)> EroeffnungZufall = steinfall::EroeffnungZufall;
    std::function<Zahl16(Analyse&)> ZweiSpaltenRest = steinfall::ZweiSpaltenRest;
    std::function<void(Analyse&, Zahl16)> MusterC = steinfall::MusterC;
    std::function<Zahl16(Analyse&)> NotfallWahl = steinfall::NotfallWahl;
};

// The analysis part of the computer's turn: clears the arrays, copies the
// board, resets the choice and the side codes and runs the decision loop with
// its strength and move-count gates. `a.Stand` must point at the game state
// (AmZug 2, Zugzaehler already advanced by 2); `a.Zufall` at a random source.
Entscheidung ComputerEntscheiden(Analyse& a);
Entscheidung ComputerEntscheiden(Analyse& a, const Entscheidungsschritte& schritte);

} // namespace steinfall
