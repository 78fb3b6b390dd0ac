#include "ai/family_b/Anker.h"
#include "ai/family_b/Durchgaenge.h"

// Passes about the bottom rows of the board.

namespace steinfall::familie_b {

namespace {

// B57 (d = +1, leaning right) and B58 (d = -1, its mirror): a vertical pair
// at the bottom of column k with a diagonal towards k + 3d.
void PaarMitDiagonale(Analyse& a, Zahl16 seite, Spanne spalten, int d) {
    for (int k = spalten.Erste; k <= spalten.Letzte; ++k) {
        const Anker p(a, seite, 0, k); // row offsets are the rows
        if (p.Eigen(5, 0) && p.Eigen(6, 0) && p.Leer(4, 0)) {
            if (p.Eigen(3, d)) {
                if (p.Eigen(2, 2 * d)) {
                    if (p.Belegt(2, 3 * d) && p.Leer(1, 3 * d)) {
                        p.Bonus(30, 28, 4, 0);
                    }
                } else if (p.Eigen(1, 3 * d)) {
                    if (p.Belegt(3, 2 * d) && p.Leer(2, 2 * d)) {
                        p.Bonus(30, 28, 4, 0);
                    }
                }
            } else if (p.Belegt(4, d) && p.Leer(3, d) && p.Eigen(2, 2 * d) && p.Eigen(1, 3 * d)) {
                // The second bonus lands on the occupied cell under the gap.
                p.Wert(4, 0) += 30;
                p.Wert(4, d) += 30;
            }
        }
        a.EreignisseVerarbeiten();
    }
}

// B59 (m = +1) and B60 (m = -1, mirrored about the middle column): fixed
// cells next to a stone in the middle of the bottom row.
void MitteUnten(Analyse& a, Zahl16 seite, int m) {
    const Anker p(a, seite, 0, Mittelspalte); // row offsets are the rows
    if (!(p.Eigen(6, 0) && p.Eigen(5, m) && p.Leer(5, 0) && p.Leer(4, m) && p.Leer(6, -m) &&
          p.NichtEigen(6, m))) {
        return;
    }
    if (p.Computerseite()) {
        if (p.Leer(6, 2 * m) && p.Leer(5, 3 * m) && p.Belegt(6, 3 * m)) {
            p.WertComputer(5, 0) += 1;
        }
    } else if (p.Leer(6, 2 * m) && p.Leer(6, 3 * m)) {
        // Follows the marker beside it, and so may take a 1 away again.
        p.VerbotWeich(6, 2 * m) = p.VerbotWeich(6, 3 * m) == 1 ? 1 : 0;
        p.WertSpieler(5, 0) += 1;
    }
}

} // namespace

void MusterB57(Analyse& a, Zahl16 seite) {
    PaarMitDiagonale(a, seite, {1, 3}, +1);
}

void MusterB58(Analyse& a, Zahl16 seite) {
    PaarMitDiagonale(a, seite, {5, 7}, -1);
}

void MusterB59(Analyse& a, Zahl16 seite) {
    MitteUnten(a, seite, +1);
}

void MusterB60(Analyse& a, Zahl16 seite) {
    MitteUnten(a, seite, -1);
}

void MusterB61(Analyse& a, Zahl16 seite) {
    Durchlaufen(a, seite, {3, 4}, {1, 3}, [](const Anker& p) {
        if (!(p.Eigen(2, 2) && p.Eigen(1, 3))) {
            return;
        }
        if (p.Belegt(2, 0) && p.Leer(1, 0)) {
            if (p.Leer(1, 2) && p.Leer(2, 1) && p.Leer(0, 3)) {
                p.Wert(1, 2) += 3;
            }
        } else if (p.Spalte() < 3) {
            if (p.Leer(1, 2) && p.Belegt(2, 4) && p.Leer(1, 4)) {
                p.Wert(1, 2) += 3;
            }
        }
        if (!p.Computerseite() && p.Leer(2, 0) && p.Leer(1, 2) && p.Leer(2, 1) && p.Leer(0, 3)) {
            p.Setzen(Marke::VerbotWeich, 2, 0);
        }
    });
}

void MusterB62(Analyse& a, Zahl16 seite) {
    Durchlaufen(a, seite, {3, 4}, {1, 3}, [](const Anker& p) {
        if (!(p.Eigen(2, 1) && p.Eigen(1, 0))) {
            return;
        }
        if (p.Leer(1, 3) && p.Belegt(2, 3)) {
            if (p.Leer(1, 1) && p.Leer(2, 2) && p.Leer(0, 0)) {
                p.Wert(1, 1) += 3;
            }
        } else if (p.Spalte() > 1) {
            if (p.Belegt(2, -1) && p.Leer(1, 1) && p.Leer(1, -1)) {
                p.Wert(1, 1) += 3;
            }
        }
        if (!p.Computerseite() && p.Leer(2, 3) && p.Leer(1, 1) && p.Leer(2, 2) && p.Leer(0, 0)) {
            p.Setzen(Marke::VerbotWeich, 2, 3);
        }
    });
}

} // namespace steinfall::familie_b
