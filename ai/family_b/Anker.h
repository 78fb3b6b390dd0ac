#pragma once

#include "ai/Analyse.h"

// What every family B pass works with: one scan position and the cell tests
// around it, and the scan frame itself.

namespace steinfall::familie_b {

// A cell named by its offset from the anchor.
struct Versatz {
    int Zeile;
    int Spalte;
};

enum class Marke { Meiden, VerbotWeich, MeidenLeicht };

// One scan position (zeile, spalte) of a pass run for side `seite`.
class Anker {
public:
    Anker(Analyse& a, Zahl16 seite, int zeile, int spalte)
        : a_(a), seite_(seite), zeile_(zeile), spalte_(spalte) {}

    int Spalte() const { return spalte_; }
    bool Computerseite() const { return seite_ == a_.CodeEigen; }

    int Feld(int dz, int ds) const { return a_.Arbeitsfeld(zeile_ + dz, spalte_ + ds); }

    bool Eigen(int dz, int ds) const { return Feld(dz, ds) == seite_; }
    bool Leer(int dz, int ds) const { return Feld(dz, ds) == 0; }
    // A stone of either side, or the floor.
    bool Belegt(int dz, int ds) const { return Feld(dz, ds) != 0; }
    bool NichtEigen(int dz, int ds) const { return Feld(dz, ds) != seite_; }
    // The human's stone, whichever side the pass runs for.
    bool Spieler(int dz, int ds) const { return Feld(dz, ds) == a_.CodeSpieler; }
    bool NichtSpieler(int dz, int ds) const { return Feld(dz, ds) != a_.CodeSpieler; }
    bool Gegner(int dz, int ds) const {
        return Feld(dz, ds) == (Computerseite() ? a_.CodeSpieler : a_.CodeComputer);
    }

    bool Eigen(Versatz v) const { return Eigen(v.Zeile, v.Spalte); }
    bool Leer(Versatz v) const { return Leer(v.Zeile, v.Spalte); }
    bool Belegt(Versatz v) const { return Belegt(v.Zeile, v.Spalte); }
    bool NichtEigen(Versatz v) const { return NichtEigen(v.Zeile, v.Spalte); }
    bool Spieler(Versatz v) const { return Spieler(v.Zeile, v.Spalte); }
    bool NichtSpieler(Versatz v) const { return NichtSpieler(v.Zeile, v.Spalte); }

    Zahl16& WertComputer(int dz, int ds) const {
        return a_.WertComputer(zeile_ + dz, spalte_ + ds);
    }
    Zahl16& WertSpieler(int dz, int ds) const { return a_.WertSpieler(zeile_ + dz, spalte_ + ds); }
    Zahl16& VerbotWeich(int dz, int ds) const { return a_.VerbotWeich(zeile_ + dz, spalte_ + ds); }
    Zahl16 DrohungComputer(int dz, int ds) const {
        return a_.DrohungComputer(zeile_ + dz, spalte_ + ds);
    }
    Zahl16 DrohungSpieler(int dz, int ds) const {
        return a_.DrohungSpieler(zeile_ + dz, spalte_ + ds);
    }

    // The side's score cell.
    Zahl16& Wert(int dz, int ds) const {
        return Computerseite() ? WertComputer(dz, ds) : WertSpieler(dz, ds);
    }
    // Adds the computer side's or the human side's bonus to the side's score.
    void Bonus(int computer, int spieler, int dz, int ds) const {
        Wert(dz, ds) += Computerseite() ? computer : spieler;
    }
    void Setzen(Marke marke, int dz, int ds) const {
        const int z = zeile_ + dz;
        const int s = spalte_ + ds;
        switch (marke) {
        case Marke::Meiden:
            a_.Meiden(z, s) = 1;
            break;
        case Marke::VerbotWeich:
            a_.VerbotWeich(z, s) = 1;
            break;
        case Marke::MeidenLeicht:
            a_.MeidenLeicht(z, s) = 1;
            break;
        }
    }

private:
    Analyse& a_;
    Zahl16 seite_;
    int zeile_;
    int spalte_;
};

struct Spanne {
    int Erste;
    int Letzte;
};

enum class Ereignisse { Verarbeiten, Auslassen };

// The scan frame: rows outer, columns inner; after each anchor the window
// gets its turn, except in the few passes that skip it.
template <typename Pruefung>
void Durchlaufen(Analyse& a, Zahl16 seite, Spanne zeilen, Spanne spalten, Pruefung&& pruefen,
                 Ereignisse ereignisse = Ereignisse::Verarbeiten) {
    for (int r = zeilen.Erste; r <= zeilen.Letzte; ++r) {
        for (int c = spalten.Erste; c <= spalten.Letzte; ++c) {
            pruefen(Anker(a, seite, r, c));
            if (ereignisse == Ereignisse::Verarbeiten) {
                a.EreignisseVerarbeiten();
            }
        }
    }
}

// A floating gap at T = (dz, ds): playable now, it earns a bonus; one stone
// short, the cell U below it is marked instead (with a penalty where given),
// so that nobody plays U and hands the gap away.
//
//   T     bonus when the cell below T is occupied
//   U     else, when the cell below U is occupied: marker at U
//   #
struct Luecke {
    int BonusComputer;
    int BonusSpieler;
    Marke MarkeComputer;
    int StrafeComputer;
    Marke MarkeSpieler;
    int StrafeSpieler;
};

inline void LueckeWerten(const Anker& p, int dz, int ds, const Luecke& l) {
    if (p.Belegt(dz + 1, ds)) {
        p.Bonus(l.BonusComputer, l.BonusSpieler, dz, ds);
    } else if (p.Belegt(dz + 2, ds)) {
        const bool computer = p.Computerseite();
        p.Setzen(computer ? l.MarkeComputer : l.MarkeSpieler, dz + 1, ds);
        const int strafe = computer ? l.StrafeComputer : l.StrafeSpieler;
        if (strafe != 0) {
            p.Wert(dz + 1, ds) -= strafe;
        }
    }
}

} // namespace steinfall::familie_b
