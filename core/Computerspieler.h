#pragma once

#include "core/Brett.h"
#include "core/Zahl16.h"

#include <functional>

namespace steinfall {

// The computer's side of the game as the game flow sees it: given the game
// state at the start of the computer's turn, it names the column to drop
// into. The rule-based player in ai/ implements it; the program and the
// tools connect the two, so the game flow never depends on how it decides.
class Computerspieler {
public:
    virtual ~Computerspieler() = default;

    // The Spaltencode of a column that is not full. `stand` has AmZug 2 and
    // the move count already advanced; `ereignisse` keeps the window
    // responsive while the player thinks and must not change the answer.
    virtual Spaltencode SpalteWaehlen(const Spielstand& stand,
                                      const std::function<void()>& ereignisse) = 0;
};

} // namespace steinfall
