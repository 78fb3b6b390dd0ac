#include "ai/Schritte.h"

namespace steinfall {

// Not written yet: answers nothing and scores nothing.
void EroeffnungZufall(Analyse&) {}

} // namespace steinfall
