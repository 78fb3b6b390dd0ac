#include "ai/Schritte.h"

namespace steinfall {

// Not written yet: answers nothing and scores nothing.
Zahl16 DoppelDrohungAbwehren(Analyse&) { return 0; }
void DoppelDrohungBonus(Analyse&) {}

} // namespace steinfall
