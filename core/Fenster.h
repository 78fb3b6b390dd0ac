#pragma once

#include <string>

namespace steinfall {

enum class Zeiger { Pfeil, Sanduhr };
enum class Symbol { Ausrufezeichen, Frage, Stopp };
enum class Knoepfe { Ok, JaNein };
enum class Antwort { Ok, Ja, Nein };

// Everything the game flow asks of its window. The main window implements it;
// tests use a fake that records the calls and runs injected events whenever
// the game processes events.
class Fenster {
public:
    virtual ~Fenster() = default;

    // The status line under the board.
    virtual void StatusSetzen(const std::string& text) = 0;
    virtual std::string StatusText() const = 0;
    virtual void StatusZeigen(bool sichtbar) = 0;

    virtual void ZeigerSetzen(Zeiger zeiger) = 0;

    // The board picture back to the empty board: every painted stone gone.
    virtual void BrettbildLeeren() = 0;
    // Paints picture `spieler` (1 human, 2 computer, 3 highlight) into cell
    // `position` (0..41) of the board picture.
    virtual void SteinSetzen(int position, int spieler) = 0;
    // A dropped stone of `spieler` has landed in cell `position` and is
    // painted: the move is made. Not told for the highlight of a line.
    virtual void SteinGelandet(int position, int spieler) = 0;

    // The falling animation of stone `spieler` into cell `ziel`. It shows
    // TxtEinwerfen in the status line, and Faellt() is true from FallStarten
    // until the stone has reached its cell or FallAnhalten is called.
    virtual void FallStarten(int ziel, int spieler) = 0;
    virtual bool Faellt() const = 0;
    virtual void FallAnhalten() = 0;

    // A message box owned by the main window; waits for the user.
    virtual Antwort Meldung(const std::string& text, const std::string& titel, Symbol symbol,
                            Knoepfe knoepfe) = 0;

    // Plays a wave file from the program's folder asynchronously, when sound
    // is on and a sound device exists.
    virtual void PlaySound(const std::string& datei) = 0;

    // A wait of at least 0.0111 s that keeps processing events.
    virtual void Warten() = 0;

    // Processes the pending events and returns at once.
    virtual void EreignisseVerarbeiten() = 0;
    // Like EreignisseVerarbeiten, but sleeps until an event arrives (or a
    // short while has passed) instead of returning at once: for loops that
    // wait for something an event will change, so they do not spin a core.
    virtual void AufEreignisWarten() = 0;
};

} // namespace steinfall
