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
//
// Rule 2 is four tests, each adding to h on its own: lines a to d on the
// computer side, e, f, g, k on the human side.
//   a, e  the base, when o is no threat cell of the side;
//   b, f  7, when a threat cell of the side lies below o;
//   c, g  U (computer) or 7 (human), when one lies above o;
//   d, k  7, when o or the cell below it is a threat cell of the other side.
// A threat cell right above or below o would make a stacked pair with o.
void LueckeWerten(Analyse& a, const Luecke& luecke, Zahl16 seite, Zelle h, Zelle o,
                  Zahl16 ankerzeile);

} // namespace steinfall::familie_a
