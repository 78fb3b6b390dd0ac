#pragma once

#include <QImage>

#include <array>

// The table of the game's pictures: the game loads, keeps and draws its sets
// by it, the generator writes and checks the files by it.
namespace steinfall::bilder {

struct Bildart {
    // The file name without ".png"; a button's German one, the English one
    // ends in "_en".
    const char* Name;
    // The designed size in game pixels.
    int Breite;
    int Hoehe;
    // A button is lettered: one picture per language.
    bool Knopf;
    // The picture at `massstab` pixels per game pixel.
    QImage (*Zeichnen)(double massstab, bool englisch);
};

// In the order of the game's picture set.
extern const std::array<Bildart, 21> Bildarten;

// The files of a set: each button once per language.
std::size_t DateienJeSatz();

} // namespace steinfall::bilder
