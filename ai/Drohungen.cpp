// 9a.1 and 9a.2: every window of four with three stones of one side and one
// empty gap G (docs/computerspieler.md, "Sofortige Drohungen").

#include "ai/Schritte.h"

namespace steinfall {

namespace {

// A window of four cells; the start cells of a pass keep its last three on
// the board.
constexpr int Fensterlaenge = 4;
constexpr int BisSpalte = AnzahlSpalten - (Fensterlaenge - 1); // 4
constexpr int BisZeile = AnzahlZeilen - (Fensterlaenge - 1);   // 3
constexpr int AbSpalte = Fensterlaenge;                        // 4, falling to the left

// One window pass: four cells from the top cell (r, c) in steps of
// (SchrittZeile, SchrittSpalte); the gap is cell number Luecke (0 = top cell).
struct Viererpass {
    int SchrittZeile;
    int SchrittSpalte;
    int Luecke;
    int SpalteVon, SpalteBis;
    int ZeileVon, ZeileBis;
    bool Senkrecht;   // scores only; its gap always sits on an own stone
    bool ObenZaehlen; // own side: counts the upper end in DrohungComputer
};

// The passes in the order they run.
// clang-format off
constexpr Viererpass Passe[] = {
    // horizontal, gap from the right end to the left end
    {0, 1,  3, 1,        BisSpalte,     1, AnzahlZeilen, false, false},
    {0, 1,  2, 1,        BisSpalte,     1, AnzahlZeilen, false, false},
    {0, 1,  1, 1,        BisSpalte,     1, AnzahlZeilen, false, false},
    {0, 1,  0, 1,        BisSpalte,     1, AnzahlZeilen, false, false},
    // vertical, gap on top
    {1, 0,  0, 1,        AnzahlSpalten, 1, BisZeile,     true,  false},
    // falling to the right, gap from the upper to the lower end
    {1, 1,  0, 1,        BisSpalte,     1, BisZeile,     false, false},
    {1, 1,  1, 1,        BisSpalte,     1, BisZeile,     false, false},
    {1, 1,  2, 1,        BisSpalte,     1, BisZeile,     false, false},
    {1, 1,  3, 1,        BisSpalte,     1, BisZeile,     false, true},
    // falling to the left, gap from the upper to the lower end
    {1, -1, 0, AbSpalte, AnzahlSpalten, 1, BisZeile,     false, false},
    {1, -1, 1, AbSpalte, AnzahlSpalten, 1, BisZeile,     false, false},
    {1, -1, 2, AbSpalte, AnzahlSpalten, 1, BisZeile,     false, false},
    {1, -1, 3, AbSpalte, AnzahlSpalten, 1, BisZeile,     false, false},
};
// clang-format on

bool Passt(const Analyse& a, const Viererpass& p, int r, int c, int seite) {
    for (int i = 0; i < Fensterlaenge; ++i) {
        const int zelle = a.Arbeitsfeld(r + i * p.SchrittZeile, c + i * p.SchrittSpalte);
        if (zelle != (i == p.Luecke ? 0 : seite)) {
            return false;
        }
    }
    return true;
}

// A threat cell G = (g, h) that is not the vertical one. Playable now, it
// scores 101. Floating over the empty cell U, it marks the cells below:
//
//   S S S G     G  threat cell of the human (S)
//   C C S U     U  VerbotHart when W is occupied (VerbotWeich for the computer)
//   C S C W     W  two below G: -3 in both score arrays; Meiden for the human
void DrohungEintragen(Analyse& a, int g, int h, bool eigen) {
    auto& wert = eigen ? a.WertComputer : a.WertSpieler;
    if (a.Arbeitsfeld(g + 1, h) != 0) {
        wert(g, h) += 101; // playable now
        return;
    }
    // G floats over the empty cell U; W is two below G.
    const int u = g + 1;
    const int w = g + 2;
    a.WertComputer(w, h) -= 3;
    a.WertSpieler(w, h) -= 3;
    const bool uZuerst = a.Arbeitsfeld(w, h) != 0; // U is the lowest free cell
    if (!eigen) {
        // Whoever plays U hands the human the four at G.
        a.Meiden(w, h) = 1;
        if (uZuerst) {
            a.VerbotHart(u, h) = 1;
        }
    } else if (uZuerst) {
        // Playing U lets the human block the computer's threat.
        a.VerbotWeich(u, h) = 1;
    }
}

void PassLaufen(Analyse& a, const Viererpass& p, int seite) {
    const bool eigen = seite == a.CodeEigen;
    for (int r = p.ZeileVon; r <= p.ZeileBis; ++r) {
        for (int c = p.SpalteVon; c <= p.SpalteBis; ++c) {
            a.EreignisseVerarbeiten();
            if (!Passt(a, p, r, c, seite)) {
                continue;
            }
            const int g = r + p.Luecke * p.SchrittZeile;
            const int h = c + p.Luecke * p.SchrittSpalte;
            if (p.Senkrecht) {
                (eigen ? a.WertComputer : a.WertSpieler)(g, h) += 101;
                continue;
            }
            if (eigen) {
                a.DrohungComputer(g, h) = 1;
                if (p.ObenZaehlen) {
                    a.DrohungComputer(r, c) += 1; // the upper end, a computer stone
                }
            } else {
                a.DrohungSpieler(g, h) = 1;
            }
            DrohungEintragen(a, g, h, eigen);
        }
    }
}

} // namespace

Zahl16 DrohungenPruefen(Analyse& a, Zahl16 seite) {
    for (const Viererpass& p : Passe) {
        PassLaufen(a, p, seite);
    }
    return BesteSpalteWaehlen(a);
}

} // namespace steinfall
