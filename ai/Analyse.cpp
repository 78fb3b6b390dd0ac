#include "ai/Analyse.h"

namespace steinfall {

void Analyse::BodenLegen() {
    FeldLoeschen(Arbeitsfeld, AnzahlZeilen, AnzahlSpalten);
    for (int zeile = 7; zeile <= 8; ++zeile) {
        for (int spalte = 1; spalte <= AnzahlSpalten; ++spalte) {
            Arbeitsfeld(zeile, spalte) = Boden;
        }
    }
}

void FeldKopieren(Analyse& a, const Spielbrett& brett, Zahl16 amZug) {
    for (int i = 0; i < AnzahlFelder; ++i) {
        if (brett[i] == Leer) {
            continue;
        }
        const int zeile = i / 7 + 1;
        const int spalte = i - (zeile - 1) * 7 + 1;
        a.Arbeitsfeld(zeile, spalte) = (brett[i] == amZug) ? 1 : 2;
    }
    a.CodeEigen = 1;
}

} // namespace steinfall
