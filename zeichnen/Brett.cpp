#include "zeichnen/Zeichnung.h"

#include <algorithm>
#include <array>
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

// The hole centres of a picture drawn at `massstab`, in game pixels: where
// the game's stones land, which at a fractional scale is a little off the
// exact multiple.
struct Mitten {
    std::array<double, geometrie::Spalten> x{};
    std::array<double, geometrie::Zeilen> y{};
};

Mitten LochMitten(double massstab) {
    const double halb = Pixel(SteinGroesse, massstab) / 2.0;
    Mitten m;
    for (int s = 0; s < geometrie::Spalten; ++s) {
        m.x[s] = (SteinXPixel(s, massstab) + halb) / massstab;
    }
    for (int z = 0; z < geometrie::Zeilen; ++z) {
        m.y[z] = (SteinYPixel(z, massstab) + halb) / massstab;
    }
    return m;
}

// The column and row of the hole nearest to a point, in game pixels.
int NaechsteSpalte(double x) {
    constexpr int mitte = SteinX(0) + SteinGroesse / 2;
    constexpr int abstand = SteinX(1) - SteinX(0);
    return std::clamp(static_cast<int>(std::lround((x - mitte) / abstand)), 0,
                      geometrie::Spalten - 1);
}
int NaechsteZeile(double y) {
    constexpr int mitte = SteinY(0) + SteinGroesse / 2;
    constexpr int abstand = SteinY(1) - SteinY(0);
    return std::clamp(static_cast<int>(std::lround((y - mitte) / abstand)), 0,
                      geometrie::Zeilen - 1);
}

// One sample of the board outside the hole pixels.
Farbe Probe(double x, double y, const Mitten& mitten) {
    double nx = 0;
    double ny = 0;
    const double rand = AbstandRand(x, y, nx, ny);
    if (rand > 0) {
        return AusHex(Umgebung);
    }

    const int spalte = NaechsteSpalte(x);
    const int zeile = NaechsteZeile(y);
    const double dx = x - mitten.x[spalte];
    const double dy = y - mitten.y[zeile];
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

// Whether pixel (x, y) of a picture drawn at `massstab` lies wholly on the
// plain front, away from every edge, where one sample in its middle gives
// what many would.
bool AufDerFront(int x, int y, double massstab, const Mitten& mitten) {
    const double px = (x + 0.5) / massstab;
    const double py = (y + 0.5) / massstab;
    const double abstand = 1.5 / massstab;
    double nx = 0;
    double ny = 0;
    if (AbstandRand(px, py, nx, ny) > -KanteBreite - abstand) {
        return false;
    }
    const int spalte = NaechsteSpalte(px);
    const int zeile = NaechsteZeile(py);
    return std::hypot(px - mitten.x[spalte], py - mitten.y[zeile]) >
           RandRadius + FaseBreite + abstand;
}

} // namespace

bool ImLoch(int x, int y, double massstab) {
    const double mitte = Pixel(SteinGroesse, massstab) / (2.0 * massstab);
    return std::hypot((x + 0.5) / massstab - mitte, (y + 0.5) / massstab - mitte) < LochRadius;
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

QImage BrettBild(double massstab) {
    const double f = massstab;
    const int stein = Pixel(SteinGroesse, f);
    const double mitte = stein / (2.0 * f);
    const Mitten mitten = LochMitten(f);
    std::array<int, geometrie::Spalten> links{};
    std::array<int, geometrie::Zeilen> oben{};
    for (int s = 0; s < geometrie::Spalten; ++s) {
        links[s] = SteinXPixel(s, f);
    }
    for (int z = 0; z < geometrie::Zeilen; ++z) {
        oben[z] = SteinYPixel(z, f);
    }
    // Each pixel belongs to the column and row whose band it lies in: a
    // column's band starts half a margin (10 game pixels) left of its stone,
    // a row's 7 above.
    const int randSpalte = Pixel(geometrie::EntwurfPixel(geometrie::SpaltenRand), f);
    const int randZeile = Pixel(7, f);
    const int proben = ProbenJePixel(Proben, f);
    QImage bild = NeuesBild(Pixel(BrettBreite, f), Pixel(BrettHoehe, f));
    for (int y = 0; y < bild.height(); ++y) {
        int zeile = 0;
        while (zeile < geometrie::Zeilen - 1 && y >= oben[zeile + 1] - randZeile) {
            ++zeile;
        }
        for (int x = 0; x < bild.width(); ++x) {
            int spalte = 0;
            while (spalte < geometrie::Spalten - 1 && x >= links[spalte + 1] - randSpalte) {
                ++spalte;
            }
            const int lx = x - links[spalte];
            const int ly = y - oben[zeile];
            if (lx >= 0 && lx < stein && ly >= 0 && ly < stein && ImLoch(lx, ly, f)) {
                bild.setPixel(x, y,
                              AlsPixel(Innenraum((lx + 0.5) / f - mitte, (ly + 0.5) / f - mitte)));
                continue;
            }
            if (proben != Proben && AufDerFront(x, y, f, mitten)) {
                bild.setPixel(x, y, AlsPixel(Front((x + 0.5) / f, (y + 0.5) / f)));
                continue;
            }
            Farbe summe;
            for (int j = 0; j < proben; ++j) {
                for (int i = 0; i < proben; ++i) {
                    summe = summe + Probe((x + (i + 0.5) / proben) / f,
                                          (y + (j + 0.5) / proben) / f, mitten);
                }
            }
            bild.setPixel(x, y, AlsPixel(summe * (1.0 / (proben * proben))));
        }
    }
    return bild;
}

QImage SpaltenMaske(double massstab) {
    const int stein = Pixel(SteinGroesse, massstab);
    QImage maske = NeuesBild(stein, Pixel(SpaltenHoehe, massstab), Schwarz);
    for (int zeile = 0; zeile < geometrie::Zeilen; ++zeile) {
        const int oben = SteinYPixel(zeile, massstab);
        for (int ly = 0; ly < stein; ++ly) {
            for (int x = 0; x < stein; ++x) {
                if (ImLoch(x, ly, massstab) && oben + ly < maske.height()) {
                    maske.setPixel(x, oben + ly, Weiss);
                }
            }
        }
    }
    return maske;
}

} // namespace steinfall::bilder
