#pragma once

#include "ai/Analyse.h"
#include "ai/family_a/PassTabelle.h"

namespace steinfall::familie_a {

struct Zelle {
    Zahl16 Zeile;
    Zahl16 Spalte;
};

inline Zelle Darunter(Zelle x) {
    return {x.Zeile + 1, x.Spalte};
}
inline Zelle Darueber(Zelle x) {
    return {x.Zeile - 1, x.Spalte};
}

// Scores the gap h of a matched window whose other gap is o. Rule 1 (the
// human's side only) guards the empty cell below a gap that floats one cell
// above a stone or the floor; rule 2 rewards a gap that can be played now.
// The two exclude each other: the cell below h is either empty or not.
void LueckeWerten(Analyse& a, const Luecke& luecke, Zahl16 seite, Zelle h, Zelle o,
                  Zahl16 ankerzeile);

} // namespace steinfall::familie_a
