#include "ai/family_a/Regeln.h"

namespace steinfall::familie_a {

namespace {

// A cell of an analysis array; a const array yields the value.
template <class Feld> decltype(auto) An(Feld& feld, Zelle x) {
    return feld(x.Zeile, x.Spalte);
}

// Rule 1: whoever fills the empty cell below h hands h to the human.
//
//   S h h S     a window of the human's (S) from A1, with its gaps h
//   C ! ! C     !: empty over a stone or the floor: Meiden, -2 for the computer
void ZelleDarunterMeiden(Analyse& a, const Luecke& luecke, Zelle h, Zelle o) {
    const Zelle unter = Darunter(h);
    An(a.Meiden, unter) = 1;
    // A14, gap w0: a human threat below o bans the cell as well.
    if (luecke.Sonderfall == Ausnahme::Regel1SpielerUnterO &&
        An(a.DrohungSpieler, Darunter(o)) > 0) {
        An(a.VerbotWeich, unter) = 1;
    }
    An(a.WertComputer, unter) -= 2;
    // A human threat above o backs the window: give the cell away only for a
    // high score.
    if (An(a.DrohungSpieler, Darueber(o)) > 0) {
        An(a.VerbotWeich, unter) = 1;
    }
}

// Line d: threats of the human around o.
bool ZeileD(const Analyse& a, const Luecke& luecke, Zelle h, Zelle o) {
    const auto& spieler = a.DrohungSpieler;
    switch (luecke.Sonderfall) {
    case Ausnahme::ZeileDAnDerLuecke: // A3, gap w1
        return An(spieler, o) > 0 || An(spieler, h) > 0;
    case Ausnahme::ZeileDComputerUnterO: // A9, gap w2
        return An(a.DrohungComputer, Darunter(o)) > 0 || An(spieler, o) > 0;
    default:
        return An(spieler, Darunter(o)) > 0 || An(spieler, o) > 0;
    }
}

// Line k: threats of the computer around o.
bool ZeileK(const Analyse& a, const Luecke& luecke, Zelle o) {
    const auto& computer = a.DrohungComputer;
    if (luecke.Sonderfall == Ausnahme::ZeileKSpielerUnterO) { // A17, gap w3
        return An(a.DrohungSpieler, Darunter(o)) > 0 || An(computer, o) > 0;
    }
    return An(computer, Darunter(o)) > 0 || An(computer, o) > 0;
}

// Line f: 11 at A3, gap w0, and at A15, gap w2.
Zahl16 ZeileFWert(const Luecke& luecke) {
    return luecke.Sonderfall == Ausnahme::ZeileFElf ? 11 : 7;
}

// Line g: 10 + anchor row at A2, gap w3.
Zahl16 ZeileGWert(const Luecke& luecke, Zahl16 ankerzeile) {
    return luecke.Sonderfall == Ausnahme::ZeileGZehnPlusAnkerzeile ? 10 + ankerzeile : 7;
}

// Rule 2, lines a to d: the computer builds up its own window.
void ComputerLueckeWerten(Analyse& a, const Luecke& luecke, Zelle h, Zelle o) {
    const auto& computer = a.DrohungComputer;
    Zahl16& wert = An(a.WertComputer, h);
    if (An(computer, o) == 0) {
        wert += luecke.Basis;
    }
    if (An(computer, Darunter(o)) > 0) {
        wert += 7;
    }
    if (An(computer, Darueber(o)) > 0) {
        wert += luecke.U;
    }
    if (ZeileD(a, luecke, h, o)) {
        wert += 7;
    }
}

// Rule 2, lines e to k: the computer spoils the human's window.
void SpielerLueckeWerten(Analyse& a, const Luecke& luecke, Zelle h, Zelle o, Zahl16 ankerzeile) {
    const auto& spieler = a.DrohungSpieler;
    Zahl16& wert = An(a.WertSpieler, h);
    if (An(spieler, o) == 0) {
        wert += luecke.Basis;
    }
    if (An(spieler, Darunter(o)) > 0) {
        wert += ZeileFWert(luecke);
    }
    if (An(spieler, Darueber(o)) > 0) {
        wert += ZeileGWert(luecke, ankerzeile);
    }
    if (ZeileK(a, luecke, o)) {
        wert += 7;
    }
}

} // namespace

void LueckeWerten(Analyse& a, const Luecke& luecke, Zahl16 seite, Zelle h, Zelle o,
                  Zahl16 ankerzeile) {
    const Zelle unter = Darunter(h);
    if (An(a.Arbeitsfeld, unter) == 0) {
        if (An(a.Arbeitsfeld, Darunter(unter)) != 0 && seite != a.CodeEigen) {
            ZelleDarunterMeiden(a, luecke, h, o);
        }
        return;
    }
    if (seite == a.CodeEigen) {
        ComputerLueckeWerten(a, luecke, h, o);
    } else {
        SpielerLueckeWerten(a, luecke, h, o, ankerzeile);
    }
}

} // namespace steinfall::familie_a
