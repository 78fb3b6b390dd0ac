#pragma once

#include "ui/Masstab.h"
#include "zeichnen/Rasteroperation.h"

#include <QImage>

namespace steinfall {

// BitBlt with positions and sizes in twips, each converted on its own.
void BitBlt(QImage& ziel, const Masstab& m, double x, double y, double breite, double hoehe,
            const QImage& quelle, double qx, double qy, Rasterop op);

// Copies `kachel` over the whole of `ziel` with SRCCOPY: for x = 0 to the
// width in steps of the tile's width, and for each x, y = 0 to the height in
// steps of the tile's height (all in twips).
void Kacheln(QImage& ziel, const Masstab& m, const QImage& kachel);

} // namespace steinfall
