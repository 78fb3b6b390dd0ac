#include "ai/family_b/Anker.h"
#include "ai/family_b/Durchgaenge.h"

// Passes whose key cell may float: playable now earns a bonus, one stone
// short marks the cell underneath.

namespace steinfall::familie_b {

namespace {

// The cell under the gaps of B1 and B2 is to be kept free. On the computer
// side both score arrays lose there, on the human side only the human's.
void DarunterSperren(const Anker& p, int dz, int ds) {
    if (p.Computerseite()) {
        p.Setzen(Marke::Meiden, dz, ds);
        p.WertComputer(dz, ds) -= 11;
        p.WertSpieler(dz, ds) -= 11;
    } else {
        p.Setzen(Marke::VerbotWeich, dz, ds);
        p.WertSpieler(dz, ds) -= 11;
    }
}

constexpr Luecke LueckeB3B4{32, 30, Marke::Meiden, 3, Marke::VerbotWeich, 0};
constexpr Luecke LueckeB5{25, 23, Marke::Meiden, 2, Marke::VerbotWeich, 0};
constexpr Luecke LueckeB6{25, 23, Marke::Meiden, 3, Marke::VerbotWeich, 0};
constexpr Luecke LueckeB44{2, 2, Marke::Meiden, 1, Marke::VerbotWeich, 0};
constexpr Luecke LueckeB45{1, 1, Marke::MeidenLeicht, 1, Marke::Meiden, 0};
constexpr Luecke LueckeB52B53{32, 30, Marke::Meiden, 5, Marke::VerbotWeich, 15};

} // namespace

void MusterB1(Analyse& a, Zahl16 seite) {
    Durchlaufen(a, seite, {1, 3}, {1, 4}, [](const Anker& p) {
        if (!(p.Eigen(1, 2) && p.Eigen(1, 3) && p.Eigen(3, 0) && p.Leer(2, 1) && p.Leer(2, 0))) {
            return;
        }
        if (p.Eigen(0, 3)) {
            DarunterSperren(p, 2, 0);
        } else if (p.Leer(0, 3)) {
            p.Wert(0, 3) += 3;
        }
    });
}

void MusterB2(Analyse& a, Zahl16 seite) {
    Durchlaufen(a, seite, {1, 3}, {1, 4}, [](const Anker& p) {
        if (!(p.Eigen(1, 0) && p.Eigen(1, 1) && p.Eigen(3, 3) && p.Leer(2, 2) && p.Leer(2, 3))) {
            return;
        }
        if (p.Eigen(0, 0)) {
            DarunterSperren(p, 2, 3);
        } else if (p.Leer(0, 0)) {
            p.Wert(0, 0) += 3;
        }
    });
}

void MusterB3(Analyse& a, Zahl16 seite) {
    Durchlaufen(a, seite, {1, 3}, {1, 4}, [](const Anker& p) {
        if (p.Eigen(0, 0) && p.Eigen(1, 1) && p.Eigen(3, 0) && p.Eigen(3, 1) && p.Leer(3, 2) &&
            p.Leer(3, 3)) {
            LueckeWerten(p, 3, 3, LueckeB3B4);
        }
    });
}

void MusterB4(Analyse& a, Zahl16 seite) {
    Durchlaufen(a, seite, {1, 3}, {1, 4}, [](const Anker& p) {
        if (p.Eigen(0, 3) && p.Eigen(1, 2) && p.Eigen(3, 2) && p.Eigen(3, 3) && p.Leer(3, 0) &&
            p.Leer(3, 1)) {
            LueckeWerten(p, 3, 0, LueckeB3B4);
        }
    });
}

void MusterB5(Analyse& a, Zahl16 seite) {
    Durchlaufen(a, seite, {1, 3}, {1, 4}, [](const Anker& p) {
        if (p.Eigen(0, 0) && p.Eigen(0, 1) && p.Eigen(2, 1) && p.Eigen(3, 0) && p.Leer(0, 3) &&
            p.Leer(1, 2)) {
            LueckeWerten(p, 0, 3, LueckeB5);
        }
    });
}

void MusterB6(Analyse& a, Zahl16 seite) {
    Durchlaufen(a, seite, {1, 3}, {1, 4}, [](const Anker& p) {
        if (p.Eigen(0, 2) && p.Eigen(0, 3) && p.Eigen(2, 2) && p.Eigen(3, 3) && p.Leer(0, 0) &&
            p.Leer(1, 1)) {
            LueckeWerten(p, 0, 0, LueckeB6);
        }
    });
}

void MusterB44(Analyse& a, Zahl16 seite) {
    Durchlaufen(a, seite, {1, 3}, {1, 3}, [](const Anker& p) {
        if (p.Eigen(2, 0) && p.Eigen(2, 4) && p.Leer(0, 2) && p.Leer(1, 1) && p.Leer(1, 3)) {
            LueckeWerten(p, 0, 2, LueckeB44);
        }
    });
}

// Over rows only: the pattern spans the whole board width, empty cells in a
// V from the own stones in columns 1 and 7 up to T in column 4.
//
//        1 2 3 4 5 6 7
//   r    ? ? ? T ? ? ?
//   r+1  ? ? . U . ? ?
//   r+2  ? . ? ? ? . ?
//   r+3  x ? ? ? ? ? x
void MusterB45(Analyse& a, Zahl16 seite) {
    for (int r = 1; r <= 3; ++r) {
        const Anker p(a, seite, r, 0); // column offsets are the columns
        if (p.Eigen(3, 1) && p.Eigen(3, 7) && p.Leer(0, 4) && p.Leer(1, 3) && p.Leer(1, 5) &&
            p.Leer(2, 2) && p.Leer(2, 6)) {
            LueckeWerten(p, 0, 4, LueckeB45);
        }
        a.EreignisseVerarbeiten();
    }
}

void MusterB52(Analyse& a, Zahl16 seite) {
    Durchlaufen(a, seite, {2, 4}, {1, 4}, [](const Anker& p) {
        if (p.Eigen(0, 0) && p.Eigen(0, 1) && p.Eigen(1, 1) && p.Eigen(2, 0) && p.Leer(0, 2) &&
            p.Leer(0, 3)) {
            LueckeWerten(p, 0, 2, LueckeB52B53);
        }
    });
}

void MusterB53(Analyse& a, Zahl16 seite) {
    Durchlaufen(a, seite, {2, 4}, {1, 4}, [](const Anker& p) {
        if (p.Eigen(0, 2) && p.Eigen(0, 3) && p.Eigen(1, 2) && p.Eigen(2, 3) && p.Leer(0, 0) &&
            p.Leer(0, 1)) {
            LueckeWerten(p, 0, 1, LueckeB52B53);
        }
    });
}

} // namespace steinfall::familie_b
