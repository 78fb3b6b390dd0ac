#pragma once

#include "ai/Analyse.h"

#include <array>
#include <cstddef>
#include <initializer_list>

// The twenty edge-cell passes of family C share one shape: the target cell T
// must be playable now, and on every line the pass names the side must hold
// at least one of the listed alternatives. An alternative is one cell, or a
// pair of cells that must both be own. A pass may repeat this along a column
// (K) or a row (R).

namespace steinfall::familie_c {

// Table coordinates. Written K + n or R + n a coordinate follows the pass's
// loop variable: k counts columns, r counts rows.
inline constexpr int K = 100;
inline constexpr int R = 200;

struct Feld {
    int Zeile = 0;
    int Spalte = 0;
};

struct Alternative {
    Feld Erstes;
    Feld Zweites; // Zeile 0: a single cell

    constexpr Alternative() = default;
    constexpr Alternative(int zeile, int spalte) : Erstes{zeile, spalte} {}
    constexpr Alternative(Feld erstes, Feld zweites) : Erstes(erstes), Zweites(zweites) {}

    constexpr bool IstPaar() const { return Zweites.Zeile != 0; }
};

// "both (a) and (b)"
constexpr Alternative Beide(Feld erstes, Feld zweites) {
    return {erstes, zweites};
}

// The alternatives of one line; none means the pass does not test that line.
struct Linie {
    std::array<Alternative, 4> Alternativen{};
    std::size_t Anzahl = 0;

    constexpr Linie() = default;
    constexpr Linie(std::initializer_list<Alternative> liste) {
        for (const Alternative& alternative : liste) {
            Alternativen[Anzahl++] = alternative;
        }
    }
};

inline constexpr Linie Keine{};

struct Schleife {
    int Variable = 0; // K, R, or 0 for a single target cell
    int Von = 0;
    int Bis = 0;
};

inline constexpr Schleife Fest{};
constexpr Schleife Ueber(int variable, int von, int bis) {
    return {variable, von, bis};
}

struct RandPass {
    int Nummer; // C<Nummer>
    Feld Ziel;
    Schleife Lauf;
    Linie Reihe;
    Linie Fallend;  // cells (row + i, column + i)
    Linie Steigend; // cells (row - i, column + i)
};

// A table coordinate with the loop variable put in.
constexpr int Einsetzen(int wert, int lauf) {
    if (wert >= R - 50) {
        return wert - R + lauf;
    }
    if (wert >= K - 50) {
        return wert - K + lauf;
    }
    return wert;
}

constexpr Feld Einsetzen(Feld feld, int lauf) {
    return {Einsetzen(feld.Zeile, lauf), Einsetzen(feld.Spalte, lauf)};
}

// Marks the target cell of `pass` for every value of its loop that passes.
void RandPassAnwenden(Analyse& a, Zahl16 seite, const RandPass& pass);

} // namespace steinfall::familie_c
