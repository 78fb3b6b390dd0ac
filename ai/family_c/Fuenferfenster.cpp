#include "ai/family_c/Fuenferfenster.h"

namespace steinfall::familie_c {

void GeschlossenesFuenferfenster(Analyse& a, Zahl16 seite) {
    const Arbeitsbrett& feld = a.Arbeitsfeld;
    // The three lowest rows; the window's five cells stay on the board.
    for (int r = AnzahlZeilen - 2; r <= AnzahlZeilen; ++r) {
        for (int c = 1; c <= AnzahlSpalten - 4; ++c) {
            const auto computer = [&](int spalte) { return feld(r, spalte) == a.CodeComputer; };
            // Each arrangement is tested on its own. Below a gap in row 6 lies
            // the floor.
            const auto lueckeMarkieren = [&](int stein1, int stein2, int luecke) {
                if (computer(stein1) && computer(stein2) && Spielbar(feld, r, luecke)) {
                    a.MeidenLeicht(r, luecke) = 1;
                }
            };
            if (feld(r, c) == seite && feld(r, c + 4) == seite) {
                lueckeMarkieren(c + 1, c + 2, c + 3);
                lueckeMarkieren(c + 1, c + 3, c + 2);
                lueckeMarkieren(c + 2, c + 3, c + 1);
            }
            a.EreignisseVerarbeiten();
        }
    }
}

} // namespace steinfall::familie_c
