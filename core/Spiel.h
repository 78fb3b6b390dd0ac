#pragma once

#include "ai/Analyse.h"
#include "core/Brett.h"
#include "core/Fenster.h"
#include "core/Texte.h"
#include "core/Zufall.h"

namespace steinfall {

// The board picture in twips: clicks outside it are ignored.
inline constexpr float BrettbildBreite = 6600.0f;
inline constexpr float BrettbildHoehe = 5175.0f;

// The referee of the main window: the board and its rules, the order of the
// moves, the computer's turn and the end of a game. Everything it shows goes
// through the Fenster; it never paints or waits by itself.
//
//     Spiel spiel(fenster, zufall);
//     spiel.NeuesSpiel();                           // human to move
//     spiel.picSpielfeld_MouseUp(1, 0, 3300, 100);  // drop into column 4
//     // ... the computer has answered; the human is to move again
class Spiel {
public:
    Spiel(Fenster& fenster, Zufallsquelle& zufall);

    Spiel(const Spiel&) = delete;
    Spiel& operator=(const Spiel&) = delete;

    // Game state shared with the computer player.
    Spielstand Stand;
    Texte Txt;

    // Flags of the game flow (the falling flag belongs to the window).
    bool Sieggefunden = false;
    bool NeuStart = false;
    bool Klickbelegt = false;
    bool NeuesSpielAngefordert = false;
    bool ComputerDenkt = false;

    // Options.
    bool AnimationAn = true;
    bool ComputerBeginnt = false; // "Computer" selected under "Wer beginnt ?"

    void NeuesSpiel();
    // The human's move: any button, x and y in twips relative to the board.
    void picSpielfeld_MouseUp(int knopf, int umschalt, float x, float y);

    void ComputerZug();
    void ComputerPause(Zahl16 spaltencode);
    void ZugAbschliessen();

    void SteinEinwerfen(Zahl16 spaltencode);
    void PruefeSieg(Zahl16 siegercode);
    Zahl16 VierInReihe();
    void PruefeVoll();

    void MeldungHorizontal(Zahl16 siegercode);
    void MeldungVertikal(Zahl16 siegercode);
    void MeldungDiagonal(Zahl16 siegercode);
    void MeldungRemis();

    // The computer player's working state (read by tests and the window).
    const Analyse& Ki() const { return ki_; }

private:
    // Four cells from `start`, `schritt` apart, all of the side to move.
    bool ReiheVon(int start, int schritt) const;
    // Tries the start cells erste, erste + abstand, ... up to letzte; shows
    // the first line found and sets Sieggefunden.
    bool ReiheSuchen(int erste, int letzte, int abstand, int schritt);
    void ReiheZeigen(int start, int schritt);
    void SpielEndeMelden(Zahl16 siegercode, const std::string& verloren,
                         const std::string& gewonnen);

    Fenster& fenster_;
    Analyse ki_;
};

} // namespace steinfall
