#pragma once

namespace steinfall {

// Scales what Qt draws itself with the game area: the options' indicators,
// frames, margins, the boxes' icons and the instructions' scroll bar, so that
// at `faktor` the standard controls keep their designed proportions to the
// pictures and the text. For the whole program, since the side windows and
// message boxes scale with the game too. At 1 nothing changes.
void Skalieren(double faktor);

} // namespace steinfall
