#pragma once

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

} // namespace steinfall
