#pragma once

#include "ui/Masstab.h"

#include <QImage>

namespace steinfall {

// The four raster operations the pictures are composed with.
enum class Rasterop {
    SrcCopy,    // source
    SrcPaint,   // source OR destination
    SrcAnd,     // source AND destination
    MergePaint, // (NOT source) OR destination
};

// Copies breite x hoehe pixels from `quelle` at (qx, qy) onto `ziel` at (x, y)
// with `op`. Both pictures must be opaque 32-bit images (Format_RGB32): only
// there do Qt's raster operations give exact results.
void BitBlt(QImage& ziel, int x, int y, int breite, int hoehe, const QImage& quelle, int qx, int qy,
            Rasterop op);

// The same with positions and sizes in twips, each converted on its own.
void BitBlt(QImage& ziel, const Masstab& m, double x, double y, double breite, double hoehe,
            const QImage& quelle, double qx, double qy, Rasterop op);

// Copies `kachel` over the whole of `ziel` with SRCCOPY: for x = 0 to the
// width in steps of the tile's width, and for each x, y = 0 to the height in
// steps of the tile's height (all in twips).
void Kacheln(QImage& ziel, const Masstab& m, const QImage& kachel);

} // namespace steinfall
