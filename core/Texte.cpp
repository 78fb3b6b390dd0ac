#include "core/Texte.h"

#include "core/Sprache.h"

namespace steinfall {

void InitSprache(Texte& t) {
    const std::string umbruch = "\r\n";
    auto dreizeilig = [&](const char* a, const char* b, const char* c) {
        return std::string(a) + umbruch + b + umbruch + c;
    };
    // The German texts differ from line to line; the English ones only in
    // the direction.
    auto verloren = [&](const char* richtung) {
        return dreizeilig("Sorry, you lost!", "The computer got four in a row", richtung);
    };
    auto gewonnen = [&](const char* richtung) {
        return dreizeilig("Well done, you won!", "You got four in a row", richtung);
    };

    t.TxtVerlorenDiagonal =
        Sprachwahl(dreizeilig("Sie haben leider verloren, da der",
                              "Computer eine Reihe in diagonaler", "Richtung gebildet hat !"),
                   verloren("diagonally."));
    t.TxtNiederlage = Sprachwahl("Niederlage", "Defeat");
    t.TxtGewonnenDiagonal =
        Sprachwahl(dreizeilig("Sie haben gewonnen, da Sie", "eine Reihe in diagonaler Richtung",
                              "gebildet haben !"),
                   gewonnen("diagonally."));
    t.TxtSieg = Sprachwahl("Sieg", "Victory");
    t.TxtRemis = Sprachwahl("Die Partie endet mit einem Remis !", "The game ends in a draw.");
    t.TxtUnentschieden = Sprachwahl("Unentschieden", "Draw");
    t.TxtVerlorenVertikal =
        Sprachwahl(dreizeilig("Sie haben leider verloren, da der",
                              "Computer eine Reihe in vertikaler", "Richtung gebildet hat !"),
                   verloren("vertically."));
    // The vertical win text really ends in "gebildet" / "hat !".
    t.TxtGewonnenVertikal = Sprachwahl(dreizeilig("Sie haben gewonnen, da Sie eine",
                                                  "Reihe in vertikaler Richtung gebildet", "hat !"),
                                       gewonnen("vertically."));
    t.TxtVerlorenHorizontal =
        Sprachwahl(dreizeilig("Sie haben leider verloren, da der",
                              "Computer eine Reihe in horizontaler", "Richtung gebildet hat !"),
                   verloren("horizontally."));
    t.TxtGewonnenHorizontal =
        Sprachwahl(dreizeilig("Sie haben gewonnen, da Sie eine", "Reihe in horizontaler Richtung",
                              "gebildet haben !"),
                   gewonnen("horizontally."));
    t.TxtKlicken = Sprachwahl("Klicken Sie auf eine Spalte, um einen Spielstein einzuwerfen.",
                              "Click a column to drop in a piece.");
    t.TxtComputerUeberlegt = Sprachwahl("Der Computer überlegt...", "The computer is thinking...");
    t.TxtSpalteVoll = Sprachwahl("Diese Spalte ist schon voll !", "This column is already full.");
    t.TxtAufwachen = Sprachwahl("Aufwachen !", "Wake up!");
    t.TxtNeuesSpiel =
        Sprachwahl("Wollen Sie ein neues Spiel starten ?", "Do you want to start a new game?");
    t.TxtFrage = Sprachwahl("Frage:", "Question");
    t.TxtEinwerfen = Sprachwahl("Stein wird eingeworfen...", "Dropping the piece...");
    t.TxtBeenden = Sprachwahl("Wollen Sie Steinfall wirklich beenden ?",
                              "Do you really want to quit Steinfall?");
    t.TxtBeendenTitel = Sprachwahl("-=Beenden=-", "-=Quit=-");
}

} // namespace steinfall
