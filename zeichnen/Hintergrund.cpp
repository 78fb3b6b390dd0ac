#include "zeichnen/Zeichnung.h"

#include <cmath>
#include <vector>

namespace steinfall::bilder {

namespace {

// A grey tile: a few octaves of wrapping noise plus a fine grain, shifted so
// that its mean is exactly the requested grey (the window's own background
// colour, which the tile must not shift).
// At a finer `massstab` the same noise is sampled more densely; only the grain
// is per pixel.
QImage GrauKachel(int breite, int hoehe, int mittel, const std::vector<std::pair<int, int>>& knoten,
                  const std::vector<double>& staerke, double koernung, std::uint64_t saat,
                  double massstab) {
    Zufallsfolge zufall(saat);
    std::vector<KachelRauschen> oktaven;
    for (const auto& [kx, ky] : knoten) {
        oktaven.emplace_back(kx, ky, breite, hoehe, zufall);
    }
    const double f = massstab;
    const int bildBreite = Pixel(breite, f);
    const int bildHoehe = Pixel(hoehe, f);
    // At a fractional scale the tile's pixels are a little larger or smaller
    // than its exact multiple; the noise still wraps once across the tile.
    const double fx = bildBreite / double(breite);
    const double fy = bildHoehe / double(hoehe);
    std::vector<double> werte(static_cast<std::size_t>(bildBreite * bildHoehe));
    double summe = 0;
    for (int y = 0; y < bildHoehe; ++y) {
        for (int x = 0; x < bildBreite; ++x) {
            double w = koernung * zufall.Vorzeichen();
            for (std::size_t o = 0; o < oktaven.size(); ++o) {
                w += staerke[o] * oktaven[o].Wert((x + 0.5) / fx, (y + 0.5) / fy);
            }
            werte[static_cast<std::size_t>(y * bildBreite + x)] = w;
            summe += w;
        }
    }
    const double verschiebung = mittel - summe / static_cast<double>(werte.size());
    QImage bild = NeuesBild(bildBreite, bildHoehe);
    for (int y = 0; y < bildHoehe; ++y) {
        for (int x = 0; x < bildBreite; ++x) {
            const int g = static_cast<int>(
                std::lround(werte[static_cast<std::size_t>(y * bildBreite + x)] + verschiebung));
            // A breath of blue keeps the grey from looking dull.
            bild.setPixel(x, y, qRgb(g - 1, g, g + 1));
        }
    }
    return bild;
}

} // namespace

QImage HintergrundSpielfeld(double massstab) {
    return GrauKachel(KachelGroesse, KachelGroesse, 0xE0, {{4, 4}, {8, 8}, {16, 16}, {32, 32}},
                      {2.2, 1.6, 1.1, 0.7}, 0.9, 0x5354454946414C4CULL, massstab);
}

QImage HintergrundOptionen(double massstab) {
    // Stretched lattice: fine horizontal streaks, like brushed metal.
    return GrauKachel(Kachel2Breite, Kachel2Hoehe, 0xC0, {{2, 6}, {3, 19}, {2, 38}},
                      {1.8, 1.4, 1.0}, 0.9, 0x4F5054494F4E454EULL, massstab);
}

} // namespace steinfall::bilder
