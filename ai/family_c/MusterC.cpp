#include "ai/family_c/MusterC.h"

#include "ai/family_c/Fuenferfenster.h"
#include "ai/family_c/RandPass.h"
#include "ai/family_c/RandPasse.h"

#include <span>

namespace steinfall {

void MusterC(Analyse& a, Zahl16 seite) {
    using namespace familie_c;
    const std::span<const RandPass> passe(RandPasse);
    static_assert(RandPasse[9].Nummer == 10 && RandPasse[10].Nummer == 12);

    for (const RandPass& pass : passe.first(10)) { // C1 to C10
        RandPassAnwenden(a, seite, pass);
    }
    GeschlossenesFuenferfenster(a, seite);           // C11
    for (const RandPass& pass : passe.subspan(10)) { // C12 to C21
        RandPassAnwenden(a, seite, pass);
    }
}

} // namespace steinfall
