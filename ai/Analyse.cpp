#include "ai/Analyse.h"

namespace steinfall {

void Analyse::BodenLegen() {
    FeldLoeschen(Arbeitsfeld, AnzahlZeilen, AnzahlSpalten);
    for (int zeile = ErsteBodenzeile; zeile <= Arbeitsbrett::Letzte; ++zeile) {
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
        const int zeile = i / AnzahlSpalten + 1;
        const int spalte = i - (zeile - 1) * AnzahlSpalten + 1;
        a.Arbeitsfeld(zeile, spalte) = (brett[i] == amZug) ? 1 : 2;
    }
    a.CodeEigen = 1;
}

} // namespace steinfall
