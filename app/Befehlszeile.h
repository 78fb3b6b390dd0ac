#pragma once

#include <QStringList>

#include <optional>

namespace steinfall {

// What the command line asks for. A new option gets its field here and its
// entry in the table of Befehlszeile.cpp.
struct Befehlszeile {
    // Set when the program is done before any window: after the help, the
    // version or an error, with the exit code.
    std::optional<int> Ende;
    // The game area at its designed 640 x 480 pixels instead of filling the
    // screen.
    bool Originalgroesse = false;
    // Print where the game puts its controls on this screen, then exit.
    bool Geometrie = false;
};

// Reads the arguments (the program's name first) and chooses the language
// of every text: the system's, unless --sprache (--language) names one.
// Prints help, version or a one-line error in that language.
Befehlszeile BefehlszeileLesen(const QStringList& argumente);

// Chooses the language as BefehlszeileLesen does and looks at nothing else
// on the command line: for a word before Qt has taken its own options out.
void SpracheLesen(const QStringList& argumente);

// Help and version are answered without a display, before the window system
// is asked for one.
bool NurAusgabe(int argc, char** argv);

// Whether a window system can be reached: a display of X or Wayland, or a
// platform named on the command line or in QT_QPA_PLATFORM. Without one the
// command line is still answered, as any command-line program does.
bool AnzeigeErreichbar(int argc, char** argv);

} // namespace steinfall
