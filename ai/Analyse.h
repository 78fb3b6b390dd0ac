#pragma once

#include "core/Brett.h"
#include "core/Zahl16.h"
#include "core/Zufall.h"

#include <array>
#include <cassert>
#include <functional>

namespace steinfall {

// The words of the computer player (own, playable, threat cell, gap, ...) are
// those of docs/computerspieler.md, "Wörter und Zählweise". In the pictures of
// the comments x is an own stone, S and C a stone of the human and of the
// computer, . empty, # occupied (a stone or the floor), ? any.

// One analysis array, indexed (row, column) as the rules count: columns 1..7,
// rows ErsteZeile..LetzteZeile. Rows 1..6 are the board, row 1 at the top.
// The extra rows let a pass look one row above the top or a few rows below
// the bottom; they read 0 (or floor in the working board). Reading outside
// the declared rows is a bug in a pass and debug builds stop there.
template <int ErsteZeile, int LetzteZeile> class Analysefeld {
public:
    static constexpr int Erste = ErsteZeile;
    static constexpr int Letzte = LetzteZeile;

    Zahl16& operator()(int zeile, int spalte) { return zellen_[index(zeile, spalte)]; }
    Zahl16 operator()(int zeile, int spalte) const { return zellen_[index(zeile, spalte)]; }

private:
    static int index(int zeile, int spalte) {
        assert(zeile >= Erste && zeile <= Letzte && "row outside the analysis array");
        assert(spalte >= 1 && spalte <= AnzahlSpalten && "column outside the analysis array");
        return (zeile - Erste) * AnzahlSpalten + (spalte - 1);
    }

    std::array<Zahl16, (LetzteZeile - ErsteZeile + 1) * AnzahlSpalten> zellen_{};
};

using Arbeitsbrett = Analysefeld<1, 8>; // 0 empty, 1 computer, 2 human, 3 floor
// A score array: WertComputer or WertSpieler.
using Wertfeld = Analysefeld<1, 8>;

// Floor value of working-board rows 7 and 8, the two rows under the board.
inline constexpr int Boden = 3;
inline constexpr int ErsteBodenzeile = AnzahlZeilen + 1;

// The middle column, counting columns from 1.
inline constexpr int Mittelspalte = (AnzahlSpalten + 1) / 2;

// FeldLoeschen: clear rows 1..zeilen and columns 1..spalten, rows outer. Counts
// start at row 1 whatever the array's first row, so a row 0 is kept.
template <int E, int L> void FeldLoeschen(Analysefeld<E, L>& feld, Zahl16 zeilen, Zahl16 spalten) {
    for (int i = 1; i <= zeilen; ++i) {
        for (int j = 1; j <= spalten; ++j) {
            feld(i, j) = 0;
        }
    }
}

// The choice record of the final choice.
struct Wahlsatz {
    Zahl16 Spalte = 0; // Spaltencode of the best cell so far, 0 = none
    Zahl16 Wert = 0;   // its score
};

// Everything one computer move works on: the working board, the score and
// marker arrays, the choice record, the side codes, and the outside things
// the steps read (the game state, the random source, the event hook).
struct Analyse {
    // The arrays ("Die Felder" in the legend). The four marker arrays are the
    // danger ladder, from the hard ban down to the mildest mark.
    Arbeitsbrett Arbeitsfeld;
    Wertfeld WertComputer;              // scores of the computer's patterns (attack)
    Wertfeld WertSpieler;               // scores of the human's patterns (defence)
    Analysefeld<0, 10> DrohungComputer; // 1 = threat cell of the computer
    Analysefeld<0, 9> DrohungSpieler;   // 1 = threat cell of the human
    Analysefeld<1, 9> VerbotHart;       // hard ban: the final choice never takes it
    Analysefeld<1, 8> VerbotWeich;      // soft ban: taken only for 20 or more
    Analysefeld<1, 8> Meiden;           // avoid (read by the fallback only)
    Analysefeld<1, 6> MeidenLeicht;     // avoid mildly (read by the fallback only)
    Wahlsatz Wahl;

    // Side codes during analysis. A pass given side S treats a cell equal to S
    // as its own, and writes the computer's arrays exactly when S == CodeEigen.
    Zahl16 CodeComputer = 1;
    Zahl16 CodeSpieler = 2;
    Zahl16 CodeEigen = 1;

    const Spielstand* Stand = nullptr;
    Zufallsquelle* Zufall = nullptr;
    // Called once per scan position so that a window stays responsive; the
    // results never depend on it. Empty when headless.
    std::function<void()> Ereignisse;

    Analyse() { BodenLegen(); }

    void EreignisseVerarbeiten() const {
        if (Ereignisse) {
            Ereignisse();
        }
    }

    // Rows 7 and 8 of the working board are floor; the board rows 1..6 empty.
    void BodenLegen();
};

// FeldKopieren: the stones of `amZug` become 1, the other side's 2; empty
// board cells leave the working cell as it is (it has been cleared before).
// Sets CodeEigen to 1.
void FeldKopieren(Analyse& a, const Spielbrett& brett, Zahl16 amZug);

// A cell of the working board is playable when it is empty and the cell
// below holds a stone or the floor.
inline bool Spielbar(const Arbeitsbrett& feld, int zeile, int spalte) {
    return feld(zeile, spalte) == 0 && feld(zeile + 1, spalte) != 0;
}

} // namespace steinfall
