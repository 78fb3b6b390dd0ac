#pragma once

#include <chrono>

namespace steinfall {

// The clock of the short waits. The game uses the monotonic clock and a timer
// in an event loop; tests put in a clock they advance themselves.
class Warteuhr {
public:
    using Zeitpunkt = std::chrono::steady_clock::time_point;
    using Dauer = std::chrono::steady_clock::duration;

    virtual ~Warteuhr() = default;
    virtual Zeitpunkt Jetzt() = 0;
    // Processes events for about `dauer`, sleeping in between.
    virtual void Schlafen(Dauer dauer) = 0;
};

// The short wait of the game flow: at least 0.0111 s, processing events
// meanwhile. It sleeps in an event loop instead of spinning, so a series of
// waits costs next to no processor time.
void Warten();
void Warten(Warteuhr& uhr);

// Processes the pending events; when there are none, sleeps until the next
// one arrives or a short while has passed.
void AufEreignisWarten();

} // namespace steinfall
