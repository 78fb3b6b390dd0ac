#pragma once

#include "core/Geometrie.h"

#include <QRect>
#include <QSize>

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
    QRect Rechteck(const geometrie::Ort& ort) const {
        return Rechteck(ort.Links, ort.Oben, ort.Breite, ort.Hoehe);
    }

    // The same twips on `faktor` times as many pixels: the game area scaled
    // to the screen, or pictures composed at a finer resolution.
    Masstab Fein(double faktor) const { return {TwipsProPixelX / faktor, TwipsProPixelY / faktor}; }

    // 1440 twips to the inch over the screen's logical resolution.
    static Masstab VomBildschirm(const QScreen& bildschirm);

    // The largest scale at which the whole designed game area fits `flaeche`
    // (logical pixels), below 1 on a screen smaller than the area.
    static double Fuellfaktor(QSize flaeche);
};

} // namespace steinfall
