#include "ai/Computerzug.h"

namespace steinfall {

namespace {

// Zugzaehler grows by two as each of the computer's moves begins: 2 on its
// first move, 4 on its second, 6 on its third.
constexpr Zahl16 ZweiterComputerzug = 4;
constexpr Zahl16 DritterComputerzug = 6;

// Full columns when only two are left.
constexpr Zahl16 AlleBisAufZweiVoll = AnzahlSpalten - 2;

// Rows 1 to the array's last, all columns, in this order. Row 0 of the two
// threat arrays and the floor rows of the working board stay as they are.
template <int E, int L> void BisZurLetztenZeileLoeschen(Analysefeld<E, L>& feld) {
    FeldLoeschen(feld, L, AnzahlSpalten);
}

void FelderLoeschen(Analyse& a) {
    BisZurLetztenZeileLoeschen(a.WertComputer);
    BisZurLetztenZeileLoeschen(a.WertSpieler);
    BisZurLetztenZeileLoeschen(a.VerbotHart);
    BisZurLetztenZeileLoeschen(a.MeidenLeicht);
    BisZurLetztenZeileLoeschen(a.VerbotWeich);
    BisZurLetztenZeileLoeschen(a.Meiden);
    BisZurLetztenZeileLoeschen(a.DrohungComputer);
    BisZurLetztenZeileLoeschen(a.DrohungSpieler);
    FeldLoeschen(a.Arbeitsfeld, AnzahlZeilen, AnzahlSpalten);
}

} // namespace

Entscheidung ComputerEntscheiden(Analyse& a) {
    return ComputerEntscheiden(a, {});
}

Entscheidung ComputerEntscheiden(Analyse& a, const Entscheidungsschritte& s) {
    const Spielstand& stand = *a.Stand;

    FelderLoeschen(a);
    FeldKopieren(a, stand.Brett, stand.AmZug);
    a.Wahl = Wahlsatz{};
    a.CodeComputer = 1;
    a.CodeSpieler = 2;

    Entscheidung e;
    Zahl16 ergebnis = 0;
    // A step answers when its value is a column code; the loop ends there.
    // Its value is kept either way, as the loop condition reads it.
    auto antwortet = [&](Zahl16 wert, const char* schritt) {
        ergebnis = wert;
        if (wert > 0) {
            e.Schritt = schritt;
            return true;
        }
        return false;
    };

    // The decision loop, its steps labelled 9a.1 to 9h; the analysis tool
    // reports the label of the step that answered (docs/computerspieler.md,
    // "Die Schritte der Entscheidungsschleife").
    while (ergebnis <= 0) {
        ++e.Durchlaeufe;

        // 9a.1 to 9a.4 decide at once: the computer's immediate win, the block
        // of the human's, the last free column, the human's stacked pair. 9a.5
        // and 9a.6 score the five-cell windows and the computer's stacked
        // pairs. From the computer's third move of a game on.
        if (stand.Zugzaehler >= DritterComputerzug) {
            if (antwortet(s.DrohungenPruefen(a, a.CodeComputer), "9a.1") ||
                antwortet(s.DrohungenPruefen(a, a.CodeSpieler), "9a.2") ||
                antwortet(s.LetzteSpalte(a, AlleBisAufZweiVoll), "9a.3") ||
                antwortet(s.DoppelDrohungAbwehren(a), "9a.4")) {
                break;
            }
            s.FuenferMuster(a, a.CodeComputer);
            s.FuenferMuster(a, a.CodeSpieler);
            s.DoppelDrohungBonus(a);
        }

        // 9b: family A for both sides, every strength, every move.
        s.MusterA(a, a.CodeComputer);
        s.MusterA(a, a.CodeSpieler);

        // 9c: family B from "Experte" on (the human's side only from "Experte"
        // proper), then a first final choice.
        if (stand.Spielstaerke > Anfaenger) {
            s.MusterB(a, a.CodeComputer);
            if (stand.Spielstaerke >= Experte) {
                s.MusterB(a, a.CodeSpieler);
                if (antwortet(s.BesteSpalteWaehlen(a), "9c")) {
                    break;
                }
            }
        }

        // 9d: the opening's random scores, the computer's first two moves.
        if (stand.Zugzaehler <= ZweiterComputerzug) {
            s.EroeffnungZufall(a);
        }

        // 9e: the final choice from the score arrays.
        if (antwortet(s.BesteSpalteWaehlen(a), "9e")) {
            break;
        }

        // 9f: the endgame rule for the last two columns.
        if (stand.VolleSpalten == AlleBisAufZweiVoll && antwortet(s.ZweiSpaltenRest(a), "9f")) {
            break;
        }

        // 9g: family C for the human's side at "Profi".
        if (stand.Spielstaerke >= Profi) {
            s.MusterC(a, a.CodeSpieler);
        }

        // 9h: the fallback choice; its value decides through the loop
        // condition: 0 or less runs the whole loop again on the arrays as they
        // stand, so every pass adds its scores a second time.
        ergebnis = s.NotfallWahl(a);
        e.Schritt = "9h";
    }

    e.Spalte = ergebnis;
    return e;
}

} // namespace steinfall
