#include "zeichnen/Raster.h"

#include <algorithm>
#include <cmath>

namespace steinfall::bilder {

Farbe AusHex(std::uint32_t rgb) {
    return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0};
}

Farbe AusPixel(QRgb pixel) {
    return AusHex(pixel & 0xFFFFFF);
}

QRgb AlsPixel(Farbe f) {
    auto kanal = [](double v) {
        return static_cast<int>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
    };
    return qRgb(kanal(f.r), kanal(f.g), kanal(f.b));
}

double Glatt(double e0, double e1, double x) {
    const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

QImage NeuesBild(int breite, int hoehe, QRgb fuellung) {
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(fuellung);
    return bild;
}

KachelRauschen::KachelRauschen(int knotenX, int knotenY, double breite, double hoehe,
                               Zufallsfolge& zufall)
    : knotenX_(knotenX), knotenY_(knotenY), breite_(breite), hoehe_(hoehe),
      knoten_(static_cast<std::size_t>(knotenX * knotenY)) {
    for (double& k : knoten_) {
        k = zufall.Vorzeichen();
    }
}

double KachelRauschen::Wert(double x, double y) const {
    const double u = x / breite_ * knotenX_;
    const double v = y / hoehe_ * knotenY_;
    const double fu = std::floor(u);
    const double fv = std::floor(v);
    const double tu = Glatt(0, 1, u - fu);
    const double tv = Glatt(0, 1, v - fv);
    auto knoten = [this](long i, long j) {
        const long ii = ((i % knotenX_) + knotenX_) % knotenX_;
        const long jj = ((j % knotenY_) + knotenY_) % knotenY_;
        return knoten_[static_cast<std::size_t>(jj * knotenX_ + ii)];
    };
    const long i = static_cast<long>(fu);
    const long j = static_cast<long>(fv);
    const double oben = knoten(i, j) * (1 - tu) + knoten(i + 1, j) * tu;
    const double unten = knoten(i, j + 1) * (1 - tu) + knoten(i + 1, j + 1) * tu;
    return oben * (1 - tv) + unten * tv;
}

} // namespace steinfall::bilder
