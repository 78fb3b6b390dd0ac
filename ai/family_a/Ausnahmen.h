#pragma once

// Family A: the seven gaps whose rules differ from the common ones. Each gap
// of the pass table carries Keine or exactly one of these; the rules in
// Regeln.cpp name them where they change a line. h is the gap being scored,
// o the window's other gap, wN the window's cell N places from its anchor;
// lines a to k are rule 2's tests (Regeln.h).

namespace steinfall::familie_a {

enum class Ausnahme {
    Keine,
    // A2, gap w3: line g adds 10 + anchor row (11 in row 1 .. 16 in row 6).
    ZeileGZehnPlusAnkerzeile,
    // A3, gap w0, and A15, gap w2: line f adds 11.
    ZeileFElf,
    // A3, gap w1: line d tests DrohungSpieler at o and at h itself, not
    // below o.
    ZeileDAnDerLuecke,
    // A9, gap w2: line d tests DrohungComputer below o (and DrohungSpieler
    // at o).
    ZeileDComputerUnterO,
    // A14, gap w0: rule 1 also sets VerbotWeich below h when DrohungSpieler
    // below o is set, before the score is lowered.
    Regel1SpielerUnterO,
    // A17, gap w3: line k tests DrohungSpieler below o (and DrohungComputer
    // at o).
    ZeileKSpielerUnterO,
};

} // namespace steinfall::familie_a
