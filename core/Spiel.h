#pragma once

#include "core/Brett.h"
#include "core/Computerspieler.h"
#include "core/Fenster.h"
#include "core/Geometrie.h"
#include "core/Texte.h"

#include <functional>

namespace steinfall {

// The referee of the main window: the board and its rules, the order of the
// moves, the computer's turn and the end of a game. Everything it shows goes
// through the Fenster; it never paints or waits by itself.
//
//     Spiel spiel(fenster, computer);
//     spiel.NeuesSpiel();                           // human to move
//     spiel.picSpielfeld_MouseUp(3300, 100);        // drop into column 4
//     spiel.SpalteGewaehlt(SpaltencodeVon(4));      // by key: column 4 again
//     // ... the computer has answered; the human is to move again
class Spiel {
public:
    Spiel(Fenster& fenster, Computerspieler& computer);

    Spiel(const Spiel&) = delete;
    Spiel& operator=(const Spiel&) = delete;

    // Starts a new game, or asks for one while a stone falls or the
    // computer thinks: it starts as soon as that is over.
    void NeuesSpiel();
    // The human's move: a release of any mouse button at x, y (twips,
    // relative to the board picture). Outside the picture it is ignored,
    // inside it chooses the column under the pointer.
    void picSpielfeld_MouseUp(float x, float y);
    // The human chose a column, by click or by key: ignored while a stone
    // falls, the computer thinks or a choice is still being played; a full
    // column is refused with its message.
    void SpalteGewaehlt(Spaltencode spaltencode);

    // Options; each new game and each move reads them.
    Staerke Spielstaerke() const { return stand_.Spielstaerke; }
    void SpielstaerkeSetzen(Staerke staerke) { stand_.Spielstaerke = staerke; }
    bool ComputerBeginnt() const { return computerBeginnt_; }
    void ComputerBeginntSetzen(bool computer) { computerBeginnt_ = computer; }
    bool AnimationAn() const { return animationAn_; }
    void AnimationSetzen(bool an) { animationAn_ = an; }

    bool ComputerDenkt() const { return computerDenkt_; }
    const Spielstand& Stand() const { return stand_; }
    const Texte& Txt() const { return txt_; }

private:
    // Tests drive single steps and set the flags of re-entrant paths.
    friend struct SpielInnen;

    void ComputerZug();
    void ComputerPause(Spaltencode spaltencode);
    void ZugAbschliessen();

    void SteinEinwerfen(Spaltencode spaltencode);
    void PruefeSieg(Sieger sieger);
    Zahl16 VierInReihe() const;
    void PruefeVoll();

    void MeldungHorizontal(Sieger siegercode);
    void MeldungVertikal(Sieger siegercode);
    void MeldungDiagonal(Sieger siegercode);
    void MeldungRemis();

    // Where the win check found a line: the direction picks the message.
    enum class Richtung { Keine, Horizontal, Vertikal, Diagonal };
    struct Reihe {
        Richtung Art = Richtung::Keine;
        int Start = 0;
        int Schritt = 0;
    };
    // Four cells from `start`, `schritt` apart, all of the side to move.
    bool ReiheVon(int start, int schritt) const;
    // The first line of the side to move in the win check's order. Runs
    // `nachFehlstart` after each start cell that does not match and stops
    // before a scan direction when `abbrechen` says so.
    Reihe ReiheFinden(const std::function<void()>& nachFehlstart,
                      const std::function<bool()>& abbrechen) const;
    void ReiheZeigen(int start, int schritt);
    void SpielEndeMelden(Sieger siegercode, const std::string& verloren,
                         const std::string& gewonnen);

    Fenster& fenster_;
    Computerspieler& computer_;
    Spielstand stand_;
    Texte txt_;

    // Flags of the game flow (the falling flag belongs to the window).
    bool Sieggefunden = false;
    bool NeuStart = false;
    bool Klickbelegt = false;
    bool NeuesSpielAngefordert = false;
    bool computerDenkt_ = false;
    // The found line is shown highlighted: a new game waits for its box.
    bool reiheBlinkt_ = false;

    bool animationAn_ = true;
    bool computerBeginnt_ = false; // "Computer" selected under "Wer beginnt ?"
};

} // namespace steinfall
