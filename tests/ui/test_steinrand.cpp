// The stones' rim at every scale: composed on the board with the game's raster
// operations, a stone's edge shows only its own colours and the hole's shadow
// beneath it, never a light speck.

#include "ui/Bilder.h"
#include "ui/Brettbild.h"
#include "ui/Masstab.h"
#include "zeichnen/Zeichnung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace steinfall {
namespace {

// Rounding and the sampled shading's spread inside one pixel.
constexpr int Toleranz = 12;

// The board's parts of the set the game shows at `massstab`: the built one at
// 1, 2 and 3, else drawn as at start-up.
Bildsatz Brettsatz(double massstab) {
    if (massstab == std::round(massstab)) {
        return BilderLaden(QStringLiteral(STEINFALL_BILDER), static_cast<int>(massstab));
    }
    using namespace bilder;
    Bildsatz b;
    b.Faktor = massstab;
    b.Brett = BrettBild(massstab);
    b.SteinSpieler = SteinBild(AusHex(FarbeSpieler), false, massstab);
    b.SteinComputer = SteinBild(AusHex(FarbeComputer), false, massstab);
    b.SteinHervor = SteinBild(AusHex(FarbeHervor), true, massstab);
    b.SteinMaske = SteinMaske(massstab);
    b.SpalteMaske = SpaltenMaske(massstab);
    return b;
}

// The lightest the stone's own surface gets inside pixel (x, y) of its
// picture, channel by channel: a pixel on the rim mixes that with what lies
// beneath, and can be no lighter than both.
QRgb HellsteOberflaeche(int x, int y, double massstab, int spieler) {
    using namespace bilder;
    const Farbe grund = AusHex(spieler == 1   ? FarbeSpieler
                               : spieler == 2 ? FarbeComputer
                                              : FarbeHervor);
    const double mitte = Pixel(SteinGroesse, massstab) / (2.0 * massstab);
    constexpr int n = 8;
    int r = 0;
    int g = 0;
    int b = 0;
    for (int j = 0; j <= n; ++j) {
        for (int i = 0; i <= n; ++i) {
            const double dx = (x + static_cast<double>(i) / n) / massstab - mitte;
            const double dy = (y + static_cast<double>(j) / n) / massstab - mitte;
            if (std::hypot(dx, dy) < SteinRadius) {
                const QRgb p = AlsPixel(SteinSchattiert(dx, dy, grund, spieler == 3));
                r = std::max(r, qRed(p));
                g = std::max(g, qGreen(p));
                b = std::max(b, qBlue(p));
            }
        }
    }
    return qRgb(r, g, b);
}

int Helligkeit(QRgb p) {
    return (qRed(p) * 3 + qGreen(p) * 6 + qBlue(p)) / 10;
}

struct Zelle {
    int X;
    int Y;
};

// Every pixel near the disc's edge after stone `spieler` was painted at `ecke`
// over `vorher`: no brighter than the lighter of the stone's surface there and
// the board beneath. Returns the number of brighter pixels.
int HelleRandpixel(const QImage& vorher, const QImage& nachher, Zelle ecke, double massstab,
                   int spieler, int groesse) {
    const double mitte = groesse / 2.0;
    const double radius = bilder::SteinRadius * massstab;
    int helle = 0;
    for (int j = 0; j < groesse; ++j) {
        for (int i = 0; i < groesse; ++i) {
            if (std::abs(std::hypot(i + 0.5 - mitte, j + 0.5 - mitte) - radius) > 1.5) {
                continue;
            }
            const QRgb stein = HellsteOberflaeche(i, j, massstab, spieler);
            const QRgb unten = vorher.pixel(ecke.X + i, ecke.Y + j);
            const QRgb jetzt = nachher.pixel(ecke.X + i, ecke.Y + j);
            if (Helligkeit(jetzt) > std::max(Helligkeit(stein), Helligkeit(unten)) + Toleranz) {
                ++helle;
            }
        }
    }
    return helle;
}

// The light rim counted as a player sees it: pixels with every channel above
// 190 touching one with every channel below 60.
int Saumpixel(const QImage& bild) {
    const auto hell = [&](int x, int y) {
        const QRgb p = bild.pixel(x, y);
        return qRed(p) > 190 && qGreen(p) > 190 && qBlue(p) > 190;
    };
    const auto dunkel = [&](int x, int y) {
        const QRgb p = bild.pixel(x, y);
        return qRed(p) < 60 && qGreen(p) < 60 && qBlue(p) < 60;
    };
    int saum = 0;
    for (int y = 1; y + 1 < bild.height(); ++y) {
        for (int x = 1; x + 1 < bild.width(); ++x) {
            bool beruehrt = false;
            for (int j = -1; j <= 1 && !beruehrt; ++j) {
                for (int i = -1; i <= 1 && !beruehrt; ++i) {
                    beruehrt = dunkel(x + i, y + j);
                }
            }
            saum += hell(x, y) && beruehrt ? 1 : 0;
        }
    }
    return saum;
}

// Eight stones of both players, a winning line highlighted over four of them,
// and the frames of a stone falling down an empty column past the front: at
// every scale the game shows, built or drawn, no rim lighter than its stone.
TEST(Steinrand, KeinHellerSaumBeiJedemMassstab) {
    const std::vector<std::pair<int, int>> steine{{35, 1}, {36, 2}, {37, 1}, {38, 2},
                                                  {29, 1}, {30, 2}, {22, 1}, {15, 2}};
    const int linie[] = {36, 29, 22, 15};
    for (const double s : {1.0, 1.25, 1.5, 1.6, 2.0, 2.25, 2.5, 3.0, 4.5}) {
        const Bildsatz satz = Brettsatz(s);
        const Masstab m = Masstab{}.Fein(s);
        const int groesse = satz.SteinMaske.width();
        Brettbild brett(satz, m);
        brett.SteineMaskieren();
        // Within the mask a stone replaces what lay there, outside it the board
        // stays: beneath every stone and frame here lies the empty board.
        const QImage leer = brett.Bild();
        const auto pruefen = [&](int p, int spieler, const char* was) {
            const Zelle ecke{m.PixelX(brett.SteinX(p, spieler)),
                             m.PixelY(brett.SteinY(p, spieler))};
            EXPECT_EQ(HelleRandpixel(leer, brett.Bild(), ecke, s, spieler, groesse), 0)
                << was << ", Maßstab " << s << ", Zelle " << p << ", Stein " << spieler;
        };
        for (const auto& [p, spieler] : steine) {
            brett.SteinSetzen(p, spieler);
            pruefen(p, spieler, "liegend");
        }
        EXPECT_EQ(Saumpixel(brett.Bild()), 0) << "acht Steine, Maßstab " << s;
        for (const int p : linie) {
            brett.SteinSetzen(p, 3);
            pruefen(p, 3, "hervorgehoben");
        }
        EXPECT_EQ(Saumpixel(brett.Bild()), 0) << "Gewinnreihe, Maßstab " << s;

        // Down column 6 in the game's steps of 450 twips, into the bottom row.
        const double x = brett.SteinX(41, 1);
        for (double y = 0; y <= brett.SteinY(41, 1); y += 450) {
            brett.HintergrundSichern(x, y);
            brett.FallbildMalen(x, y, 2);
            const Zelle ecke{m.PixelX(x), m.PixelY(y)};
            EXPECT_EQ(HelleRandpixel(leer, brett.Bild(), ecke, s, 2, groesse), 0)
                << "fallend, Maßstab " << s << ", y " << y;
            brett.HintergrundZurueck(x, y);
        }
    }
}

} // namespace
} // namespace steinfall
