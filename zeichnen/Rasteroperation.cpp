#include "zeichnen/Rasteroperation.h"

#include <QPainter>

namespace steinfall {

namespace {

QPainter::CompositionMode Modus(Rasterop op) {
    switch (op) {
    case Rasterop::SrcCopy:
        return QPainter::CompositionMode_Source;
    case Rasterop::SrcPaint:
        return QPainter::RasterOp_SourceOrDestination;
    case Rasterop::SrcAnd:
        return QPainter::RasterOp_SourceAndDestination;
    case Rasterop::MergePaint:
        return QPainter::RasterOp_NotSourceOrDestination;
    }
    return QPainter::CompositionMode_Source;
}

} // namespace

void BitBlt(QImage& ziel, int x, int y, int breite, int hoehe, const QImage& quelle, int qx, int qy,
            Rasterop op) {
    QPainter maler(&ziel);
    maler.setCompositionMode(Modus(op));
    maler.drawImage(QPoint(x, y), quelle, QRect(qx, qy, breite, hoehe));
}

} // namespace steinfall
