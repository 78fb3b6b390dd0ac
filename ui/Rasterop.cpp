#include "ui/Rasterop.h"

#include <QPainter>

namespace steinfall {

void BitBlt(QImage& ziel, const Masstab& m, double x, double y, double breite, double hoehe,
            const QImage& quelle, double qx, double qy, Rasterop op) {
    BitBlt(ziel, m.PixelX(x), m.PixelY(y), m.PixelX(breite), m.PixelY(hoehe), quelle, m.PixelX(qx),
           m.PixelY(qy), op);
}

std::vector<QRect> Kachelorte(QSize ziel, const Masstab& m, QSize kachel) {
    const double zielBreite = ziel.width() * m.TwipsProPixelX;
    const double zielHoehe = ziel.height() * m.TwipsProPixelY;
    const double breite = kachel.width() * m.TwipsProPixelX;
    const double hoehe = kachel.height() * m.TwipsProPixelY;
    std::vector<QRect> orte;
    for (double x = 0; x <= zielBreite; x += breite) {
        for (double y = 0; y <= zielHoehe; y += hoehe) {
            // Each value converted on its own, as BitBlt does.
            orte.emplace_back(m.PixelX(x), m.PixelY(y), m.PixelX(breite), m.PixelY(hoehe));
        }
    }
    return orte;
}

void Kacheln(QImage& ziel, const Masstab& m, const QImage& kachel) {
    for (const QRect& ort : Kachelorte(ziel.size(), m, kachel.size())) {
        BitBlt(ziel, ort.x(), ort.y(), ort.width(), ort.height(), kachel, 0, 0, Rasterop::SrcCopy);
    }
}

void KachelnMalen(QPainter& maler, const Masstab& m, QSize ziel, const QImage& kachel) {
    maler.save();
    maler.setCompositionMode(QPainter::CompositionMode_Source);
    for (const QRect& ort : Kachelorte(ziel, m, kachel.size())) {
        maler.drawImage(ort.topLeft(), kachel, QRect(QPoint(0, 0), ort.size()));
    }
    maler.restore();
}

} // namespace steinfall
