#pragma once

#include "Raster.h"

#include <QImage>
#include <QString>

#include <map>

namespace steinfall::bilder {

// Board geometry in pixels (15 twips per pixel). A stone square is 40 x 40;
// column c, row r has its top-left corner at (20 + 60c, 15 + 55r).
inline constexpr int BrettBreite = 440;
inline constexpr int BrettHoehe = 345;
inline constexpr int SteinGroesse = 40;
inline constexpr int SpaltenHoehe = 330;
inline int SteinX(int spalte) {
    return 20 + 60 * spalte;
}
inline int SteinY(int zeile) {
    return 15 + 55 * zeile;
}

// Around the centre of the stone square: a pixel whose centre lies nearer than
// LochRadius shows the board's inside (and a falling stone); the stone's disc
// stays inside that, so a resting stone sits in a dark ring.
inline constexpr double SteinMitte = 20.0;
inline constexpr double LochRadius = 19.0;
inline constexpr double SteinRadius = 18.0;
// Pixel (x, y) of the stone square drawn at `faktor` pixels per game pixel.
bool ImLoch(int x, int y, int faktor = 1);

// The board's inside as seen through a hole, at an offset from the hole's centre.
Farbe Innenraum(double dx, double dy);

// A stone's surface at an offset from its centre, in game pixels times
// `massstab`: light from the upper left and a gloss; glowing for the highlight.
Farbe SteinSchattiert(double dx, double dy, Farbe grund, bool leuchtend, double massstab = 1);

// What the game area is painted with around pictures that have rounded corners.
inline constexpr std::uint32_t Umgebung = 0xE0E0E0;

// Every picture is drawn from the same geometry at `faktor` (1, 2 or 3)
// pixels per game pixel, for screens of that device pixel ratio: the shapes
// are computed at the finer resolution, not enlarged from the 1x picture.
inline constexpr int Faktoren[] = {1, 2, 3};

QImage BrettBild(int faktor);
QImage SpaltenMaske(int faktor);
QImage SteinBild(Farbe grund, bool leuchtend, int faktor);
QImage SteinMaske(int faktor);
QImage HintergrundSpielfeld(int faktor);
QImage HintergrundOptionen(int faktor);

struct LogoBilder {
    QImage Logo;
    QImage Maske;
};
LogoBilder Logo(int faktor);
QImage MorvellLogo(int faktor);

QImage KnopfBild(const QString& text, int breite, bool gedrueckt, int faktor);

// Fonts from the Debian font packages, loaded by file so that every run draws
// with the same glyphs. Throws when one is missing.
void SchriftenLaden();
QString SchriftTitel();
QString SchriftKnopf();

// "name.png" at 1x, "name@2x.png" and "name@3x.png" at 2x and 3x: the names
// Qt gives pictures for screens of those device pixel ratios.
QString Dateiname(const char* name, int faktor);

// Every picture at every scale, by file name.
std::map<QString, QImage> AlleBilder();

// Throws std::runtime_error naming the first rule a picture breaks.
void BilderPruefen(const std::map<QString, QImage>& bilder);

// Paints a game scene from the written files with the game's raster operations.
void VorschauZeichnen(const QString& ordner, const QString& datei);

} // namespace steinfall::bilder
