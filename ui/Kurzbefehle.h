#pragma once

#include <QKeyCombination>

#include <array>
#include <utility>

class QKeyEvent;

namespace steinfall {

class Bildknopf;

// The desktop's shortcuts for the picture buttons, as players know them from
// other games: Ctrl+N a new game, Ctrl+Q quit, F1 the instructions, Shift+F1
// the about window. Each presses its button for a moment, so that sound,
// look and action are the button's own.
//
//     Kurzbefehle kurz(neuesSpiel, anleitung, info, beenden);
//     kurz.Taste(taste);   // Ctrl+N: "Neues Spiel" pressed briefly
class Kurzbefehle {
public:
    Kurzbefehle(Bildknopf& neuesSpiel, Bildknopf& anleitung, Bildknopf& info, Bildknopf& beenden);

    // True when the key was a shortcut; a held one presses only once.
    bool Taste(const QKeyEvent& taste) const;

private:
    std::array<std::pair<QKeyCombination, Bildknopf*>, 4> tabelle_;
};

} // namespace steinfall
