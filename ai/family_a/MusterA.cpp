#include "ai/Schritte.h"
#include "ai/family_a/PassTabelle.h"
#include "ai/family_a/Regeln.h"

namespace steinfall {

namespace familie_a {

namespace {

// One anchor: the two own stones and the two empty gaps, then both gaps.
void AnkerPruefen(Analyse& a, const Pass& pass, Zahl16 seite, Zahl16 r, Zahl16 c) {
    auto fensterzelle = [&](int k) {
        return Zelle{r + k * pass.Linie.Zeilenschritt, c + k * pass.Linie.Spaltenschritt};
    };
    for (int lage : pass.Eigene) {
        const Zelle x = fensterzelle(lage);
        if (a.Arbeitsfeld(x.Zeile, x.Spalte) != seite) {
            return;
        }
    }
    for (const Luecke& luecke : pass.Luecken) {
        const Zelle x = fensterzelle(luecke.Lage);
        if (a.Arbeitsfeld(x.Zeile, x.Spalte) != 0) {
            return;
        }
    }
    for (int i = 0; i < 2; ++i) {
        const Zelle h = fensterzelle(pass.Luecken[i].Lage);
        const Zelle o = fensterzelle(pass.Luecken[1 - i].Lage);
        LueckeWerten(a, pass.Luecken[i], seite, h, o, r);
    }
}

// Rows outer, columns inner; the window gets a chance to repaint after
// every anchor.
void PassLaufen(Analyse& a, const Pass& pass, Zahl16 seite, Zahl16 ersteSpalte, Zahl16 letzteSpalte,
                Zahl16 ersteZeile, Zahl16 letzteZeile) {
    for (Zahl16 r = ersteZeile; r <= letzteZeile; ++r) {
        for (Zahl16 c = ersteSpalte; c <= letzteSpalte; ++c) {
            AnkerPruefen(a, pass, seite, r, c);
            a.EreignisseVerarbeiten();
        }
    }
}

} // namespace

} // namespace familie_a

// Family A: all windows of four with two stones of `seite` and two gaps.
void MusterA(Analyse& a, Zahl16 seite) {
    for (const familie_a::Pass& pass : familie_a::PassTabelle) {
        const Zahl16 ersteSpalte = pass.Linie.ErsteSpalte;
        const Zahl16 letzteSpalte = pass.Linie.LetzteSpalte;
        const Zahl16 ersteZeile = pass.Linie.ErsteZeile;
        const Zahl16 letzteZeile = pass.Linie.LetzteZeile;
        familie_a::PassLaufen(a, pass, seite, ersteSpalte, letzteSpalte, ersteZeile, letzteZeile);
    }
}

} // namespace steinfall
