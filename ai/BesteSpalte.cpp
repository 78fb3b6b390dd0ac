// The final choice (docs/computerspieler.md, "Die Endwahl").

#include "ai/Schritte.h"

namespace steinfall {

namespace {

// A soft ban holds a cell back up to this score; a higher score overrides it.
constexpr Zahl16 WeichVerbotenBis = 19;

} // namespace

void ZelleWerten(Analyse& a, const Wertfeld& wert, Zahl16 zeile, Zahl16 spalte) {
    const Zahl16 v = wert(zeile, spalte);
    if (v <= a.Wahl.Wert) {
        return; // ties keep the earlier cell
    }
    if (a.VerbotHart(zeile, spalte) != 0) {
        return;
    }
    if (a.VerbotWeich(zeile, spalte) != 0 && v <= WeichVerbotenBis) {
        return;
    }
    a.Wahl.Wert = v;
    a.Wahl.Spalte = SpaltencodeVon(spalte);
}

Zahl16 BesteSpalteWaehlen(Analyse& a) {
    a.Wahl = Wahlsatz{};

    // The coin: k = integer part of 2x + 1, 1 or 2.
    a.Zufall->Saeen();
    const int k = static_cast<int>(2.0 * a.Zufall->Ziehen() + 1.0);

    // Centre first, then outward; the coin picks one of the two orders for the
    // computer's scores and the mirrored one for the human's. (Neither order
    // keeps to one side: 4, 5, 3, then 2 before 6.)
    static constexpr int FuenfVorDrei[AnzahlSpalten] = {4, 5, 3, 2, 6, 1, 7};
    static constexpr int DreiVorFuenf[AnzahlSpalten] = {4, 3, 5, 6, 2, 7, 1};
    const int* reiheComputer = k == 2 ? FuenfVorDrei : DreiVorFuenf;
    const int* reiheSpieler = k == 2 ? DreiVorFuenf : FuenfVorDrei;

    // Cells of full columns are not offered: their column cannot take a stone.
    auto anbieten = [&](const Wertfeld& wert, const int* reihe) {
        for (int zeile = 1; zeile <= AnzahlZeilen; ++zeile) {
            for (int i = 0; i < AnzahlSpalten; ++i) {
                const int spalte = reihe[i];
                if (a.Stand->SpaltenStatus[spalte - 1] != SpalteVoll) {
                    ZelleWerten(a, wert, zeile, spalte);
                }
            }
        }
    };
    anbieten(a.WertComputer, reiheComputer);
    anbieten(a.WertSpieler, reiheSpieler);

    return a.Wahl.Spalte;
}

} // namespace steinfall
