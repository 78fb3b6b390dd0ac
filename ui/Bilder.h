#pragma once

#include <QImage>
#include <QString>

#include <array>

namespace steinfall {

// The pictures of the game's windows, each an opaque 32-bit image of the size
// the window lays out.
struct Bildsatz {
    QImage Brett;         // 440 x 345, the empty board
    QImage SteinSpieler;  // 40 x 40, white outside the disc
    QImage SteinComputer; // 40 x 40
    QImage SteinHervor;   // 40 x 40, the highlight of a line of four
    QImage SteinMaske;    // 40 x 40, black disc on white
    QImage SpalteMaske;   // 40 x 330, white where a hole shows the stone
    QImage Logo;          // 273 x 66
    QImage LogoMaske;     // 273 x 66, black on the logo's shape
    QImage HG;            // 128 x 128, tile of the game area
    QImage HG2;           // 94 x 38, tile of the options panel
    // Item 0 the normal look, item 1 the pressed look.
    std::array<QImage, 2> KnopfNeuesSpiel; // 110 x 27
    std::array<QImage, 2> KnopfAnleitung;
    std::array<QImage, 2> KnopfCopyright;
    std::array<QImage, 2> KnopfBeenden; // 89 x 27
    std::array<QImage, 2> KnopfZurueck; // 110 x 27, the instructions' back button
    QImage MorvellLogo;                 // 64 x 64, the maker's logo
};

// One picture from `ordner` (a folder or a resource prefix such as
// ":/bilder") as Format_RGB32. A missing picture becomes a white one of size
// `groesse`, so the window still opens.
QImage BildLaden(const QString& ordner, const QString& name, QSize groesse);

Bildsatz BilderLaden(const QString& ordner);

} // namespace steinfall
