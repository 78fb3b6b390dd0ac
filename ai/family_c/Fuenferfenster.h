#pragma once

#include "ai/Analyse.h"

namespace steinfall::familie_c {

// C11: five-windows in rows 4 to 6 whose two ends are own and whose middle
// holds two computer stones and one gap that can be played now; marks the gap.
// No row of four fits between the two own stones.
//
//   S C C + S     S own (in play the human's), C the computer's, + MeidenLeicht
//   # # # # #     (likewise S C + C S and S + C C S)
void GeschlossenesFuenferfenster(Analyse& a, Zahl16 seite);

} // namespace steinfall::familie_c
