#pragma once

#include <algorithm>
#include <cmath>

namespace steinfall {

// Scales what Qt draws itself with the game area: the options' indicators,
// frames, margins, the boxes' icons and the instructions' scroll bar, so that
// at `faktor` the standard controls keep their designed proportions to the
// pictures and the text. For the whole program, since the side windows and
// message boxes scale with the game too. At 1 nothing changes.
void Skalieren(double faktor);

// The strength of a frame's own lines (QFrame draws them, not the style) at
// `faktor`: whole pixels, 1 at the designed size.
inline int Linienstaerke(double faktor) {
    return std::max(1, static_cast<int>(std::lround(faktor)));
}

} // namespace steinfall
