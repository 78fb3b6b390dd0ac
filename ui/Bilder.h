#pragma once

#include "zeichnen/Bildarten.h"
#include "zeichnen/Zeichnung.h"

#include <QImage>
#include <QString>

#include <array>

namespace steinfall {

// The pictures of the game's windows, each an opaque 32-bit image of the size
// the window lays out (in logical pixels) times Faktor.
struct Bildsatz {
    // Pixels of the pictures per pixel of the designed 640 x 480 game area:
    // the game's scale times the screen's device pixel ratio.
    double Faktor = 1;
    QImage Brett;        // the empty board
    QImage SteinSpieler; // white outside the disc
    QImage SteinComputer;
    QImage SteinHervor; // the highlight of a line of four
    QImage SteinMaske;  // black disc on white
    QImage SpalteMaske; // white where a hole shows the stone
    QImage Logo;
    QImage LogoMaske; // black on the logo's shape
    QImage HG;        // tile of the game area
    QImage HG2;       // tile of the options panel
    // Item 0 the normal look, item 1 the pressed look.
    std::array<QImage, 2> KnopfNeuesSpiel;
    std::array<QImage, 2> KnopfAnleitung;
    std::array<QImage, 2> KnopfCopyright;
    std::array<QImage, 2> KnopfBeenden;
    std::array<QImage, 2> KnopfZurueck; // the instructions' back button
    QImage MorvellLogo;                 // the maker's logo
};

// The set's pictures in the order of the table of pictures (bilder::Bildarten).
std::array<QImage*, bilder::Bildarten.size()> Bilder(Bildsatz& b);

// The picture set for a screen of device pixel ratio `verhaeltnis`: the
// nearest at or above it (at most 3). At a fractional ratio the pictures are
// composed at that finer scale and Qt scales the result down smoothly when
// painting. Composing at the exact device size instead would put the holes
// at fractional pixels (rows 55 logical pixels apart are 68.75 device pixels
// at 1.25), so masks and stones could no longer meet the holes pixel for
// pixel. Measured on the board's screen region against the 3x board reduced
// by area: RMS difference 1.1 levels at 1.5 and 1.5 at 1.25 for the 2x set
// shown smoothly, 5.5 and 5.4 for the 1x set enlarged.
int Bildfaktor(double verhaeltnis);

// One picture from `ordner` (a folder or a resource prefix such as
// ":/bilder") as Format_RGB32, at `faktor` ("name@2x.png" for 2). Only the
// chosen scale is read. A missing picture becomes a white one of size
// `groesse` times `faktor`, so the window still opens.
QImage BildLaden(const QString& ordner, const QString& name, QSize groesse, int faktor = 1);

// A button's caption as the game shows it: its German one translated.
QString Knopftext(const bilder::Knopfbeschriftung& knopf);

// The built set from `ordner`. The built buttons are lettered in German; in
// any other language they are drawn from their translated captions.
Bildsatz BilderLaden(const QString& ordner, int faktor = 1);

// The set drawn from the game's geometry at `massstab`, for a scale that no
// built set has, its buttons lettered with Knopftext. Throws when the fonts
// its buttons are lettered in are missing.
Bildsatz BilderZeichnen(double massstab);

// The set for `massstab`: the built one where there is one (1, 2 or 3, read
// from `ordner`), else drawn; a set that cannot be drawn falls back to the
// nearest built one, shown smoothly scaled.
Bildsatz BilderFuer(const QString& ordner, double massstab);

} // namespace steinfall
