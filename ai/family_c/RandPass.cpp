#include "ai/family_c/RandPass.h"

namespace steinfall::familie_c {

namespace {

bool Eigen(const Arbeitsbrett& feld, Zahl16 seite, Feld f) {
    return feld(f.Zeile, f.Spalte) == seite;
}

bool Haelt(const Arbeitsbrett& feld, Zahl16 seite, const Alternative& alternative, int lauf) {
    if (!Eigen(feld, seite, Einsetzen(alternative.Erstes, lauf))) {
        return false;
    }
    return !alternative.IstPaar() || Eigen(feld, seite, Einsetzen(alternative.Zweites, lauf));
}

// A line without alternatives is not tested and so always holds.
bool Haelt(const Arbeitsbrett& feld, Zahl16 seite, const Linie& linie, int lauf) {
    if (linie.Anzahl == 0) {
        return true;
    }
    for (std::size_t i = 0; i < linie.Anzahl; ++i) {
        if (Haelt(feld, seite, linie.Alternativen[i], lauf)) {
            return true;
        }
    }
    return false;
}

// Below the bottom row lies the floor, so there only the empty test counts.
bool ZielSpielbar(const Arbeitsbrett& feld, Feld ziel) {
    if (ziel.Zeile == AnzahlZeilen) {
        return feld(ziel.Zeile, ziel.Spalte) == 0;
    }
    return Spielbar(feld, ziel.Zeile, ziel.Spalte);
}

} // namespace

void RandPassAnwenden(Analyse& a, Zahl16 seite, const RandPass& pass) {
    const Arbeitsbrett& feld = a.Arbeitsfeld;
    for (int lauf = pass.Lauf.Von; lauf <= pass.Lauf.Bis; ++lauf) {
        const Feld ziel = Einsetzen(pass.Ziel, lauf);
        if (ZielSpielbar(feld, ziel) && Haelt(feld, seite, pass.Reihe, lauf) &&
            Haelt(feld, seite, pass.Fallend, lauf) && Haelt(feld, seite, pass.Steigend, lauf)) {
            a.MeidenLeicht(ziel.Zeile, ziel.Spalte) = 1;
        }
    }
}

} // namespace steinfall::familie_c
