#pragma once

#include <QImage>
#include <QString>

#include <array>

// The table of the game's pictures: the game loads, keeps and draws its sets
// by it, the generator writes and checks the files by it.
namespace steinfall::bilder {

struct Knopfbeschriftung;

struct Bildart {
    // The file name without ".png".
    const char* Name;
    // The designed size in game pixels.
    int Breite;
    int Hoehe;
    // A button's caption; null for a picture without lettering.
    const Knopfbeschriftung* Knopf;
    // The picture at `massstab` pixels per game pixel; a button lettered with
    // `text` (its caption in the language shown), the others ignore it.
    QImage (*Zeichnen)(double massstab, const QString& text);
};

// In the order of the game's picture set.
extern const std::array<Bildart, 21> Bildarten;

} // namespace steinfall::bilder
