#pragma once

#include <QRect>

#include <cmath>

class QScreen;

namespace steinfall {

// Geometry is kept in twips and becomes pixels only when painted: each
// coordinate and size is divided by the screen's twips per pixel and rounded
// to the nearest pixel, halves to even.
struct Masstab {
    double TwipsProPixelX = 15.0;
    double TwipsProPixelY = 15.0;

    int PixelX(double twips) const {
        return static_cast<int>(std::nearbyint(twips / TwipsProPixelX));
    }
    int PixelY(double twips) const {
        return static_cast<int>(std::nearbyint(twips / TwipsProPixelY));
    }
    QRect Rechteck(double links, double oben, double breite, double hoehe) const {
        return {PixelX(links), PixelY(oben), PixelX(breite), PixelY(hoehe)};
    }

    // The scale of pictures composed at `faktor` device pixels per logical
    // pixel: the same twips land on `faktor` times as many pixels.
    Masstab Fein(int faktor) const { return {TwipsProPixelX / faktor, TwipsProPixelY / faktor}; }

    // 1440 twips to the inch over the screen's logical resolution.
    static Masstab VomBildschirm(const QScreen& bildschirm);
};

} // namespace steinfall
