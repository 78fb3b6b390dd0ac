#include "core/Spiel.h"

namespace steinfall {

Spiel::Spiel(Fenster& fenster, Zufallsquelle& zufall) : fenster_(fenster) {
    InitSprache(Txt);
    ki_.Stand = &Stand;
    ki_.Zufall = &zufall;
    ki_.Ereignisse = [this] { fenster_.EreignisseVerarbeiten(); };
}

} // namespace steinfall
