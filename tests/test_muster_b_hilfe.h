#pragma once

// For the family B tests: positions on one line, top row first
// ("...C...|..CC...|...", 'C' computer = 1, 'S' human = 2), and a readable
// record of every array a pass may write.

#include "ai/family_b/Durchgaenge.h"
#include "ai/family_b/MusterB.h"
#include "tests/Stellungen.h"

#include <string>

namespace steinfall::test {

inline constexpr int Computer = 1; // CodeComputer, also CodeEigen
inline constexpr int Mensch = 2;   // CodeSpieler

inline std::unique_ptr<Testanalyse> Aus(const std::string& bild) {
    std::array<std::string, 6> zeilen;
    for (int z = 0; z < 6; ++z) {
        zeilen[z] = bild.substr(z * 8, 7);
    }
    return AnalyseAus(zeilen);
}

// The same position with the sides swapped, for the human side's run.
inline std::string Getauscht(std::string bild) {
    for (char& c : bild) {
        c = c == 'C' ? 'S' : c == 'S' ? 'C' : c;
    }
    return bild;
}

template <int E, int L> std::string Belegung(const char* name, const Analysefeld<E, L>& feld) {
    std::string text;
    for (int z = E; z <= L; ++z) {
        for (int s = 1; s <= AnzahlSpalten; ++s) {
            if (feld(z, s) != 0) {
                text += " (" + std::to_string(z) + "," + std::to_string(s) +
                        ")=" + std::to_string(static_cast<int>(feld(z, s)));
            }
        }
    }
    return text.empty() ? "" : name + text + "; ";
}

// Every non-zero cell of the arrays family B writes, e.g.
// "WertComputer (3,1)=-11; Meiden (3,1)=1;": a test sees unexpected writes too.
inline std::string Spur(const Analyse& a) {
    const std::string text = Belegung("WertComputer", a.WertComputer) +
                             Belegung("WertSpieler", a.WertSpieler) +
                             Belegung("VerbotWeich", a.VerbotWeich) + Belegung("Meiden", a.Meiden) +
                             Belegung("MeidenLeicht", a.MeidenLeicht);
    return text.empty() ? text : text.substr(0, text.size() - 1);
}

// Runs one pass for `seite` on the position, after `vorher` has set up the
// arrays it reads, and returns the record.
template <typename Pass, typename Vorher = void (*)(Analyse&)>
std::string Spur(
    const std::string& bild, int seite, Pass&& pass, Vorher&& vorher = [](Analyse&) {}) {
    auto t = Aus(bild);
    vorher(t->A);
    pass(t->A, seite);
    return Spur(t->A);
}

// The single-rule pass with that number.
inline auto Einfach(int nummer) {
    return [nummer](Analyse& a, Zahl16 s) { familie_b::EinfacheMuster(a, s, nummer, nummer); };
}

} // namespace steinfall::test
