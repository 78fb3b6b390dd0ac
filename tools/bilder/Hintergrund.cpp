#include "Bilder.h"

#include <cmath>
#include <vector>

namespace steinfall::bilder {

namespace {

// A grey tile: a few octaves of wrapping noise plus a fine grain, shifted so
// that its mean is exactly the requested grey (the window's own background
// colour, which the tile must not shift).
// At a finer `faktor` the same noise is sampled more densely; only the grain
// is per pixel.
QImage GrauKachel(int breite, int hoehe, int mittel, const std::vector<std::pair<int, int>>& knoten,
                  const std::vector<double>& staerke, double koernung, std::uint64_t saat,
                  int faktor) {
    Zufallsfolge zufall(saat);
    std::vector<KachelRauschen> oktaven;
    for (const auto& [kx, ky] : knoten) {
        oktaven.emplace_back(kx, ky, breite, hoehe, zufall);
    }
    const int f = faktor;
    std::vector<double> werte(static_cast<std::size_t>(breite * f * hoehe * f));
    double summe = 0;
    for (int y = 0; y < hoehe * f; ++y) {
        for (int x = 0; x < breite * f; ++x) {
            double w = koernung * zufall.Vorzeichen();
            for (std::size_t o = 0; o < oktaven.size(); ++o) {
                w += staerke[o] * oktaven[o].Wert((x + 0.5) / f, (y + 0.5) / f);
            }
            werte[static_cast<std::size_t>(y * breite * f + x)] = w;
            summe += w;
        }
    }
    const double verschiebung = mittel - summe / static_cast<double>(werte.size());
    QImage bild = NeuesBild(breite * f, hoehe * f);
    for (int y = 0; y < hoehe * f; ++y) {
        for (int x = 0; x < breite * f; ++x) {
            const int g = static_cast<int>(
                std::lround(werte[static_cast<std::size_t>(y * breite * f + x)] + verschiebung));
            // A breath of blue keeps the grey from looking dull.
            bild.setPixel(x, y, qRgb(g - 1, g, g + 1));
        }
    }
    return bild;
}

} // namespace

QImage HintergrundSpielfeld(int faktor) {
    return GrauKachel(128, 128, 0xE0, {{4, 4}, {8, 8}, {16, 16}, {32, 32}}, {2.2, 1.6, 1.1, 0.7},
                      0.9, 0x5354454946414C4CULL, faktor);
}

QImage HintergrundOptionen(int faktor) {
    // Stretched lattice: fine horizontal streaks, like brushed metal.
    return GrauKachel(94, 38, 0xC0, {{2, 6}, {3, 19}, {2, 38}}, {1.8, 1.4, 1.0}, 0.9,
                      0x4F5054494F4E454EULL, faktor);
}

} // namespace steinfall::bilder
