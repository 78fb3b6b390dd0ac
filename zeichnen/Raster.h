#pragma once

#include "core/Zufall.h"

#include <QImage>

#include <cstdint>
#include <vector>

namespace steinfall::bilder {

// Colours are worked in doubles (0..1 per channel) and rounded once at the end.
struct Farbe {
    double r = 0;
    double g = 0;
    double b = 0;
};

inline Farbe operator+(Farbe a, Farbe b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
inline Farbe operator*(Farbe a, double f) {
    return {a.r * f, a.g * f, a.b * f};
}
inline Farbe operator*(Farbe a, Farbe b) {
    return {a.r * b.r, a.g * b.g, a.b * b.b};
}
inline Farbe Mischen(Farbe a, Farbe b, double t) {
    return a * (1 - t) + b * t;
}

Farbe AusHex(std::uint32_t rgb);
Farbe AusPixel(QRgb pixel);
QRgb AlsPixel(Farbe f);

inline constexpr QRgb Weiss = 0xFFFFFFFF;
inline constexpr QRgb Schwarz = 0xFF000000;

// Smooth step from 0 at e0 to 1 at e1.
double Glatt(double e0, double e1, double x);

// An opaque picture filled with one colour, in the format the game paints with.
QImage NeuesBild(int breite, int hoehe, QRgb fuellung = Weiss);

// The noise of the pictures and sounds comes from SplitMix64, so that it
// comes out the same each run.
class Zufallsfolge : public SplitMix64 {
public:
    using SplitMix64::Gleich;
    using SplitMix64::SplitMix64;
    double Gleich(double a, double b) { return a + (b - a) * Gleich(); }
    double Vorzeichen() { return 2 * Gleich() - 1; } // [-1, 1)
};

// Smooth value noise that repeats after breite x hoehe pixels: the lattice has
// knotenX x knotenY points and wraps around, so a picture filled with it tiles
// without a seam.
class KachelRauschen {
public:
    KachelRauschen(int knotenX, int knotenY, double breite, double hoehe, Zufallsfolge& zufall);
    double Wert(double x, double y) const; // about -1..1

private:
    int knotenX_;
    int knotenY_;
    double breite_;
    double hoehe_;
    std::vector<double> knoten_;
};

// Coverage of a pixel by a shape, from n x n sample points.
template <typename Innen> double Deckung(int px, int py, int n, Innen innen) {
    int treffer = 0;
    for (int j = 0; j < n; ++j) {
        for (int i = 0; i < n; ++i) {
            if (innen(px + (i + 0.5) / n, py + (j + 0.5) / n)) {
                ++treffer;
            }
        }
    }
    return static_cast<double>(treffer) / (n * n);
}

} // namespace steinfall::bilder
