#include "core/Texte.h"

#include "core/Sprache.h"

namespace steinfall {

std::string MitCrLf(std::string_view text) {
    std::string ergebnis;
    for (const char zeichen : text) {
        if (zeichen == '\n') {
            ergebnis += '\r';
        }
        ergebnis += zeichen;
    }
    return ergebnis;
}

void InitSprache(Texte& t) {
    // The three-line texts are one message each, their lines as they stand
    // in the box.
    // TRANSLATORS: message box text, three lines as broken here
    t.TxtVerlorenDiagonal = MitCrLf(Uebersetzung("Sie haben leider verloren, da der\n"
                                                 "Computer eine Reihe in diagonaler\n"
                                                 "Richtung gebildet hat !"));
    // TRANSLATORS: message box title
    t.TxtNiederlage = Uebersetzung("Niederlage");
    // TRANSLATORS: message box text, three lines as broken here
    t.TxtGewonnenDiagonal = MitCrLf(Uebersetzung("Sie haben gewonnen, da Sie\n"
                                                 "eine Reihe in diagonaler Richtung\n"
                                                 "gebildet haben !"));
    // TRANSLATORS: message box title
    t.TxtSieg = Uebersetzung("Sieg");
    // TRANSLATORS: message box text, one line
    t.TxtRemis = Uebersetzung("Die Partie endet mit einem Remis !");
    // TRANSLATORS: message box title
    t.TxtUnentschieden = Uebersetzung("Unentschieden");
    // TRANSLATORS: message box text, three lines as broken here
    t.TxtVerlorenVertikal = MitCrLf(Uebersetzung("Sie haben leider verloren, da der\n"
                                                 "Computer eine Reihe in vertikaler\n"
                                                 "Richtung gebildet hat !"));
    // The vertical win text really ends in "gebildet" / "hat !".
    // TRANSLATORS: message box text, three lines as broken here
    t.TxtGewonnenVertikal = MitCrLf(Uebersetzung("Sie haben gewonnen, da Sie eine\n"
                                                 "Reihe in vertikaler Richtung gebildet\n"
                                                 "hat !"));
    // TRANSLATORS: message box text, three lines as broken here
    t.TxtVerlorenHorizontal = MitCrLf(Uebersetzung("Sie haben leider verloren, da der\n"
                                                   "Computer eine Reihe in horizontaler\n"
                                                   "Richtung gebildet hat !"));
    // TRANSLATORS: message box text, three lines as broken here
    t.TxtGewonnenHorizontal = MitCrLf(Uebersetzung("Sie haben gewonnen, da Sie eine\n"
                                                   "Reihe in horizontaler Richtung\n"
                                                   "gebildet haben !"));
    // TRANSLATORS: status line, at most one line of 441 pixels at the designed size
    t.TxtKlicken = Uebersetzung("Klicken Sie auf eine Spalte, um einen Spielstein einzuwerfen.");
    // TRANSLATORS: status line, at most one line of 441 pixels at the designed size
    t.TxtComputerUeberlegt = Uebersetzung("Der Computer überlegt...");
    // TRANSLATORS: status line, at most one line of 441 pixels at the designed size
    t.TxtSpalteVoll = Uebersetzung("Diese Spalte ist schon voll !");
    // TRANSLATORS: status line, at most one line of 441 pixels at the designed size
    t.TxtAufwachen = Uebersetzung("Aufwachen !");
    // TRANSLATORS: message box text, one line
    t.TxtNeuesSpiel = Uebersetzung("Wollen Sie ein neues Spiel starten ?");
    // TRANSLATORS: message box title
    t.TxtFrage = Uebersetzung("Frage:");
    // TRANSLATORS: status line, at most one line of 441 pixels at the designed size
    t.TxtEinwerfen = Uebersetzung("Stein wird eingeworfen...");
    // TRANSLATORS: message box text, one line
    t.TxtBeenden = Uebersetzung("Wollen Sie Steinfall wirklich beenden ?");
    // TRANSLATORS: message box title
    t.TxtBeendenTitel = Uebersetzung("-=Beenden=-");
}

} // namespace steinfall
