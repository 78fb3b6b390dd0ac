#include "ai/family_b/MusterB.h"

#include "ai/family_b/Durchgaenge.h"

namespace steinfall {

void MusterB(Analyse& a, Zahl16 seite) {
    using namespace familie_b;

    // Groups as in docs/computerspieler.md, "Familie B". Floating gaps:
    // B1-B6, B44, B45, B52, B53; single rules: B8-B11, B14-B43, B46-B51,
    // B54, B55, B64, B65; rows with open ends: B7, B12, B13, B56, B63, B66,
    // B67; the bottom rows: B57-B62; threat and score arrays: B68-B70.
    MusterB1(a, seite);
    MusterB2(a, seite);
    MusterB3(a, seite);
    MusterB4(a, seite);
    MusterB5(a, seite);
    MusterB6(a, seite);
    MusterB7(a, seite);
    EinfacheMuster(a, seite, 8, 11);
    MusterB12(a, seite);
    MusterB13(a, seite);
    EinfacheMuster(a, seite, 14, 43);
    MusterB44(a, seite);
    MusterB45(a, seite);
    EinfacheMuster(a, seite, 46, 51);
    MusterB52(a, seite);
    MusterB53(a, seite);
    EinfacheMuster(a, seite, 54, 55);
    MusterB56(a, seite);
    MusterB57(a, seite);
    MusterB58(a, seite);
    MusterB59(a, seite);
    MusterB60(a, seite);
    MusterB61(a, seite);
    MusterB62(a, seite);
    MusterB63(a, seite, 1, 3, 3, 5);
    EinfacheMuster(a, seite, 64, 65);
    MusterB66(a, seite);
    MusterB67(a, seite);
    MusterB68(a, seite);
    MusterB69(a, seite);
    MusterB70(a, seite);
}

} // namespace steinfall
