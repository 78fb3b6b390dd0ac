#include "ai/Schritte.h"

namespace steinfall {

// Not written yet: answers nothing and scores nothing.
Zahl16 DrohungenPruefen(Analyse& a, Zahl16) { return BesteSpalteWaehlen(a); }

} // namespace steinfall
