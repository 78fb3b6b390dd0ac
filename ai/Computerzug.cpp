#include "ai/Computerzug.h"

#include "ai/Schritte.h"

namespace steinfall {

namespace {

void FelderLoeschen(Analyse& a) {
    FeldLoeschen(a.WertComputer, 8, 7);
    FeldLoeschen(a.WertSpieler, 8, 7);
    FeldLoeschen(a.VerbotHart, 9, 7);
    FeldLoeschen(a.MeidenLeicht, 6, 7);
    FeldLoeschen(a.VerbotWeich, 8, 7);
    FeldLoeschen(a.Meiden, 8, 7);
    FeldLoeschen(a.DrohungComputer, 10, 7);
    FeldLoeschen(a.DrohungSpieler, 9, 7);
    FeldLoeschen(a.Arbeitsfeld, 6, 7);
}

} // namespace

Entscheidung ComputerEntscheiden(Analyse& a) {
    const Spielstand& stand = *a.Stand;

    FelderLoeschen(a);
    FeldKopieren(a, stand.Brett, stand.AmZug);
    a.Wahl = Wahlsatz{};
    a.CodeComputer = 1;
    a.CodeSpieler = 2;

    Entscheidung e;
    Zahl16 ergebnis = 0;
    // A step "answers" when its value is a column code; the loop ends there.
    auto antwortet = [&](Zahl16 wert, const char* schritt) {
        ergebnis = wert;
        e.Schritt = schritt;
        return wert > 0;
    };

    while (ergebnis <= 0) {
        ++e.Durchlaeufe;

        // From the computer's third move of a game on.
        if (stand.Zugzaehler > 5) {
            if (antwortet(DrohungenPruefen(a, a.CodeComputer), "9a.1") ||
                antwortet(DrohungenPruefen(a, a.CodeSpieler), "9a.2") ||
                antwortet(LetzteSpalte(a, 5), "9a.3") ||
                antwortet(DoppelDrohungAbwehren(a), "9a.4")) {
                break;
            }
            FuenferMuster(a, a.CodeComputer);
            FuenferMuster(a, a.CodeSpieler);
            DoppelDrohungBonus(a);
        }

        MusterA(a, a.CodeComputer);
        MusterA(a, a.CodeSpieler);

        if (stand.Spielstaerke > 1) {
            // Family B for the computer's side runs here.
            if (stand.Spielstaerke > 2) {
                // Family B for the human's side runs here.
                if (antwortet(BesteSpalteWaehlen(a), "9c")) {
                    break;
                }
            }
        }

        if (stand.Zugzaehler <= 4) {
            EroeffnungZufall(a);
        }

        if (antwortet(BesteSpalteWaehlen(a), "9e")) {
            break;
        }

        if (stand.VolleSpalten == 5 && antwortet(ZweiSpaltenRest(a), "9f")) {
            break;
        }

        // Family C for the human's side runs here at "Profi".

        // The fallback's value decides through the loop condition: 0 or less
        // runs the whole loop again on the arrays as they stand.
        ergebnis = NotfallWahl(a);
        e.Schritt = "9h";
    }

    e.Spalte = ergebnis;
    return e;
}

} // namespace steinfall
