#include "core/Texte.h"

#include "core/Sprache.h"

namespace steinfall {

void InitSprache(Texte& t) {
    const std::string umbruch = "\r\n";
    auto dreizeilig = [&](const char* a, const char* b, const char* c) {
        return std::string(a) + umbruch + b + umbruch + c;
    };
    auto wahl = [](const std::string& deutsch, const std::string& englisch) {
        return Sprachwahl(deutsch, englisch);
    };

    t.TxtVerlorenDiagonal =
        wahl(dreizeilig("Sie haben leider verloren, da der", "Computer eine Reihe in diagonaler",
                        "Richtung gebildet hat !"),
             dreizeilig("Sorry, you lost!", "The computer got four in a row", "diagonally."));
    t.TxtNiederlage = wahl("Niederlage", "Defeat");
    t.TxtGewonnenDiagonal =
        wahl(dreizeilig("Sie haben gewonnen, da Sie", "eine Reihe in diagonaler Richtung",
                        "gebildet haben !"),
             dreizeilig("Well done, you won!", "You got four in a row", "diagonally."));
    t.TxtSieg = wahl("Sieg", "Victory");
    t.TxtRemis = wahl("Die Partie endet mit einem Remis !", "The game ends in a draw.");
    t.TxtUnentschieden = wahl("Unentschieden", "Draw");
    t.TxtVerlorenVertikal =
        wahl(dreizeilig("Sie haben leider verloren, da der", "Computer eine Reihe in vertikaler",
                        "Richtung gebildet hat !"),
             dreizeilig("Sorry, you lost!", "The computer got four in a row", "vertically."));
    // The vertical win text really ends in "gebildet" / "hat !".
    t.TxtGewonnenVertikal =
        wahl(dreizeilig("Sie haben gewonnen, da Sie eine", "Reihe in vertikaler Richtung gebildet",
                        "hat !"),
             dreizeilig("Well done, you won!", "You got four in a row", "vertically."));
    t.TxtVerlorenHorizontal =
        wahl(dreizeilig("Sie haben leider verloren, da der", "Computer eine Reihe in horizontaler",
                        "Richtung gebildet hat !"),
             dreizeilig("Sorry, you lost!", "The computer got four in a row", "horizontally."));
    t.TxtGewonnenHorizontal =
        wahl(dreizeilig("Sie haben gewonnen, da Sie eine", "Reihe in horizontaler Richtung",
                        "gebildet haben !"),
             dreizeilig("Well done, you won!", "You got four in a row", "horizontally."));
    t.TxtKlicken = wahl("Klicken Sie auf eine Spalte, um einen Spielstein einzuwerfen.",
                        "Click a column to drop in a piece.");
    t.TxtComputerUeberlegt = wahl("Der Computer überlegt...", "The computer is thinking...");
    t.TxtSpalteVoll = wahl("Diese Spalte ist schon voll !", "This column is already full.");
    t.TxtAufwachen = wahl("Aufwachen !", "Wake up!");
    t.TxtNeuesSpiel =
        wahl("Wollen Sie ein neues Spiel starten ?", "Do you want to start a new game?");
    t.TxtFrage = wahl("Frage:", "Question");
    t.TxtEinwerfen = wahl("Stein wird eingeworfen...", "Dropping the piece...");
    t.TxtBeenden =
        wahl("Wollen Sie Steinfall wirklich beenden ?", "Do you really want to quit Steinfall?");
    t.TxtBeendenTitel = wahl("-=Beenden=-", "-=Quit=-");
}

} // namespace steinfall
