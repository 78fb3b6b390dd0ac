#include "Symbol.h"

#include "Bilder.h"
#include "SymbolMasse.h"

#include <QDir>

#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>

namespace steinfall::bilder {

namespace {

struct Probe {
    Farbe farbe;
    bool gedeckt = false;
};

// Signed distance to the rounded outline, negative inside, with the outward normal.
double AbstandRand(double x, double y, double& nx, double& ny) {
    const double h = 0.5 - Rand - EckRadius;
    const double qx = std::abs(x - 0.5) - h;
    const double qy = std::abs(y - 0.5) - h;
    const double sx = x < 0.5 ? -1 : 1;
    const double sy = y < 0.5 ? -1 : 1;
    if (qx > 0 && qy > 0) {
        const double l = std::hypot(qx, qy);
        nx = sx * qx / l;
        ny = sy * qy / l;
        return l - EckRadius;
    }
    nx = qx > qy ? sx : 0;
    ny = qx > qy ? 0 : sy;
    return std::max(qx, qy) - EckRadius;
}

std::optional<Farbe> SteinIn(int loch) {
    if (SymbolStein(loch) == 0) {
        return std::nullopt;
    }
    return AusHex(SymbolStein(loch));
}

Probe Abtasten(double x, double y) {
    double nx = 0;
    double ny = 0;
    const double rand = AbstandRand(x, y, nx, ny);
    if (rand > 0) {
        return {};
    }
    const int spalte = x < 0.5 ? 0 : 1;
    const int zeile = y < 0.5 ? 0 : 1;
    const double dx = x - LochMitten[spalte];
    const double dy = y - LochMitten[zeile];
    const double d = std::hypot(dx, dy);
    if (d < Loch) {
        const std::optional<Farbe> stein = SteinIn(zeile * 2 + spalte);
        if (stein && d < Stein) {
            // Shaded like the game's stones, scaled from the icon's stone to theirs.
            return {SteinSchattiert(dx, dy, *stein, false, SteinRadius / Stein), true};
        }
        // The board's inside, scaled from the icon's hole to the game's.
        const double massstab = LochRadius / Loch;
        return {Innenraum(dx * massstab, dy * massstab), true};
    }
    Farbe f = Mischen(AusHex(SymbolFrontOben), AusHex(SymbolFrontUnten), y);
    if (d < Loch + Fase) {
        const double licht = (-dx / d) * LichtX + (-dy / d) * LichtY;
        const double tiefe = 1 - (d - Loch) / Fase;
        f = Mischen(f, AusHex(FaseFarbe(licht)), FaseDeckung(licht, tiefe));
    }
    if (rand > -KanteBreite) {
        const double licht = nx * LichtX + ny * LichtY;
        const double t = 1 + rand / KanteBreite;
        f = Mischen(f, AusHex(KanteFarbe(licht)), KanteDeckung(licht, t));
    }
    return {f, true};
}

QImage SymbolBild(int groesse) {
    // Small icons get more samples per pixel: their edges are most of them.
    const int proben = std::max(4, 64 / groesse + 4);
    QImage bild(groesse, groesse, QImage::Format_ARGB32);
    for (int py = 0; py < groesse; ++py) {
        for (int px = 0; px < groesse; ++px) {
            Farbe summe;
            int treffer = 0;
            for (int j = 0; j < proben; ++j) {
                for (int i = 0; i < proben; ++i) {
                    const Probe p = Abtasten((px + (i + 0.5) / proben) / groesse,
                                             (py + (j + 0.5) / proben) / groesse);
                    if (p.gedeckt) {
                        summe = summe + p.farbe;
                        ++treffer;
                    }
                }
            }
            if (treffer == 0) {
                bild.setPixel(px, py, 0);
                continue;
            }
            const QRgb farbe = AlsPixel(summe * (1.0 / treffer));
            const int alpha = static_cast<int>(std::lround(255.0 * treffer / (proben * proben)));
            bild.setPixel(px, py, qRgba(qRed(farbe), qGreen(farbe), qBlue(farbe), alpha));
        }
    }
    return bild;
}

} // namespace

void SymboleSchreiben(const QString& ordner) {
    if (!QDir().mkpath(ordner)) {
        throw std::runtime_error("kann Ordner nicht anlegen: " + ordner.toStdString());
    }
    SymbolVektorSchreiben(ordner + QStringLiteral("/steinfall.svg"));
    for (const int groesse : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString datei = ordner + QStringLiteral("/steinfall-%1.png").arg(groesse);
        if (!SymbolBild(groesse).save(datei, "PNG", 0)) {
            throw std::runtime_error("kann nicht schreiben: " + datei.toStdString());
        }
    }
}

} // namespace steinfall::bilder
