#include "ai/Schritte.h"

namespace steinfall {

// Not written yet: answers nothing and scores nothing.
void MusterA(Analyse&, Zahl16) {}

} // namespace steinfall
