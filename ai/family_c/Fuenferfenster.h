#pragma once

#include "ai/Analyse.h"

namespace steinfall::familie_c {

// C11: five-windows in rows 4 to 6 whose two ends are own and whose middle
// holds two computer stones and one gap that can be played now; marks the gap.
// No row of four fits between the two own stones.
//
//   o x x + o     +: MeidenLeicht (likewise o x + x o and o + x x o)
//   # # # # #
void GeschlossenesFuenferfenster(Analyse& a, Zahl16 seite);

} // namespace steinfall::familie_c
