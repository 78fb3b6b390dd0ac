#include "ai/family_b/Anker.h"
#include "ai/family_b/Durchgaenge.h"

// Passes that also read the threat and score arrays.

namespace steinfall::familie_b {

// B68 and B69 score for the computer only; for the human they scan and
// write nothing.
void MusterB68(Analyse& a, Zahl16 seite) {
    Durchlaufen(a, seite, {1, 5}, {1, 3}, [](const Anker& p) {
        if (p.Computerseite() && p.DrohungComputer(0, 3) > 0 && p.Eigen(1, 1) && p.Eigen(1, 2) &&
            p.Leer(1, 3) && p.Leer(1, 4) && p.Belegt(2, 3) && p.Belegt(2, 4)) {
            p.WertComputer(1, 3) += 32;
        }
    });
}

void MusterB69(Analyse& a, Zahl16 seite) {
    Durchlaufen(a, seite, {1, 5}, {1, 3}, [](const Anker& p) {
        if (p.Computerseite() && p.DrohungComputer(0, 1) > 0 && p.Eigen(1, 2) && p.Eigen(1, 3) &&
            p.Leer(1, 0) && p.Leer(1, 1) && p.Belegt(2, 0) && p.Belegt(2, 1)) {
            p.WertComputer(1, 1) += 32;
        }
    });
}

// The cell T on top of a vertical pair: a little more where it already scores
// and no computer threat sits right above it (a stone on T would let that one
// be blocked), much more under a threat cell two rows up.
void MusterB70(Analyse& a, Zahl16 seite) {
    Durchlaufen(
        a, seite, {3, 5}, {1, AnzahlSpalten},
        [](const Anker& p) {
            if (!(p.Eigen(0, 0) && p.Eigen(1, 0) && p.Leer(-1, 0))) {
                return;
            }
            if (p.Computerseite()) {
                if (p.DrohungComputer(-2, 0) == 0 && p.WertComputer(-1, 0) > 0) {
                    p.WertComputer(-1, 0) += 2;
                }
                if (p.DrohungComputer(-3, 0) > 0) {
                    p.WertComputer(-1, 0) += 31;
                }
            } else {
                if (p.WertSpieler(-1, 0) > 0) {
                    p.WertSpieler(-1, 0) += 2;
                }
                if (p.DrohungSpieler(-3, 0) > 0 && p.DrohungComputer(-2, 0) == 0) {
                    p.WertSpieler(-1, 0) += 28;
                }
            }
        },
        Ereignisse::Auslassen);
}

} // namespace steinfall::familie_b
