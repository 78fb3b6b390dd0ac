#include "zeichnen/Zeichnung.h"

#include <algorithm>
#include <cmath>

namespace steinfall::bilder {

namespace {

constexpr int Proben = 6;

// The picture and its mask sample each pixel at the same points, so that the
// mask covers exactly the pixels the picture colours. A pixel that only a
// finer mask touched would stay white in the picture and show as a light
// speck on the hole's dark rim.
int SteinProben(double massstab) {
    return ProbenJePixel(Proben, massstab);
}

// Height of the stone's surface at distance r from its centre: a low dome with
// a ring groove and a rounded rim.
double Hoehe(double r) {
    const double kuppel = 1.2 * (1 - (r / SteinRadius) * (r / SteinRadius));
    const double rille = 0.9 * std::exp(-((r - 12.0) / 1.2) * ((r - 12.0) / 1.2));
    const double kante = SteinRadius - 4.5;
    double rand = 0;
    if (r > kante) {
        const double u = std::min(r - kante, 4.5);
        rand = 4.5 - std::sqrt(4.5 * 4.5 - u * u);
    }
    return kuppel - rille - rand;
}

} // namespace

Farbe SteinSchattiert(double dx, double dy, Farbe grund, bool leuchtend, double massstab) {
    const double r = std::max(std::hypot(dx, dy) * massstab, 1e-6);
    const double steigung = std::clamp((Hoehe(r + 0.01) - Hoehe(r - 0.01)) / 0.02, -3.5, 3.5);
    double nx = -steigung * dx * massstab / r;
    double ny = -steigung * dy * massstab / r;
    double nz = 1;
    const double nl = std::sqrt(nx * nx + ny * ny + nz * nz);
    nx /= nl;
    ny /= nl;
    nz /= nl;

    // Light from the upper left and in front; the viewer straight in front.
    const double lx = -0.45;
    const double ly = -0.54;
    const double lz = 0.71;
    const double diffus = std::max(0.0, nx * lx + ny * ly + nz * lz);
    const double hx = lx;
    const double hy = ly;
    const double hz = lz + 1;
    const double hl = std::sqrt(hx * hx + hy * hy + hz * hz);
    const double glanz = std::pow(std::max(0.0, (nx * hx + ny * hy + nz * hz) / hl), 70);

    const double umgebung = leuchtend ? 0.62 : 0.38;
    Farbe f = grund * (umgebung + (leuchtend ? 0.50 : 0.78) * diffus);
    if (leuchtend) {
        // Glowing from the middle outwards.
        const double kern = 1 - r / SteinRadius;
        f = Mischen(f, AusHex(0xFFFFFF), 0.55 * kern * kern);
    }
    return Mischen(f, AusHex(0xFFFFFF), std::min(1.0, 0.85 * glanz));
}

QImage SteinBild(Farbe grund, bool leuchtend, double massstab) {
    const double f = massstab;
    const int groesse = Pixel(SteinGroesse, f);
    const double mitte = groesse / (2.0 * f);
    const int proben = SteinProben(f);
    QImage bild = NeuesBild(groesse, groesse);
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            Farbe summe;
            int treffer = 0;
            for (int j = 0; j < proben; ++j) {
                for (int i = 0; i < proben; ++i) {
                    const double dx = (x + (i + 0.5) / proben) / f - mitte;
                    const double dy = (y + (j + 0.5) / proben) / f - mitte;
                    if (std::hypot(dx, dy) < SteinRadius) {
                        summe = summe + SteinSchattiert(dx, dy, grund, leuchtend);
                        ++treffer;
                    } else {
                        // The edge blends into what is always behind it: the
                        // board's inside, seen through the hole.
                        summe = summe + Innenraum(dx, dy);
                    }
                }
            }
            if (treffer > 0) {
                bild.setPixel(x, y, AlsPixel(summe * (1.0 / (proben * proben))));
            }
        }
    }
    return bild;
}

QImage SteinMaske(double massstab) {
    const double f = massstab;
    const int groesse = Pixel(SteinGroesse, f);
    const double mitte = groesse / (2.0 * f);
    const int proben = SteinProben(f);
    QImage maske = NeuesBild(groesse, groesse);
    for (int y = 0; y < maske.height(); ++y) {
        for (int x = 0; x < maske.width(); ++x) {
            const bool beruehrt =
                Deckung(x, y, proben, [f, mitte](double px, double py) {
                    return std::hypot(px / f - mitte, py / f - mitte) < SteinRadius;
                }) > 0;
            if (beruehrt) {
                maske.setPixel(x, y, Schwarz);
            }
        }
    }
    return maske;
}

} // namespace steinfall::bilder
