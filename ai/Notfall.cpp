#include "ai/Schritte.h"

#include <array>
#include <initializer_list>

namespace steinfall {

namespace {

// Column weights of the danger ladder.
constexpr int GewichtVoll = 32;
constexpr int GewichtVerbotHart = 16;
constexpr int GewichtVerbotWeich = 8;
constexpr int GewichtMeiden = 4;
constexpr int GewichtMeidenLeicht = 2;

void Anheben(Zahl16& gefahr, bool markiert, int gewicht) {
    if (markiert && gefahr < gewicht) {
        gefahr = gewicht;
    }
}

} // namespace

Zahl16 NotfallWahl(Analyse& a) {
    const Spielstand& stand = *a.Stand;
    auto istVoll = [&](int spalte) { return stand.SpaltenStatus[spalte - 1] == SpalteVoll; };

    std::array<Zahl16, 8> gefahr{};   // index 1..7
    std::array<Zahl16, 9> freizahl{}; // index 1..7 per column, 8 the smallest
    freizahl[8] = 6;
    Zahl16 schwelle = 30;
    a.Zufall->Saeen();

    // A column weighs as much as the worst marker anywhere in it.
    for (int zeile = 1; zeile <= 6; ++zeile) {
        for (int c = 1; c <= 7; ++c) {
            if (istVoll(c)) {
                gefahr[c] = GewichtVoll;
            }
            Anheben(gefahr[c], a.VerbotHart(zeile, c) > 0, GewichtVerbotHart);
            Anheben(gefahr[c], a.VerbotWeich(zeile, c) > 0, GewichtVerbotWeich);
            Anheben(gefahr[c], a.Meiden(zeile, c) > 0, GewichtMeiden);
            Anheben(gefahr[c], a.MeidenLeicht(zeile, c) > 0, GewichtMeidenLeicht);
        }
    }

    // The threshold ends just below the lowest weight any column has.
    auto anzahlUeber = [&](int grenze) {
        int n = 0;
        for (int c = 1; c <= 7; ++c) {
            n += gefahr[c] > grenze ? 1 : 0;
        }
        return n;
    };
    for (const int stufe : {16, 8, 4, 2}) {
        if (anzahlUeber(stufe - 1) < 7) {
            schwelle -= stufe;
        }
    }

    // Every column at least at VerbotWeich, some below VerbotHart: prefer a
    // column with an odd number of free cells under the human's threats.
    if (schwelle == 14) {
        for (int c = 1; c <= 7; ++c) {
            if (gefahr[c] != GewichtVerbotWeich) {
                continue;
            }
            for (int zeile = 1; zeile <= 6; ++zeile) {
                if (a.Arbeitsfeld(zeile, c) != 0) {
                    break;
                }
                ++freizahl[c];
                if (a.DrohungSpieler(zeile, c) == 0 && a.DrohungSpieler(zeile + 1, c) == 0) {
                    freizahl[c] = 0;
                    break;
                }
            }
            if (freizahl[c] == 2 || freizahl[c] == 4 || freizahl[c] == 6) {
                freizahl[c] = 0;
            }
        }
        for (int c = 1; c <= 7; ++c) {
            if (freizahl[c] != 0 && freizahl[c] < freizahl[8]) {
                freizahl[8] = freizahl[c];
            }
        }
        if (freizahl[8] < 6) {
            // The column where the smallest odd count was first found.
            for (int c = 1; c <= 7; ++c) {
                if (freizahl[c] == freizahl[8]) {
                    return SpaltencodeVon(c);
                }
            }
        }
    }

    // A random priority for every non-full column at the lowest weight.
    for (int c = 1; c <= 7; ++c) {
        if (gefahr[c] > schwelle || istVoll(c)) {
            gefahr[c] = 0;
        } else {
            gefahr[c] = static_cast<int>(100.0 * a.Zufall->Ziehen()) + 100;
        }
    }

    int gewaehlt = 0;
    Zahl16 hoechste = 0;
    for (int c = 1; c <= 7; ++c) {
        if (gefahr[c] > hoechste) { // ties keep the lower column
            hoechste = gefahr[c];
            gewaehlt = c;
        }
    }
    return gewaehlt == 0 ? Zahl16(0) : Zahl16(SpaltencodeVon(gewaehlt));
}

} // namespace steinfall
