// 9a.5: a move that turns two stones of one side into an open three
// (docs/computerspieler.md, "Fünferfenster"). Member 7:
//
//   P1 P2 P3 P4 P5
//    .  x  M  x  .     M: +10, and the bonus when P1 and P5 can both be played
//    #  #  #  #  #     at once, which makes the three a double threat

#include "ai/Schritte.h"

namespace steinfall {

namespace {

enum class Schutz {
    Keiner,
    Drohung, // human side: not below a computer threat cell
    Form,    // human side: the diagonal shapes L and R (member 7)
};

// A window of five cells; the start cells of a pass keep its last four on
// the board.
constexpr int Fensterlaenge = 5;
constexpr int BisSpalte = AnzahlSpalten - (Fensterlaenge - 1); // 3
constexpr int BisZeile = AnzahlZeilen - (Fensterlaenge - 1);   // 2
constexpr int AbSpalte = Fensterlaenge;                        // 5, falling to the left

// One five-cell pass: cells P1..P5 from (r, c) in steps of (1 or 0, +-1).
// Positions count from 1 as P1..P5.
struct Fuenferpass {
    int SchrittZeile;
    int SchrittSpalte;
    int Stein1, Stein2; // the two stone positions
    int Zug;            // the move position M
    int SpalteVon, SpalteBis;
    int ZeileVon, ZeileBis;
    Schutz Wache;
    int Bonus;
    int EndeEigen, EndeAnders; // 0 = no end scores
};

// The members in the order they run.
// clang-format off
constexpr Fuenferpass Mitglieder[] = {
    // falling to the left
    {1, -1, 2, 4, 3, AbSpalte, AnzahlSpalten, 1, BisZeile,     Schutz::Keiner,  22, 5, 5},
    {1, -1, 2, 3, 4, AbSpalte, AnzahlSpalten, 1, BisZeile,     Schutz::Drohung, 22, 0, 0},
    {1, -1, 3, 4, 2, AbSpalte, AnzahlSpalten, 1, BisZeile,     Schutz::Drohung, 22, 0, 0},
    // falling to the right
    {1, 1,  2, 4, 3, 1,        BisSpalte,     1, BisZeile,     Schutz::Keiner,  22, 5, 5},
    {1, 1,  2, 3, 4, 1,        BisSpalte,     1, BisZeile,     Schutz::Drohung, 22, 0, 0},
    {1, 1,  3, 4, 2, 1,        BisSpalte,     1, BisZeile,     Schutz::Drohung, 22, 0, 0},
    // horizontal
    {0, 1,  2, 4, 3, 1,        BisSpalte,     1, AnzahlZeilen, Schutz::Form,    22, 5, 8},
    {0, 1,  2, 3, 4, 1,        BisSpalte,     1, AnzahlZeilen, Schutz::Keiner,  32, 0, 0},
    {0, 1,  3, 4, 2, 1,        BisSpalte,     1, AnzahlZeilen, Schutz::Keiner,  22, 0, 0},
};
// clang-format on

struct Zelle {
    int Zeile;
    int Spalte;
};

// Shape L (start column 2 or 3) and shape R (start column 1 or 2): a diagonal
// through the human stone below one window end and the stone at P2 or P4,
// both outer cells playable. Blocking at M would open the cell above M.
bool FormL(const Arbeitsbrett& f, int r, int c, int seite) {
    return f(r + 1, c) == seite && f(r + 2, c - 1) == 0 && f(r + 3, c - 1) != 0 &&
           f(r - 2, c + 3) == 0 && f(r - 1, c + 3) != 0;
}

bool FormR(const Arbeitsbrett& f, int r, int c, int seite) {
    return f(r + 1, c + 4) == seite && f(r + 2, c + 5) == 0 && f(r + 3, c + 5) != 0 &&
           f(r - 2, c + 1) == 0 && f(r - 1, c + 1) != 0;
}

bool FormGesperrt(const Arbeitsbrett& f, int r, int c, int seite) {
    if (r != 3 && r != 4) {
        return false;
    }
    return (c >= 2 && FormL(f, r, c, seite)) || (c <= 2 && FormR(f, r, c, seite));
}

void FensterWerten(Analyse& a, const Fuenferpass& p, int r, int c, int seite) {
    const auto& f = a.Arbeitsfeld;
    Zelle P[Fensterlaenge + 1]{}; // P[1]..P[5]
    for (int k = 1; k <= Fensterlaenge; ++k) {
        P[k] = {r + (k - 1) * p.SchrittZeile, c + (k - 1) * p.SchrittSpalte};
    }
    for (int k = 1; k <= Fensterlaenge; ++k) {
        const bool stein = k == p.Stein1 || k == p.Stein2;
        if (f(P[k].Zeile, P[k].Spalte) != (stein ? seite : 0)) {
            return;
        }
    }

    const bool eigen = seite == a.CodeEigen;
    auto& wert = eigen ? a.WertComputer : a.WertSpieler;

    const Zelle m = P[p.Zug];
    if (Spielbar(f, m.Zeile, m.Spalte)) {
        bool gesperrt = false;
        if (!eigen && p.Wache == Schutz::Drohung) {
            gesperrt = a.DrohungComputer(m.Zeile - 1, m.Spalte) != 0;
        } else if (!eigen && p.Wache == Schutz::Form) {
            gesperrt = FormGesperrt(f, r, c, seite);
        }
        if (!gesperrt) {
            wert(m.Zeile, m.Spalte) += 10;
            if (f(P[1].Zeile + 1, P[1].Spalte) != 0 && f(P[5].Zeile + 1, P[5].Spalte) != 0) {
                wert(m.Zeile, m.Spalte) += p.Bonus; // both ends open at once
            }
        }
    }

    const int ende = eigen ? p.EndeEigen : p.EndeAnders;
    if (ende == 0) {
        return;
    }
    const bool diagonal = p.SchrittZeile != 0;
    for (const Zelle e : {P[Fensterlaenge], P[1]}) {
        if (!Spielbar(f, e.Zeile, e.Spalte)) {
            continue;
        }
        if (eigen && diagonal && a.DrohungComputer(e.Zeile - 1, e.Spalte) != 0) {
            continue;
        }
        wert(e.Zeile, e.Spalte) += ende;
    }
}

} // namespace

void FuenferMuster(Analyse& a, Zahl16 seite) {
    for (const Fuenferpass& p : Mitglieder) {
        for (int r = p.ZeileVon; r <= p.ZeileBis; ++r) {
            for (int c = p.SpalteVon; c <= p.SpalteBis; ++c) {
                a.EreignisseVerarbeiten();
                FensterWerten(a, p, r, c, seite);
            }
        }
    }
}

} // namespace steinfall
