#pragma once

namespace steinfall {

// Qt warns in English when the player's locale was never generated and it
// falls back to C.UTF-8 for its own character handling. The game chooses
// its language itself and speaks it all the same, so that warning would be
// the only foreign text such a player sees; it is left out, every other
// message of Qt's goes out as before. Call before the application object.
void QtMeldungenFiltern();

} // namespace steinfall
