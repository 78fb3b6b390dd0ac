#include "Bilder.h"

#include <algorithm>
#include <cmath>

namespace steinfall::bilder {

namespace {

// The hole's drawn edge lies a little outside the pixels counted as hole, so
// its anti-aliasing falls on the front face and a falling stone, painted only
// into the hole pixels, never cuts the smooth rim.
constexpr double RandRadius = LochRadius + 0.7;
constexpr double FaseBreite = 2.4;
constexpr double EckRadius = 9.0;
constexpr double KanteBreite = 3.5;
constexpr int Proben = 5;

// Light falls from the upper left.
constexpr double LichtX = -0.7071;
constexpr double LichtY = -0.7071;

const Farbe FrontOben = AusHex(0x3069DA);
const Farbe FrontUnten = AusHex(0x1B45A4);

// Signed distance to the board's rounded outline, negative inside.
double AbstandRand(double x, double y, double& nx, double& ny) {
    const double hx = BrettBreite / 2.0 - EckRadius;
    const double hy = BrettHoehe / 2.0 - EckRadius;
    const double qx = std::abs(x - BrettBreite / 2.0) - hx;
    const double qy = std::abs(y - BrettHoehe / 2.0) - hy;
    const double sx = x < BrettBreite / 2.0 ? -1 : 1;
    const double sy = y < BrettHoehe / 2.0 ? -1 : 1;
    if (qx > 0 && qy > 0) {
        const double l = std::hypot(qx, qy);
        nx = sx * qx / l;
        ny = sy * qy / l;
        return l - EckRadius;
    }
    if (qx > qy) {
        nx = sx;
        ny = 0;
    } else {
        nx = 0;
        ny = sy;
    }
    return std::max(qx, qy) - EckRadius;
}

Farbe Front(double x, double y) {
    Farbe f = Mischen(FrontOben, FrontUnten, y / BrettHoehe);
    // A faint sheen across the upper part, as on glossy plastic.
    const double glanz = 0.10 * Glatt(0, 1, 1 - std::abs((x * 0.35 + y) - 70) / 90);
    return Mischen(f, AusHex(0xFFFFFF), glanz);
}

// One sample of the board outside the hole pixels.
Farbe Probe(double x, double y) {
    double nx = 0;
    double ny = 0;
    const double rand = AbstandRand(x, y, nx, ny);
    if (rand > 0) {
        return AusHex(Umgebung);
    }

    const int spalte = std::clamp(static_cast<int>(std::lround((x - 40) / 60)), 0, 6);
    const int zeile = std::clamp(static_cast<int>(std::lround((y - 35) / 55)), 0, 5);
    const double dx = x - (SteinX(spalte) + SteinMitte);
    const double dy = y - (SteinY(zeile) + SteinMitte);
    const double d = std::hypot(dx, dy);
    if (d < RandRadius) {
        return Innenraum(dx, dy);
    }

    Farbe f = Front(x, y);
    if (d < RandRadius + FaseBreite) {
        // The bevel slopes into the hole: its lower right catches the light.
        const double zurMitteX = -dx / d;
        const double zurMitteY = -dy / d;
        const double licht = zurMitteX * LichtX + zurMitteY * LichtY;
        const double tiefe = 1 - (d - RandRadius) / FaseBreite;
        f = licht > 0 ? Mischen(f, AusHex(0xC8DCFF), 0.55 * licht * (0.6 + 0.4 * tiefe))
                      : Mischen(f, AusHex(0x081640), -0.65 * licht * (0.5 + 0.5 * tiefe));
        f = Mischen(f, AusHex(0x0A1A48), 0.25 * tiefe * tiefe);
    }
    if (rand > -KanteBreite) {
        // The raised outer edge: lit at the top and left.
        const double licht = nx * LichtX + ny * LichtY;
        const double t = 1 + rand / KanteBreite;
        f = licht > 0 ? Mischen(f, AusHex(0xD0E0FF), 0.5 * licht * t)
                      : Mischen(f, AusHex(0x06123A), -0.6 * licht * t);
    }
    return f;
}

} // namespace

bool ImLoch(int x, int y, int faktor) {
    return std::hypot((x + 0.5) / faktor - SteinMitte, (y + 0.5) / faktor - SteinMitte) <
           LochRadius;
}

Farbe Innenraum(double dx, double dy) {
    // The back wall, in the front's shadow towards the upper left.
    const double beleuchtet =
        Glatt(RandRadius + 0.5, RandRadius - 4.5, std::hypot(dx - 3.5, dy - 3.5));
    const Farbe schatten = AusHex(0x040A1E);
    const Farbe wand =
        Mischen(AusHex(0x142C66), AusHex(0x0E2051), (dy + RandRadius) / (2 * RandRadius));
    return Mischen(schatten, wand, beleuchtet);
}

QImage BrettBild(int faktor) {
    const int f = faktor;
    QImage bild = NeuesBild(BrettBreite * f, BrettHoehe * f);
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            const int spalte = std::clamp((x - (SteinX(0) - 10) * f) / (60 * f), 0, 6);
            const int zeile = std::clamp((y - (SteinY(0) - 7) * f) / (55 * f), 0, 5);
            const int lx = x - SteinX(spalte) * f;
            const int ly = y - SteinY(zeile) * f;
            if (lx >= 0 && lx < SteinGroesse * f && ly >= 0 && ly < SteinGroesse * f &&
                ImLoch(lx, ly, f)) {
                bild.setPixel(
                    x, y,
                    AlsPixel(Innenraum((lx + 0.5) / f - SteinMitte, (ly + 0.5) / f - SteinMitte)));
                continue;
            }
            Farbe summe;
            for (int j = 0; j < Proben; ++j) {
                for (int i = 0; i < Proben; ++i) {
                    summe =
                        summe + Probe((x + (i + 0.5) / Proben) / f, (y + (j + 0.5) / Proben) / f);
                }
            }
            bild.setPixel(x, y, AlsPixel(summe * (1.0 / (Proben * Proben))));
        }
    }
    return bild;
}

QImage SpaltenMaske(int faktor) {
    const int f = faktor;
    QImage maske = NeuesBild(SteinGroesse * f, SpaltenHoehe * f, Schwarz);
    for (int zeile = 0; zeile < 6; ++zeile) {
        for (int ly = 0; ly < SteinGroesse * f; ++ly) {
            for (int x = 0; x < SteinGroesse * f; ++x) {
                if (ImLoch(x, ly, f)) {
                    maske.setPixel(x, SteinY(zeile) * f + ly, Weiss);
                }
            }
        }
    }
    return maske;
}

} // namespace steinfall::bilder
