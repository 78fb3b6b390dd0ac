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
bool ImLoch(int x, int y); // pixel of the stone square

// The board's inside as seen through a hole, at an offset from the hole's centre.
Farbe Innenraum(double dx, double dy);

// What the game area is painted with around pictures that have rounded corners.
inline constexpr std::uint32_t Umgebung = 0xE0E0E0;

QImage BrettBild();
QImage SpaltenMaske();
QImage SteinBild(Farbe grund, bool leuchtend);
QImage SteinMaske();
QImage HintergrundSpielfeld();
QImage HintergrundOptionen();

struct LogoBilder {
    QImage Logo;
    QImage Maske;
};
LogoBilder Logo();
QImage MorvellLogo();

QImage KnopfBild(const QString& text, int breite, bool gedrueckt);

// Fonts from the Debian font packages, loaded by file so that every run draws
// with the same glyphs. Throws when one is missing.
void SchriftenLaden();
QString SchriftTitel();
QString SchriftKnopf();

// Every picture, by file name.
std::map<QString, QImage> AlleBilder();

// Throws std::runtime_error naming the first rule a picture breaks.
void BilderPruefen(const std::map<QString, QImage>& bilder);

// Paints a game scene from the written files with the game's raster operations.
void VorschauZeichnen(const QString& ordner, const QString& datei);

} // namespace steinfall::bilder
