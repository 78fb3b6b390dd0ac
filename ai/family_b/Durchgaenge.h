#pragma once

#include "ai/Analyse.h"

// The passes of family B, each for side `seite`. MusterB runs them in order.

namespace steinfall::familie_b {

// The single-rule passes numbered von..bis, in order.
void EinfacheMuster(Analyse& a, Zahl16 seite, int von, int bis);

// Floating gaps.
void MusterB1(Analyse& a, Zahl16 seite);
void MusterB2(Analyse& a, Zahl16 seite);
void MusterB3(Analyse& a, Zahl16 seite);
void MusterB4(Analyse& a, Zahl16 seite);
void MusterB5(Analyse& a, Zahl16 seite);
void MusterB6(Analyse& a, Zahl16 seite);
void MusterB44(Analyse& a, Zahl16 seite);
void MusterB45(Analyse& a, Zahl16 seite);
void MusterB52(Analyse& a, Zahl16 seite);
void MusterB53(Analyse& a, Zahl16 seite);

// Rows of stones with open ends.
void MusterB7(Analyse& a, Zahl16 seite);
void MusterB12(Analyse& a, Zahl16 seite);
void MusterB13(Analyse& a, Zahl16 seite);
void MusterB56(Analyse& a, Zahl16 seite);
void MusterB63(Analyse& a, Zahl16 seite, Zahl16 ersteSpalte, Zahl16 letzteSpalte, Zahl16 ersteZeile,
               Zahl16 letzteZeile);
void MusterB66(Analyse& a, Zahl16 seite);
void MusterB67(Analyse& a, Zahl16 seite);

// The bottom rows.
void MusterB57(Analyse& a, Zahl16 seite);
void MusterB58(Analyse& a, Zahl16 seite);
void MusterB59(Analyse& a, Zahl16 seite);
void MusterB60(Analyse& a, Zahl16 seite);
void MusterB61(Analyse& a, Zahl16 seite);
void MusterB62(Analyse& a, Zahl16 seite);

// Patterns that read the threat and score arrays.
void MusterB68(Analyse& a, Zahl16 seite);
void MusterB69(Analyse& a, Zahl16 seite);
void MusterB70(Analyse& a, Zahl16 seite);

} // namespace steinfall::familie_b
