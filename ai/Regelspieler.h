#pragma once

#include "ai/Analyse.h"
#include "core/Computerspieler.h"
#include "core/Zufall.h"

namespace steinfall {

// The rule-based computer player behind the game flow: every turn runs the
// decision loop on a fresh working board.
class Regelspieler : public Computerspieler {
public:
    // Draws its random numbers from the clock, as the game does.
    Regelspieler() : zufall_(&uhr_) {}
    // Draws from `zufall` instead (tests make the random steps repeatable).
    explicit Regelspieler(Zufallsquelle& zufall) : zufall_(&zufall) {}

    Regelspieler(const Regelspieler&) = delete;
    Regelspieler& operator=(const Regelspieler&) = delete;

    Spaltencode SpalteWaehlen(const Spielstand& stand,
                              const std::function<void()>& ereignisse) override;

    // The working state of the last decision.
    const Analyse& Ki() const { return ki_; }

private:
    UhrZufall uhr_;
    Zufallsquelle* zufall_;
    Analyse ki_;
};

} // namespace steinfall
