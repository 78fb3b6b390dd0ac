#include "ui/Rasterop.h"

namespace steinfall {

void BitBlt(QImage& ziel, const Masstab& m, double x, double y, double breite, double hoehe,
            const QImage& quelle, double qx, double qy, Rasterop op) {
    BitBlt(ziel, m.PixelX(x), m.PixelY(y), m.PixelX(breite), m.PixelY(hoehe), quelle, m.PixelX(qx),
           m.PixelY(qy), op);
}

void Kacheln(QImage& ziel, const Masstab& m, const QImage& kachel) {
    const double zielBreite = ziel.width() * m.TwipsProPixelX;
    const double zielHoehe = ziel.height() * m.TwipsProPixelY;
    const double breite = kachel.width() * m.TwipsProPixelX;
    const double hoehe = kachel.height() * m.TwipsProPixelY;
    for (double x = 0; x <= zielBreite; x += breite) {
        for (double y = 0; y <= zielHoehe; y += hoehe) {
            BitBlt(ziel, m, x, y, breite, hoehe, kachel, 0, 0, Rasterop::SrcCopy);
        }
    }
}

} // namespace steinfall
