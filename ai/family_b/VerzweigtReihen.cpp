#include "ai/family_b/Anker.h"
#include "ai/family_b/Durchgaenge.h"

// Passes around rows of own stones whose open cells decide the bonus.

namespace steinfall::familie_b {

namespace {

// B66 and B67: the cell (1, 2) of the anchor either takes the bonus itself,
// or floats (mark below), or holds an own stone and sends the bonus aside.
void KreuzWerten(const Anker& p, int seitenspalte) {
    if (p.Leer(1, 2) && p.Belegt(2, 2)) {
        p.Bonus(32, 30, 1, 2);
    } else if (p.Leer(1, 2) && p.Belegt(3, 2)) {
        if (p.Computerseite()) {
            p.Setzen(Marke::Meiden, 2, 2);
            p.Wert(2, 2) -= 3;
        } else {
            p.Setzen(Marke::VerbotWeich, 2, 2);
        }
    } else if (p.Eigen(1, 2)) {
        p.Bonus(32, 30, 1, seitenspalte);
    }
}

void EingeklemmtWerten(const Anker& p) {
    if (!(p.Leer(0, 2) && p.Eigen(1, 1) && p.Eigen(1, 2) && p.Eigen(1, 3) && p.Gegner(1, 0) &&
          p.Gegner(1, 4))) {
        return;
    }
    if (!((p.Gegner(0, 1) && p.Leer(0, 3)) || (p.Gegner(0, 3) && p.Leer(0, 1)))) {
        return;
    }
    if (p.Leer(0, 1)) {
        p.Wert(0, 1) += 1;
    } else {
        p.Wert(0, 3) += 1;
    }
}

} // namespace

// A vertical pair with room beside its top.
void MusterB7(Analyse& a, Zahl16 seite) {
    Durchlaufen(a, seite, {2, 3}, {3, 5}, [](const Anker& p) {
        if (!(p.Eigen(2, 0) && p.Eigen(3, 0))) {
            return;
        }
        const bool seitlichOffen =
            (p.Eigen(1, -1) && p.NichtSpieler(1, -2)) || (p.Eigen(1, 1) && p.NichtSpieler(1, 2)) ||
            (p.Belegt(3, 1) && p.Leer(2, 1)) || (p.Belegt(3, -1) && p.Leer(2, -1)) ||
            (p.Belegt(2, -1) && p.Leer(1, -1)) || (p.Belegt(2, 1) && p.Leer(1, 1));
        if (p.Leer(1, 0) && seitlichOffen) {
            p.Wert(1, 0) += 3;
        }
        for (const int ds : {-1, 1}) {
            if (p.Leer(2, ds) && p.Belegt(3, ds)) {
                p.Setzen(Marke::MeidenLeicht, 2, ds);
                p.Wert(2, ds) -= 1;
            }
        }
    });
}

void MusterB12(Analyse& a, Zahl16 seite) {
    Durchlaufen(a, seite, {2, 4}, {1, 3}, [](const Anker& p) {
        if (p.Eigen(1, 1) && p.Eigen(1, 2) && p.Eigen(2, 0) && p.Eigen(2, 1) && p.Leer(0, 1) &&
            p.Leer(0, 2) && p.Leer(0, 3) && p.Leer(0, 4)) {
            p.Wert(0, 1) += 1;
            if (p.Belegt(1, 4)) {
                p.Bonus(31, 29, 0, 1);
            }
        }
    });
}

void MusterB13(Analyse& a, Zahl16 seite) {
    Durchlaufen(a, seite, {2, 4}, {1, 3}, [](const Anker& p) {
        if (p.Eigen(1, 2) && p.Eigen(1, 3) && p.Eigen(2, 3) && p.Eigen(2, 4) && p.Leer(0, 0) &&
            p.Leer(0, 1) && p.Leer(0, 2) && p.Leer(0, 3)) {
            p.Wert(0, 3) += 1;
            if (p.Belegt(1, 0)) {
                p.Bonus(31, 29, 0, 3);
            }
        }
    });
}

void MusterB56(Analyse& a, Zahl16 seite) {
    Durchlaufen(a, seite, {2, 4}, {1, 4}, [](const Anker& p) {
        if (!(p.Eigen(1, 1) && p.Eigen(1, 2) && p.Eigen(2, 0) && p.Eigen(2, 3) && p.Leer(0, 0) &&
              p.Leer(0, 3) && p.Belegt(1, 0) && p.Belegt(1, 3))) {
            return;
        }
        if (p.Eigen(0, 2) && p.Leer(0, 1)) {
            p.Bonus(32, 30, 0, 1);
        } else if (p.Eigen(0, 1) && p.Leer(0, 2)) {
            p.Bonus(32, 30, 0, 2);
        }
    });
}

// Three own stones between two of the other side, one of the two cells above
// their ends taken by the other side: the other one gets the bonus.
void MusterB63(Analyse& a, Zahl16 seite, Zahl16 ersteSpalte, Zahl16 letzteSpalte, Zahl16 ersteZeile,
               Zahl16 letzteZeile) {
    Durchlaufen(a, seite, {ersteZeile, letzteZeile}, {ersteSpalte, letzteSpalte},
                EingeklemmtWerten);
}

void MusterB66(Analyse& a, Zahl16 seite) {
    Durchlaufen(a, seite, {1, 3}, {1, 3}, [](const Anker& p) {
        if (p.Eigen(1, 3) && p.Eigen(2, 1) && p.Eigen(3, 0) && p.Eigen(3, 1) && p.Leer(0, 3) &&
            p.Leer(1, 1) && p.Leer(1, 4)) {
            KreuzWerten(p, 1);
        }
    });
}

void MusterB67(Analyse& a, Zahl16 seite) {
    Durchlaufen(a, seite, {1, 3}, {1, 3}, [](const Anker& p) {
        if (p.Eigen(1, 1) && p.Eigen(2, 3) && p.Eigen(3, 3) && p.Eigen(3, 4) && p.Leer(0, 1) &&
            p.Leer(1, 0) && p.Leer(1, 3)) {
            KreuzWerten(p, 3);
        }
    });
}

} // namespace steinfall::familie_b
