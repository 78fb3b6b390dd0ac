#pragma once

namespace steinfall {

// The short wait of the game flow: at least 0.0111 s, processing events
// meanwhile. It sleeps in an event loop instead of spinning, so a series of
// waits costs next to no processor time.
void Warten();

// Processes the pending events; when there are none, sleeps until the next
// one arrives or a short while has passed.
void AufEreignisWarten();

} // namespace steinfall
