#include "ai/Schritte.h"

namespace steinfall {

namespace {

bool IstVoll(const Analyse& a, int spalte) {
    return a.Stand->SpaltenStatus[spalte - 1] == SpalteVoll;
}

// Free cells from the bottom up to the lowest free cell that is a threat
// cell of either side (all free cells when there is none).
Zahl16 FreieUnterDrohung(const Analyse& a, int spalte) {
    Zahl16 anzahl = 0;
    for (int zeile = AnzahlZeilen; zeile >= 1; --zeile) {
        if (a.Arbeitsfeld(zeile, spalte) != 0) {
            continue;
        }
        if (a.DrohungSpieler(zeile, spalte) > 0 || a.DrohungComputer(zeile, spalte) > 0) {
            break;
        }
        ++anzahl;
    }
    return anzahl;
}

// Three computer stones in row r at c, c+2, c+4: the gap at c+3 can be played
// now, the gap at c+1 one stone later, and the computer threatens above c+3.
//
//          c  c+1 c+2 c+3 c+4
//   r-1    ?   .   ?   D   ?     D: threat cell of the computer, none of the human
//   r      C   .   C   .   C
//   r+1    #   .   #   #   #
//   r+2    #   #   #   #   #
bool FormFeuert(const Analyse& a, int r, int c) {
    const auto& f = a.Arbeitsfeld;
    const int eigen = a.CodeComputer;
    return f(r, c) == eigen && f(r, c + 2) == eigen && f(r, c + 4) == eigen && f(r, c + 3) == 0 &&
           f(r + 1, c + 1) == 0 && f(r + 1, c + 3) != 0 && f(r + 2, c + 1) != 0 &&
           a.DrohungSpieler(r - 1, c + 3) == 0 && a.DrohungComputer(r - 1, c + 3) > 0;
}

} // namespace

// 9a.3: answers with the one column left; `grenze` full columns or fewer are
// no endgame yet.
Zahl16 LetzteSpalte(Analyse& a, Zahl16 grenze) {
    const Zahl16 voll = a.Stand->VolleSpalten;
    if (!(voll > grenze && voll == AnzahlSpalten - 1)) {
        return 0;
    }
    Zahl16 ergebnis = 0;
    for (int code = SpaltencodeMin; code <= SpaltencodeMax; ++code) {
        if (!IstVoll(a, SpalteVon(code))) {
            ergebnis = code;
        }
    }
    return ergebnis;
}

// 9f: with two columns left (docs/computerspieler.md, "Endspiel").
Zahl16 ZweiSpaltenRest(Analyse& a) {
    int spalteA = 0;
    int spalteB = 0;
    for (int spalte = 1; spalte <= AnzahlSpalten; ++spalte) {
        if (IstVoll(a, spalte)) {
            continue;
        }
        if (spalteA == 0) {
            spalteA = spalte;
        } else {
            spalteB = spalte;
        }
    }
    assert(spalteB != 0 && "two free columns expected");

    const Zahl16 anzahlB = FreieUnterDrohung(a, spalteB);
    const Zahl16 anzahlA = FreieUnterDrohung(a, spalteA);

    Zahl16 ergebnis = 0;
    if (spalteB - spalteA < 3) {
        for (const int r : {3, 5}) {
            for (const int c : {1, 2}) {
                if (FormFeuert(a, r, c)) {
                    ergebnis = SpaltencodeVon(c + 3); // a later shape overwrites
                }
            }
        }
    }
    if (ergebnis > 0) {
        return ergebnis;
    }
    if (anzahlB > anzahlA) {
        return SpaltencodeVon(spalteB);
    }
    if (anzahlB < anzahlA) {
        return SpaltencodeVon(spalteA);
    }
    return 0;
}

} // namespace steinfall
