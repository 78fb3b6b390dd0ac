#pragma once

#include "ai/Analyse.h"

// The decision steps and scoring steps of the computer player, each with the
// label of its place in the decision loop (docs/computerspieler.md). A
// decision step answers with a Spaltencode (150..156) or with 0 for "no
// decision". Side codes are the Analyse's CodeComputer or CodeSpieler.

namespace steinfall {

// 9c, 9e, and the end of 9a.1 and 9a.2. Final choice: the best positive score
// the bans allow (uses one draw).
Zahl16 BesteSpalteWaehlen(Analyse& a);
// Offers one cell of a score array to the choice record.
void ZelleWerten(Analyse& a, const Wertfeld& wert, Zahl16 zeile, Zahl16 spalte);

// 9h. Fallback choice by column danger, at random among the least dangerous.
Zahl16 NotfallWahl(Analyse& a);

// 9a.1 (computer), 9a.2 (human). Immediate threats of one side; ends with
// BesteSpalteWaehlen.
Zahl16 DrohungenPruefen(Analyse& a, Zahl16 seite);

// 9a.3, 9f. Endgame: one column left, or two columns left.
Zahl16 LetzteSpalte(Analyse& a, Zahl16 grenze);
Zahl16 ZweiSpaltenRest(Analyse& a);

// 9a.4, 9a.6. Stacked pairs: two threat cells of one side, one right above
// the other in a column.
Zahl16 DoppelDrohungAbwehren(Analyse& a);
void DoppelDrohungBonus(Analyse& a);

// 9a.5. Five-cell windows with two stones of one side.
void FuenferMuster(Analyse& a, Zahl16 seite);

// 9d. Variety in the computer's first two moves (uses one draw).
void EroeffnungZufall(Analyse& a);

// 9b. Family A: windows of four with two stones of one side and two gaps.
void MusterA(Analyse& a, Zahl16 seite);

} // namespace steinfall
