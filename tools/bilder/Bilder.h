#pragma once

#include "zeichnen/Bildarten.h"
#include "zeichnen/Zeichnung.h"

#include <QImage>
#include <QString>

#include <map>

namespace steinfall::bilder {

// The sets written for screens of device pixel ratio 1, 2 and 3.
inline constexpr int Faktoren[] = {1, 2, 3};

// "name.png" at 1x, "name@2x.png" and "name@3x.png" at 2x and 3x: the names
// Qt gives pictures for screens of those device pixel ratios.
QString Dateiname(const char* name, int faktor);
// A button's German caption, the one its built pictures carry; empty for a
// picture without lettering.
QString Deutsch(const Bildart& art);

// Every picture at every scale, by file name.
std::map<QString, QImage> AlleBilder();

// Throws std::runtime_error naming the first rule a picture breaks.
void BilderPruefen(const std::map<QString, QImage>& bilder);

// Paints a game scene from the written files with the game's raster operations.
void VorschauZeichnen(const QString& ordner, const QString& datei);

} // namespace steinfall::bilder
