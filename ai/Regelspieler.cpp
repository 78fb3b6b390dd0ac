#include "ai/Regelspieler.h"

#include "ai/Computerzug.h"

namespace steinfall {

Spaltencode Regelspieler::SpalteWaehlen(const Spielstand& stand,
                                        const std::function<void()>& ereignisse) {
    ki_.Stand = &stand;
    ki_.Zufall = zufall_;
    ki_.Ereignisse = ereignisse;
    const Zahl16 spalte = ComputerEntscheiden(ki_).Spalte;
    // The game state lives on; the decision does not keep a hold of it.
    ki_.Stand = nullptr;
    ki_.Ereignisse = nullptr;
    // The pipeline always ends in a decision step that names a column.
    return static_cast<Spaltencode>(static_cast<int>(spalte));
}

} // namespace steinfall
