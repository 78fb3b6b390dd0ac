#pragma once

#include "ui/Masstab.h"
#include "zeichnen/Rasteroperation.h"

#include <QImage>
#include <QRect>

#include <vector>

class QPainter;

namespace steinfall {

// BitBlt with positions and sizes in twips, each converted on its own.
void BitBlt(QImage& ziel, const Masstab& m, double x, double y, double breite, double hoehe,
            const QImage& quelle, double qx, double qy, Rasterop op);

// Copies `kachel` over the whole of `ziel` with SRCCOPY: for x = 0 to the
// width in steps of the tile's width, and for each x, y = 0 to the height in
// steps of the tile's height (all in twips).
void Kacheln(QImage& ziel, const Masstab& m, const QImage& kachel);

// Where Kacheln puts the tiles on a target of `ziel` pixels, in its pixels,
// each rectangle the part of the tile that is copied.
std::vector<QRect> Kachelorte(QSize ziel, const Masstab& m, QSize kachel);

// Kacheln onto a painter that paints a target of `ziel` pixels: the same
// tiles copied to the same places.
void KachelnMalen(QPainter& maler, const Masstab& m, QSize ziel, const QImage& kachel);

} // namespace steinfall
