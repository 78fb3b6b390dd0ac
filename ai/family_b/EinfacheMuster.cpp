#include "ai/family_b/Anker.h"
#include "ai/family_b/Durchgaenge.h"

#include <array>
#include <initializer_list>

// The passes of family B that are one rule each: own stones, empty and
// occupied cells around the anchor, a few further tests, one write per side.
// Cells are offsets (rows down, columns right) from the anchor. B28, the
// pass with two bonuses:
//
//   r    . x x +     +: the three in row r, its end (r, c) playable, and the
//   r+1  # # x #        diagonal from (r, c+1) threatens right above that end
//   r+2  # # # x

namespace steinfall::familie_b {

namespace {

// Up to N entries, fixed in size so that the table is a constant.
template <typename T, int N> struct Kurzliste {
    std::array<T, N> Eintraege{};
    int Anzahl = 0;

    constexpr Kurzliste() = default;
    constexpr Kurzliste(std::initializer_list<T> liste) {
        for (const T& e : liste) {
            Eintraege[Anzahl++] = e;
        }
    }
    constexpr const T* begin() const { return Eintraege.data(); }
    constexpr const T* end() const { return Eintraege.data() + Anzahl; }
};

using Zellen = Kurzliste<Versatz, 4>;

// The further tests some patterns add to their cell lists.
enum class Zusatzart {
    EinesLeer,         // at least one of the two cells empty
    NichtBeideSpieler, // not both cells the human's, whichever side runs
    KeinesEigen,       // neither cell own
    NichtSpieler,      // the cell is not the human's
};

struct Zusatztest {
    Zusatzart Art;
    Versatz Erste;
    Versatz Zweite;
};

constexpr Zusatztest EinesLeer(Versatz x, Versatz y) {
    return {Zusatzart::EinesLeer, x, y};
}
constexpr Zusatztest NichtBeideSpieler(Versatz x, Versatz y) {
    return {Zusatzart::NichtBeideSpieler, x, y};
}
constexpr Zusatztest KeinesEigen(Versatz x, Versatz y) {
    return {Zusatzart::KeinesEigen, x, y};
}
constexpr Zusatztest NichtSpieler(Versatz x) {
    return {Zusatzart::NichtSpieler, x, x};
}

using Zusatztests = Kurzliste<Zusatztest, 2>;

// What one side writes when the pattern is found.
struct Wirkung {
    int Wert;           // added to the side's score array at the pattern's cell
    bool VerbotWeich;   // and VerbotWeich := 1 there
    Versatz Zweitzelle; // a second bonus elsewhere (B28, B29 on the computer side)
    int Zweitwert;
};

constexpr Wirkung Bonus(int wert) {
    return {wert, false, {0, 0}, 0};
}
constexpr Wirkung VerbotWeichUnd(int wert) {
    return {wert, true, {0, 0}, 0};
}
constexpr Wirkung Doppelbonus(int wert, Versatz zweitzelle, int zweitwert) {
    return {wert, false, zweitzelle, zweitwert};
}

constexpr Ereignisse OhneEreignisse = Ereignisse::Auslassen;

struct EinfachesMuster {
    int Nummer;
    Spanne Zeilen;
    Spanne Spalten;
    Zellen Eigen;
    Zellen Leer;
    Zellen Belegt;
    Versatz Zelle;
    Wirkung Computer;
    Wirkung Spieler;
    Zusatztests Zusatz;
    Ereignisse Takt;

    constexpr EinfachesMuster(int nummer, Spanne zeilen, Spanne spalten, Zellen eigen, Zellen leer,
                              Zellen belegt, Versatz zelle, Wirkung computer, Wirkung spieler,
                              Zusatztests zusatz = {}, Ereignisse takt = Ereignisse::Verarbeiten)
        : Nummer(nummer), Zeilen(zeilen), Spalten(spalten), Eigen(eigen), Leer(leer),
          Belegt(belegt), Zelle(zelle), Computer(computer), Spieler(spieler), Zusatz(zusatz),
          Takt(takt) {}
};

// clang-format off
constexpr EinfachesMuster Tabelle[] = {
    // pass, rows, columns, own, empty, occupied;
    //      cell, computer side, human side[; further tests, events]
    {8,  {1, 3}, {1, 3}, {{0, 3}, {1, 2}, {1, 3}, {1, 4}},   {{2, 1}, {3, 0}},         {{4, 0}},
         {0, 0},  Bonus(1),                    Bonus(1)},
    {9,  {1, 3}, {1, 3}, {{0, 1}, {1, 0}, {1, 1}, {1, 2}},   {{2, 3}, {3, 4}},         {{4, 4}},
         {0, 4},  Bonus(1),                    Bonus(1)},
    {10, {2, 4}, {1, 3}, {{0, 2}, {1, 1}, {2, 0}},           {{0, 1}},                 {{-1, 3}},
         {0, 1},  Bonus(1),                    Bonus(1),
         {EinesLeer({0, 0}, {0, 4})}},
    {11, {2, 4}, {1, 3}, {{0, 2}, {1, 3}, {2, 4}},           {{-1, 1}, {0, 3}},        {},
         {0, 3},  Bonus(1),                    Bonus(1),
         {EinesLeer({0, 0}, {0, 4})}},
    {14, {1, 3}, {2, 3}, {{1, 1}, {1, 2}, {2, 2}, {3, 1}},   {{0, 1}, {3, 0}, {3, 3}}, {{0, 2}},
         {0, 1},  Bonus(2),                    Bonus(3)},
    {15, {1, 3}, {2, 3}, {{1, 1}, {1, 2}, {2, 1}, {3, 2}},   {{0, 2}, {3, 0}, {3, 3}}, {{0, 1}},
         {0, 2},  Bonus(2),                    Bonus(3)},
    {16, {2, 4}, {1, 4}, {{0, 2}, {1, 2}, {2, 1}},           {{0, 0}, {0, 1}, {1, 3}}, {{1, 1}},
         {0, 1},  Bonus(1),                    Bonus(1)},
    {17, {2, 4}, {1, 4}, {{0, 1}, {1, 1}, {2, 2}},           {{0, 2}, {0, 3}, {1, 0}}, {{1, 2}},
         {0, 2},  Bonus(1),                    Bonus(1)},
    {18, {1, 3}, {1, 3}, {{1, 0}, {1, 2}, {3, 0}},           {{1, 3}, {2, 1}},         {{2, 3}},
         {1, 3},  VerbotWeichUnd(-3),          VerbotWeichUnd(-3)},
    {19, {1, 3}, {1, 3}, {{1, 1}, {1, 3}, {3, 3}},           {{1, 0}, {2, 2}},         {{2, 0}},
         {1, 0},  VerbotWeichUnd(-3),          VerbotWeichUnd(-3)},
    {20, {1, 3}, {1, 4}, {{0, 3}, {3, 3}},                   {{3, 0}, {3, 1}, {3, 2}}, {{4, 0}},
         {3, 0},  Bonus(1),                    Bonus(1)},
    {21, {1, 3}, {1, 4}, {{0, 0}, {3, 0}},                   {{3, 1}, {3, 2}, {3, 3}}, {{4, 3}},
         {3, 3},  Bonus(1),                    Bonus(1)},
    {22, {1, 3}, {1, 4}, {{3, 0}, {3, 3}},                   {{0, 3}, {3, 1}, {3, 2}}, {{1, 3}},
         {0, 3},  Bonus(1),                    Bonus(1)},
    {23, {1, 3}, {1, 4}, {{3, 0}, {3, 3}},                   {{0, 0}, {3, 1}, {3, 2}}, {{1, 0}},
         {0, 0},  Bonus(1),                    Bonus(1)},
    {24, {1, 3}, {1, 4}, {{0, 3}, {3, 0}},                   {{0, 0}, {2, 2}, {3, 1}}, {{1, 0}},
         {0, 0},  Bonus(1),                    Bonus(1)},
    {25, {1, 3}, {1, 4}, {{0, 0}, {3, 3}},                   {{0, 3}, {2, 1}, {3, 2}}, {{1, 3}},
         {0, 3},  Bonus(1),                    Bonus(1)},
    {26, {1, 3}, {1, 4}, {{0, 0}, {3, 0}},                   {{0, 3}, {2, 2}, {3, 1}}, {{1, 3}},
         {0, 3},  Bonus(1),                    Bonus(1)},
    {27, {1, 3}, {1, 4}, {{0, 3}, {3, 3}},                   {{0, 0}, {2, 1}, {3, 2}}, {{1, 0}},
         {0, 0},  Bonus(1),                    Bonus(1)},
    {28, {2, 4}, {1, 4}, {{0, 1}, {0, 2}, {1, 2}, {2, 3}},   {{0, 0}, {0, 3}},         {{1, 0}, {1, 3}},
         {0, 3},  Doppelbonus(32, {0, 0}, 30), Bonus(30)},
    {29, {2, 4}, {1, 4}, {{0, 1}, {0, 2}, {1, 1}, {2, 0}},   {{0, 0}, {0, 3}},         {{1, 0}, {1, 3}},
         {0, 0},  Doppelbonus(32, {0, 3}, 30), Bonus(30)},
    {30, {2, 4}, {1, 3}, {{0, 2}, {0, 3}, {1, 3}, {2, 4}},   {{1, 0}, {1, 1}},         {{2, 0}, {2, 1}},
         {1, 0},  VerbotWeichUnd(-3),          VerbotWeichUnd(-3)},
    {31, {2, 4}, {1, 3}, {{0, 1}, {0, 2}, {1, 1}, {2, 0}},   {{1, 3}, {1, 4}},         {{2, 3}, {2, 4}},
         {1, 4},  VerbotWeichUnd(-3),          VerbotWeichUnd(-3)},
    {32, {1, 3}, {1, 4}, {{1, 2}, {1, 3}, {2, 2}, {3, 3}},   {{1, 0}, {1, 1}},         {{2, 1}},
         {1, 1},  Bonus(17),                   Bonus(15)},
    {33, {1, 3}, {1, 4}, {{1, 0}, {1, 1}, {2, 1}, {3, 0}},   {{1, 2}, {1, 3}},         {{2, 2}},
         {1, 2},  Bonus(17),                   Bonus(15)},
    {34, {1, 3}, {1, 4}, {{0, 3}, {1, 2}, {2, 2}, {2, 3}},   {{2, 1}, {3, 0}},         {{3, 1}},
         {2, 1},  Bonus(22),                   Bonus(20)},
    {35, {1, 3}, {1, 4}, {{0, 0}, {1, 1}, {2, 0}, {2, 1}},   {{2, 2}, {3, 3}},         {{3, 2}},
         {2, 2},  Bonus(22),                   Bonus(20)},
    {36, {1, 3}, {1, 3}, {{1, 3}, {3, 3}},                   {{3, 1}, {3, 2}},         {{4, 1}},
         {3, 1},  Bonus(1),                    Bonus(1),
         {NichtBeideSpieler({0, 4}, {4, 0}), NichtBeideSpieler({3, 0}, {3, 4})}},
    {37, {1, 3}, {1, 3}, {{1, 1}, {3, 1}},                   {{3, 2}, {3, 3}},         {{4, 3}},
         {3, 3},  Bonus(1),                    Bonus(1),
         {NichtBeideSpieler({0, 0}, {4, 4}), NichtBeideSpieler({3, 0}, {3, 4})}},
    {38, {1, 3}, {1, 3}, {{3, 1}, {3, 3}},                   {{1, 3}, {3, 2}},         {{2, 3}},
         {1, 3},  Bonus(1),                    Bonus(1),
         {NichtBeideSpieler({0, 4}, {4, 0}), NichtBeideSpieler({3, 0}, {3, 4})}},
    {39, {1, 3}, {1, 3}, {{3, 1}, {3, 3}},                   {{1, 1}, {3, 2}},         {{2, 1}},
         {1, 1},  Bonus(1),                    Bonus(1),
         {NichtBeideSpieler({0, 0}, {4, 4}), NichtBeideSpieler({3, 0}, {3, 4})}},
    {40, {1, 3}, {1, 3}, {{1, 3}, {3, 3}},                   {{1, 1}, {2, 2}},         {{2, 1}},
         {1, 1},  Bonus(1),                    Bonus(1),
         {NichtBeideSpieler({0, 0}, {4, 4}), NichtBeideSpieler({1, 0}, {1, 4})}},
    {41, {1, 3}, {1, 3}, {{1, 1}, {3, 1}},                   {{1, 3}, {2, 2}},         {{2, 3}},
         {1, 3},  Bonus(1),                    Bonus(1),
         {NichtBeideSpieler({0, 4}, {4, 0}), NichtBeideSpieler({1, 0}, {1, 4})}},
    {42, {1, 3}, {1, 3}, {{1, 1}, {3, 3}},                   {{1, 3}, {2, 2}},         {{2, 3}},
         {1, 3},  Bonus(1),                    Bonus(1),
         {NichtBeideSpieler({0, 0}, {4, 4}), NichtBeideSpieler({1, 0}, {1, 4})}},
    {43, {1, 3}, {1, 3}, {{1, 3}, {3, 1}},                   {{1, 1}, {2, 2}},         {{2, 3}},
         {1, 1},  Bonus(1),                    Bonus(1),
         {NichtBeideSpieler({0, 4}, {4, 0}), NichtBeideSpieler({1, 0}, {1, 4})}},
    {46, {1, 3}, {4, 7}, {{0, 0}, {1, -3}, {1, 0}, {3, -3}}, {{1, -1}, {2, -2}},       {{2, -1}, {3, -2}},
         {1, -1}, Bonus(32),                   Bonus(30),
         {}, OhneEreignisse},
    {47, {1, 3}, {1, 4}, {{0, 0}, {1, 0}, {1, 3}, {3, 3}},   {{1, 1}, {2, 2}},         {{2, 1}, {3, 2}},
         {1, 1},  Bonus(32),                   Bonus(30),
         {}, OhneEreignisse},
    {48, {1, 3}, {1, 4}, {{0, 3}, {2, 0}, {2, 3}, {3, 0}},   {{2, 1}, {2, 2}},         {{3, 1}, {3, 2}},
         {2, 1},  Bonus(32),                   Bonus(30)},
    {49, {1, 3}, {1, 4}, {{0, 0}, {2, 0}, {2, 3}, {3, 3}},   {{2, 1}, {2, 2}},         {{3, 1}, {3, 2}},
         {2, 2},  Bonus(32),                   Bonus(30)},
    {50, {1, 3}, {1, 3}, {{1, 0}, {1, 1}, {1, 2}},           {{0, 1}},                 {},
         {0, 1},  Bonus(1),                    Bonus(1),
         {KeinesEigen({2, 3}, {3, 4})}},
    {51, {1, 3}, {1, 3}, {{1, 2}, {1, 3}, {1, 4}},           {{0, 3}},                 {},
         {0, 3},  Bonus(1),                    Bonus(1),
         {KeinesEigen({2, 1}, {3, 0})}},
    {54, {2, 4}, {1, 4}, {{0, 0}, {0, 2}, {1, 1}, {2, 0}},   {{0, 1}, {0, 3}},         {},
         {0, 1},  Bonus(32),                   Bonus(30)},
    {55, {2, 4}, {1, 4}, {{0, 1}, {0, 3}, {1, 2}, {2, 3}},   {{0, 0}, {0, 2}},         {},
         {0, 2},  Bonus(32),                   Bonus(30)},
    {64, {1, 3}, {1, 4}, {{1, 0}, {1, 1}, {2, 0}, {2, 1}},   {{0, 0}, {2, 2}},         {},
         {0, 0},  Bonus(17),                   Bonus(15),
         {NichtSpieler({3, 3})}},
    {65, {1, 3}, {1, 4}, {{1, 2}, {1, 3}, {2, 2}, {2, 3}},   {{0, 3}, {2, 1}},         {},
         {0, 3},  Bonus(17),                   Bonus(15),
         {NichtSpieler({3, 0})}},
};
// clang-format on

// Every cell a pass reads or writes lies in rows 1..8 and columns 1..7 over
// its whole scan range, and the numbers are the 44 the dispatcher expects.
constexpr bool ImFeld(const EinfachesMuster& m, Versatz v) {
    return m.Zeilen.Erste + v.Zeile >= 1 && m.Zeilen.Letzte + v.Zeile <= Arbeitsbrett::Letzte &&
           m.Spalten.Erste + v.Spalte >= 1 && m.Spalten.Letzte + v.Spalte <= AnzahlSpalten;
}

constexpr bool TabelleStimmig() {
    int vorige = 0;
    int anzahl = 0;
    for (const EinfachesMuster& m : Tabelle) {
        const int n = m.Nummer;
        const bool erwartet = (n >= 8 && n <= 11) || (n >= 14 && n <= 43) || (n >= 46 && n <= 51) ||
                              n == 54 || n == 55 || n == 64 || n == 65;
        if (!erwartet || n <= vorige) {
            return false;
        }
        for (const Zellen& zellen : {m.Eigen, m.Leer, m.Belegt}) {
            for (const Versatz v : zellen) {
                if (!ImFeld(m, v)) {
                    return false;
                }
            }
        }
        for (const Zusatztest& t : m.Zusatz) {
            if (!ImFeld(m, t.Erste) || !ImFeld(m, t.Zweite)) {
                return false;
            }
        }
        if (!ImFeld(m, m.Zelle) || !ImFeld(m, m.Computer.Zweitzelle)) {
            return false;
        }
        vorige = n;
        ++anzahl;
    }
    return anzahl == 44;
}
static_assert(TabelleStimmig());

bool Gilt(const Anker& p, const Zusatztest& t) {
    switch (t.Art) {
    case Zusatzart::EinesLeer:
        return p.Leer(t.Erste) || p.Leer(t.Zweite);
    case Zusatzart::NichtBeideSpieler:
        return !(p.Spieler(t.Erste) && p.Spieler(t.Zweite));
    case Zusatzart::KeinesEigen:
        return p.NichtEigen(t.Erste) && p.NichtEigen(t.Zweite);
    case Zusatzart::NichtSpieler:
        return p.NichtSpieler(t.Erste);
    }
    return false;
}

bool Passt(const Anker& p, const EinfachesMuster& m) {
    for (const Versatz v : m.Eigen) {
        if (!p.Eigen(v)) {
            return false;
        }
    }
    for (const Versatz v : m.Leer) {
        if (!p.Leer(v)) {
            return false;
        }
    }
    for (const Versatz v : m.Belegt) {
        if (!p.Belegt(v)) {
            return false;
        }
    }
    for (const Zusatztest& t : m.Zusatz) {
        if (!Gilt(p, t)) {
            return false;
        }
    }
    return true;
}

void Schreiben(const Anker& p, const EinfachesMuster& m) {
    const Wirkung& w = p.Computerseite() ? m.Computer : m.Spieler;
    if (w.VerbotWeich) {
        p.Setzen(Marke::VerbotWeich, m.Zelle.Zeile, m.Zelle.Spalte);
    }
    p.Wert(m.Zelle.Zeile, m.Zelle.Spalte) += w.Wert;
    if (w.Zweitwert != 0) {
        p.Wert(w.Zweitzelle.Zeile, w.Zweitzelle.Spalte) += w.Zweitwert;
    }
}

} // namespace

void EinfacheMuster(Analyse& a, Zahl16 seite, int von, int bis) {
    for (const EinfachesMuster& m : Tabelle) {
        if (m.Nummer < von || m.Nummer > bis) {
            continue;
        }
        Durchlaufen(
            a, seite, m.Zeilen, m.Spalten,
            [&m](const Anker& p) {
                if (Passt(p, m)) {
                    Schreiben(p, m);
                }
            },
            m.Takt);
    }
}

} // namespace steinfall::familie_b
