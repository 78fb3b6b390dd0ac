#pragma once

#include "ui/Bilder.h"

#include <QPainter>

namespace steinfall::test {

// Plain colours, so that every pixel tells where it came from.
inline constexpr QRgb Blau = 0xff1f4fbf;  // the board's front
inline constexpr QRgb Loch = 0xffdcdcdc;  // an empty hole
inline constexpr QRgb Rot = 0xffd02020;   // the human's stone
inline constexpr QRgb Gelb = 0xfff0d000;  // the computer's stone
inline constexpr QRgb Gruen = 0xff20c040; // the highlight
inline constexpr QRgb Kachel = 0xff8080ff;

inline QImage Flaeche(int breite, int hoehe, QRgb farbe) {
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(farbe);
    return bild;
}

// Discs without antialiasing, at the cells' stone rectangles.
inline void Scheibe(QImage& bild, int x, int y, QRgb farbe) {
    QPainter maler(&bild);
    maler.setPen(Qt::NoPen);
    maler.setBrush(QColor(farbe));
    maler.drawEllipse(x, y, 40, 40);
}

// Disc colour on black (the game ORs the mask in for the white surround).
inline QImage Stein(QRgb farbe) {
    QImage stein = Flaeche(40, 40, 0xff000000);
    Scheibe(stein, 0, 0, farbe);
    return stein;
}

// A picture set with the game's sizes and hole positions: holes every 60
// pixels from x = 20 and every 55 pixels from y = 15.
inline Bildsatz Testbilder() {
    Bildsatz b;
    b.Brett = Flaeche(440, 345, Blau);
    b.SpalteMaske = Flaeche(40, 330, 0xff000000);
    for (int zeile = 0; zeile < 6; ++zeile) {
        for (int spalte = 0; spalte < 7; ++spalte) {
            Scheibe(b.Brett, 20 + 60 * spalte, 15 + 55 * zeile, Loch);
        }
        Scheibe(b.SpalteMaske, 0, 15 + 55 * zeile, 0xffffffff);
    }
    b.SteinSpieler = Stein(Rot);
    b.SteinComputer = Stein(Gelb);
    b.SteinHervor = Stein(Gruen);
    b.SteinMaske = Flaeche(40, 40, 0xffffffff);
    Scheibe(b.SteinMaske, 0, 0, 0xff000000);
    // The logo's shape: a red square in its middle; white around it, as the
    // drawn logo is.
    b.Logo = Flaeche(273, 66, 0xffffffff);
    b.LogoMaske = Flaeche(273, 66, 0xffffffff);
    QPainter(&b.Logo).fillRect(100, 20, 40, 20, QColor(Rot));
    QPainter(&b.LogoMaske).fillRect(100, 20, 40, 20, Qt::black);
    b.HG = Flaeche(128, 128, Kachel);
    b.HG2 = Flaeche(94, 38, Kachel);
    for (auto* knopf : {&b.KnopfNeuesSpiel, &b.KnopfAnleitung, &b.KnopfCopyright}) {
        *knopf = {Flaeche(110, 27, 0xffc0c0c0), Flaeche(110, 27, 0xff808080)};
    }
    b.KnopfBeenden = {Flaeche(89, 27, 0xffc0c0c0), Flaeche(89, 27, 0xff808080)};
    b.KnopfZurueck = b.KnopfNeuesSpiel;
    b.MorvellLogo = Flaeche(64, 64, Gelb);
    return b;
}

} // namespace steinfall::test
