#pragma once

#include "core/Geometrie.h"
#include "core/Sprache.h"
#include "zeichnen/Raster.h"

#include <QImage>
#include <QString>

#include <algorithm>
#include <cmath>

// Draws the game's pictures from its geometry at any scale: the generator
// writes the designed sets with it, and the game draws the set for a screen
// that none of them fits.
namespace steinfall::bilder {

// Raised whenever a picture is drawn differently, so that sets kept from an
// earlier drawing are drawn anew.
inline constexpr int Zeichnungsstand = 2;

// The pictures' sizes in game pixels, from the layout's twips. A stone
// square is 40 x 40; column c, row r has its top-left corner at
// (20 + 60c, 15 + 55r).
inline constexpr int BrettBreite = geometrie::EntwurfPixel(geometrie::Spielfeld.Breite);
inline constexpr int BrettHoehe = geometrie::EntwurfPixel(geometrie::Spielfeld.Hoehe);
inline constexpr int SteinGroesse = geometrie::EntwurfPixel(geometrie::SteinGroesse);
inline constexpr int SpaltenHoehe = geometrie::EntwurfPixel(geometrie::SpalteHoehe);
inline constexpr int LogoBreite = geometrie::EntwurfPixel(geometrie::Logo.Breite);
inline constexpr int LogoHoehe = geometrie::EntwurfPixel(geometrie::Logo.Hoehe);
inline constexpr int KachelGroesse = geometrie::EntwurfPixel(geometrie::KachelBreite);
inline constexpr int Kachel2Breite = geometrie::EntwurfPixel(geometrie::Kachel2Breite);
inline constexpr int Kachel2Hoehe = geometrie::EntwurfPixel(geometrie::Kachel2Hoehe);
inline constexpr int KnopfHoehe = geometrie::EntwurfPixel(geometrie::KnopfNeuesSpiel.Hoehe);
inline constexpr int MorvellGroesse = geometrie::EntwurfPixel(geometrie::CopyrightLogo.Breite);
constexpr int SteinX(int spalte) {
    return static_cast<int>(geometrie::SteinLinks(spalte) / geometrie::TwipsJePixelEntwurf);
}
constexpr int SteinY(int zeile) {
    return static_cast<int>(geometrie::SteinOben(zeile) / geometrie::TwipsJePixelEntwurf);
}
// Every cell's corner lies on a whole game pixel.
consteval bool ZellenGanz() {
    for (int spalte = 0; spalte < geometrie::Spalten; ++spalte) {
        geometrie::EntwurfPixel(geometrie::SteinLinks(spalte));
    }
    for (int zeile = 0; zeile < geometrie::Zeilen; ++zeile) {
        geometrie::EntwurfPixel(geometrie::SteinOben(zeile));
    }
    return true;
}
static_assert(ZellenGanz());

// Twips per pixel of a picture drawn at `massstab` pixels per game pixel.
inline double TwipsJePixel(double massstab) {
    return geometrie::TwipsJePixelEntwurf / massstab;
}
// A length of `spielpixel` game pixels at `massstab`, rounded as the game
// rounds (halves to even).
inline int Pixel(double spielpixel, double massstab) {
    return static_cast<int>(std::nearbyint(spielpixel * massstab));
}
// Where the game paints the stones of a column and a row into the board
// picture, in its pixels: from the twips, with the stone picture's own size,
// rounded as the game rounds. At a fractional scale the holes sit where the
// stones land, not at the exact multiple.
inline int SteinXPixel(int spalte, double massstab) {
    const double tpp = TwipsJePixel(massstab);
    return static_cast<int>(
        std::nearbyint(geometrie::SteinLinks(spalte, Pixel(SteinGroesse, massstab) * tpp) / tpp));
}
inline int SteinYPixel(int zeile, double massstab) {
    const double tpp = TwipsJePixel(massstab);
    return static_cast<int>(
        std::nearbyint(geometrie::SteinOben(zeile, Pixel(SteinGroesse, massstab) * tpp) / tpp));
}

// Samples per pixel and axis for a picture drawn at `massstab` that takes
// `proben` at the built scales: at any other scale about as many per game
// pixel as at 1x, which is what a new scale can afford to draw at start-up.
inline int ProbenJePixel(int proben, double massstab) {
    if (massstab == std::round(massstab)) {
        return proben;
    }
    return std::max(2, static_cast<int>(std::ceil(proben / massstab)));
}

// Around the centre of the stone square: a pixel whose centre lies nearer than
// LochRadius shows the board's inside (and a falling stone); the stone's disc
// stays inside that, so a resting stone sits in a dark ring.
inline constexpr double SteinMitte = 20.0;
inline constexpr double LochRadius = 19.0;
inline constexpr double SteinRadius = 18.0;
// Pixel (x, y) of the stone square drawn at `massstab` pixels per game pixel;
// the square's middle is the middle of its whole pixels.
bool ImLoch(int x, int y, double massstab = 1);

// The board's inside as seen through a hole, at an offset from the hole's centre.
Farbe Innenraum(double dx, double dy);

// A stone's surface at an offset from its centre, in game pixels times
// `massstab`: light from the upper left and a gloss; glowing for the highlight.
Farbe SteinSchattiert(double dx, double dy, Farbe grund, bool leuchtend, double massstab = 1);

// What the game area is painted with around pictures that have rounded corners.
inline constexpr std::uint32_t Umgebung = 0xE0E0E0;

// Every picture is drawn from the same geometry at `massstab` pixels per game
// pixel: the shapes are computed at that resolution, not enlarged from the
// 1x picture.
QImage BrettBild(double massstab);
QImage SpaltenMaske(double massstab);
QImage SteinBild(Farbe grund, bool leuchtend, double massstab);
QImage SteinMaske(double massstab);
QImage HintergrundSpielfeld(double massstab);
QImage HintergrundOptionen(double massstab);

struct LogoBilder {
    QImage Logo;
    QImage Maske;
};
LogoBilder Logo(double massstab);
QImage MorvellLogo(double massstab);

// A button of `breite` game pixels lettered with `text`. A caption too wide
// for it is set in a smaller size of its font, down to three quarters of
// its own, never in a wider picture.
QImage KnopfBild(const QString& text, int breite, bool gedrueckt, double massstab);
// How many device pixels `text` reaches into the rounded corners of a button
// of `breite` game pixels drawn at `massstab`, at the smallest size it may
// shrink to; 0 when it fits.
int KnopfUeberstand(const QString& text, int breite, double massstab);

// The picture buttons' German captions (what the game shows in any other
// language is their translation, also as the buttons' names for a screen
// reader) and widths in game pixels.
struct Knopfbeschriftung {
    const char* Deutsch;
    int Breite;
};
inline constexpr Knopfbeschriftung KnopfNeuesSpiel{
    // TRANSLATORS: picture button caption, drawn inside 110 x 27 pixels at the designed size
    UebersetzungMerken("Neues Spiel"), geometrie::EntwurfPixel(geometrie::KnopfNeuesSpiel.Breite)};
inline constexpr Knopfbeschriftung KnopfAnleitung{
    // TRANSLATORS: picture button caption, drawn inside 110 x 27 pixels at the designed size
    UebersetzungMerken("Anleitung"), geometrie::EntwurfPixel(geometrie::KnopfAnleitung.Breite)};
inline constexpr Knopfbeschriftung KnopfCopyright{
    // TRANSLATORS: picture button caption (opens the about window), drawn inside 110 x 27
    // pixels at the designed size
    UebersetzungMerken("Info"), geometrie::EntwurfPixel(geometrie::KnopfCopyright.Breite)};
inline constexpr Knopfbeschriftung KnopfZurueck{
    // TRANSLATORS: picture button caption, drawn inside 110 x 27 pixels at the designed size
    UebersetzungMerken("Zurück"), geometrie::EntwurfPixel(geometrie::KnopfZurueck.Breite)};
inline constexpr Knopfbeschriftung KnopfBeenden{
    // TRANSLATORS: picture button caption, drawn inside 89 x 27 pixels at the designed size
    UebersetzungMerken("Beenden"), geometrie::EntwurfPixel(geometrie::KnopfBeenden.Breite)};

// The stones' colours.
inline constexpr std::uint32_t FarbeSpieler = 0xDC2A1E;
inline constexpr std::uint32_t FarbeComputer = 0xF7C51C;
inline constexpr std::uint32_t FarbeHervor = 0xB4FF6E;

// Fonts from the Debian font packages, loaded by file so that every run draws
// with the same glyphs. Throws when one is missing.
void SchriftenLaden();
QString SchriftTitel();
QString SchriftKnopf();

} // namespace steinfall::bilder
