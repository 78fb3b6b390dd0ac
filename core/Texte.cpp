#include "core/Texte.h"

namespace steinfall {

void InitSprache(Texte& t) {
    const std::string umbruch = "\r\n";
    auto dreizeilig = [&](const char* a, const char* b, const char* c) {
        return std::string(a) + umbruch + b + umbruch + c;
    };

    t.TxtVerlorenDiagonal = dreizeilig("Sie haben leider verloren, da der",
                                       "Computer eine Reihe in diagonaler",
                                       "Richtung gebildet hat !");
    t.TxtNiederlage = "Niederlage";
    t.TxtGewonnenDiagonal = dreizeilig("Sie haben gewonnen, da Sie",
                                       "eine Reihe in diagonaler Richtung", "gebildet haben !");
    t.TxtSieg = "Sieg";
    t.TxtRemis = "Die Partie endet mit einem Remis !";
    t.TxtUnentschieden = "Unentschieden";
    t.TxtVerlorenVertikal = dreizeilig("Sie haben leider verloren, da der",
                                       "Computer eine Reihe in vertikaler",
                                       "Richtung gebildet hat !");
    // The vertical win text really ends in "gebildet" / "hat !".
    t.TxtGewonnenVertikal = dreizeilig("Sie haben gewonnen, da Sie eine",
                                       "Reihe in vertikaler Richtung gebildet", "hat !");
    t.TxtVerlorenHorizontal = dreizeilig("Sie haben leider verloren, da der",
                                         "Computer eine Reihe in horizontaler",
                                         "Richtung gebildet hat !");
    t.TxtGewonnenHorizontal = dreizeilig("Sie haben gewonnen, da Sie eine",
                                         "Reihe in horizontaler Richtung", "gebildet haben !");
    t.TxtKlicken = "Klicken Sie auf eine Spalte, um einen Spielstein einzuwerfen.";
    t.TxtComputerUeberlegt = "Der Computer überlegt...";
    t.TxtSpalteVoll = "Diese Spalte ist schon voll !";
    t.TxtAufwachen = "Aufwachen !";
    t.TxtNeuesSpiel = "Wollen Sie ein neues Spiel starten ?";
    t.TxtFrage = "Frage:";
    t.TxtEinwerfen = "Stein wird eingeworfen...";
    t.TxtBeenden = "Wollen Sie Steinfall wirklich beenden ?";
    t.TxtBeendenTitel = "-=Beenden=-";
}

} // namespace steinfall
