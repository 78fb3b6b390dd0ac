#pragma once

#include "ai/Analyse.h"

namespace steinfall {

// Family B: seventy fixed patterns of one side, B1 to B70 in their fixed
// order. `seite` is CodeComputer (attack) or CodeSpieler (defence); the
// computer's arrays are written exactly when seite == CodeEigen.
void MusterB(Analyse& a, Zahl16 seite);

} // namespace steinfall
