#pragma once

#include "ai/Analyse.h"

namespace steinfall {

// Family C: sets MeidenLeicht on cells that can be played now where side
// `seite` already holds a stone on each line the cell would join, and on the
// gaps of five-windows that the side closes at both ends. Runs C1 to C21.
// In play `seite` is the human's, and such a cell is of no use to the
// computer's own lines (docs/computerspieler.md, "Familie C").
void MusterC(Analyse& a, Zahl16 seite);

} // namespace steinfall
