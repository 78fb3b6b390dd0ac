#pragma once

#include "ai/Analyse.h"

// The decision steps and scoring steps of the computer player. A decision
// step answers with a Spaltencode (150..156) or with 0 for "no decision".
// Side codes are the Analyse's CodeComputer or CodeSpieler.

namespace steinfall {

// Final choice: the best positive score the bans allow (uses one draw).
Zahl16 BesteSpalteWaehlen(Analyse& a);
// Offers one cell of a score array to the choice record.
void ZelleWerten(Analyse& a, const Wertfeld& wert, Zahl16 zeile, Zahl16 spalte);

// Fallback choice by column danger, at random among the least dangerous.
Zahl16 NotfallWahl(Analyse& a);

// Immediate threats of one side; ends with BesteSpalteWaehlen.
Zahl16 DrohungenPruefen(Analyse& a, Zahl16 seite);

// Endgame: one column left, or two columns left.
Zahl16 LetzteSpalte(Analyse& a, Zahl16 grenze);
Zahl16 ZweiSpaltenRest(Analyse& a);

// Two threat cells of one side stacked in a column.
Zahl16 DoppelDrohungAbwehren(Analyse& a);
void DoppelDrohungBonus(Analyse& a);

// Five-cell windows with two stones of one side.
void FuenferMuster(Analyse& a, Zahl16 seite);

// Variety in the computer's first two moves (uses one draw).
void EroeffnungZufall(Analyse& a);

// Pattern families.
void MusterA(Analyse& a, Zahl16 seite);

} // namespace steinfall
