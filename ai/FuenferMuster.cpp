#include "ai/Schritte.h"

namespace steinfall {

// Not written yet: answers nothing and scores nothing.
void FuenferMuster(Analyse&, Zahl16) {}

} // namespace steinfall
