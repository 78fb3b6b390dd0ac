// 9h, the fallback choice (docs/computerspieler.md, "Die Notfallwahl"): whole
// columns judged by their worst marker, scores ignored.

#include "ai/Schritte.h"

#include <array>
#include <initializer_list>

namespace steinfall {

namespace {

// Column weights of the danger ladder ("Gefahrenleiter" in
// docs/computerspieler.md): each marker grade doubles the one below it.
constexpr int GewichtVoll = 32;
constexpr int GewichtVerbotHart = 16;
constexpr int GewichtVerbotWeich = 8;
constexpr int GewichtMeiden = 4;
constexpr int GewichtMeidenLeicht = 2;
constexpr int Markenstufen[] = {GewichtVerbotHart, GewichtVerbotWeich, GewichtMeiden,
                                GewichtMeidenLeicht};

// The threshold starts at the sum of the marker weights and loses each weight
// that some column stays below: it ends at the sum of the weights up to the
// lowest column weight, which no heavier column reaches.
constexpr int SchwelleAnfang =
    GewichtVerbotHart + GewichtVerbotWeich + GewichtMeiden + GewichtMeidenLeicht; // 30
// Where it ends when the lowest column weight is that of VerbotWeich.
constexpr int SchwelleBeiVerbotWeich = GewichtVerbotWeich + GewichtMeiden + GewichtMeidenLeicht;

// Index of Freizahl's extra element, the smallest count, which starts at a
// whole column's free cells.
constexpr int Kleinste = AnzahlSpalten + 1;

// The random priority of an eligible column: 100 + integer part of 100x.
constexpr double Zufallsspanne = 100.0;
constexpr int Zufallsboden = 100;

void Anheben(Zahl16& gefahr, bool markiert, int gewicht) {
    if (markiert && gefahr < gewicht) {
        gefahr = gewicht;
    }
}

} // namespace

Zahl16 NotfallWahl(Analyse& a) {
    const Spielstand& stand = *a.Stand;
    auto istVoll = [&](int spalte) { return stand.SpaltenStatus[spalte - 1] == SpalteVoll; };

    std::array<Zahl16, AnzahlSpalten + 1> gefahr{}; // index 1..7
    std::array<Zahl16, Kleinste + 1> freizahl{};    // index 1..7 per column
    freizahl[Kleinste] = AnzahlZeilen;
    Zahl16 schwelle = SchwelleAnfang;
    a.Zufall->Saeen();

    // A column weighs as much as the worst marker anywhere in it.
    for (int zeile = 1; zeile <= AnzahlZeilen; ++zeile) {
        for (int c = 1; c <= AnzahlSpalten; ++c) {
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
        for (int c = 1; c <= AnzahlSpalten; ++c) {
            n += gefahr[c] > grenze ? 1 : 0;
        }
        return n;
    };
    for (const int stufe : Markenstufen) {
        if (anzahlUeber(stufe - 1) < AnzahlSpalten) {
            schwelle -= stufe;
        }
    }

    // Every column at least at VerbotWeich, some below VerbotHart: prefer a
    // column with an odd number of free cells under the human's threats.
    if (schwelle == SchwelleBeiVerbotWeich) {
        for (int c = 1; c <= AnzahlSpalten; ++c) {
            if (gefahr[c] != GewichtVerbotWeich) {
                continue;
            }
            for (int zeile = 1; zeile <= AnzahlZeilen; ++zeile) {
                if (a.Arbeitsfeld(zeile, c) != 0) {
                    break;
                }
                ++freizahl[c];
                if (a.DrohungSpieler(zeile, c) == 0 && a.DrohungSpieler(zeile + 1, c) == 0) {
                    freizahl[c] = 0;
                    break;
                }
            }
            if (freizahl[c] % 2 == 0) { // only odd counts stay
                freizahl[c] = 0;
            }
        }
        for (int c = 1; c <= AnzahlSpalten; ++c) {
            if (freizahl[c] != 0 && freizahl[c] < freizahl[Kleinste]) {
                freizahl[Kleinste] = freizahl[c];
            }
        }
        if (freizahl[Kleinste] < AnzahlZeilen) {
            // The column where the smallest odd count was first found.
            for (int c = 1; c <= AnzahlSpalten; ++c) {
                if (freizahl[c] == freizahl[Kleinste]) {
                    return SpaltencodeVon(c);
                }
            }
        }
    }

    // A random priority for every non-full column at the lowest weight.
    for (int c = 1; c <= AnzahlSpalten; ++c) {
        if (gefahr[c] > schwelle || istVoll(c)) {
            gefahr[c] = 0;
        } else {
            gefahr[c] = static_cast<int>(Zufallsspanne * a.Zufall->Ziehen()) + Zufallsboden;
        }
    }

    int gewaehlt = 0;
    Zahl16 hoechste = 0;
    for (int c = 1; c <= AnzahlSpalten; ++c) {
        if (gefahr[c] > hoechste) { // ties keep the lower column
            hoechste = gefahr[c];
            gewaehlt = c;
        }
    }
    return gewaehlt == 0 ? Zahl16(0) : Zahl16(SpaltencodeVon(gewaehlt));
}

} // namespace steinfall
