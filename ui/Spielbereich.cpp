#include "ui/Spielbereich.h"

#include "ui/Bildflaeche.h"

#include <QPaintEvent>
#include <QPainter>

namespace steinfall {

namespace {

// The logo where its mask is black, transparent elsewhere: what painting the
// mask with "not source or destination" and then the logo with "source and
// destination" leaves on any background.
QImage Freigestellt(const QImage& logo, const QImage& maske) {
    QImage bild(logo.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < logo.height(); ++y) {
        const auto* farbe = reinterpret_cast<const QRgb*>(logo.constScanLine(y));
        const auto* form = reinterpret_cast<const QRgb*>(maske.constScanLine(y));
        auto* ziel = reinterpret_cast<QRgb*>(bild.scanLine(y));
        for (int x = 0; x < logo.width(); ++x) {
            ziel[x] = (form[x] & 0xFFFFFF) == 0 ? (farbe[x] | 0xFF000000) : 0;
        }
    }
    return bild;
}

} // namespace

Spielbereich::Spielbereich(QWidget* eltern, const QImage& kachel, const QImage& logo,
                           const QImage& logoMaske, QPoint logoOrt, QSize bildGroesse)
    : QWidget(eltern), kachel_(QPixmap::fromImage(kachel)),
      logo_(logo.convertToFormat(QImage::Format_RGB32)),
      logoMaske_(logoMaske.convertToFormat(QImage::Format_RGB32)), logoOrt_(logoOrt),
      bildGroesse_(bildGroesse) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Spielbereich::paintEvent(QPaintEvent* ereignis) {
    QPainter maler(this);
    const bool einsZuEins = InBildpixeln(maler, *this, bildGroesse_, ereignis->rect());
    maler.drawTiledPixmap(QRect(QPoint(0, 0), bildGroesse_), kachel_);
    if (einsZuEins) {
        // Straight onto the window's pixels, as designed: no third picture
        // of the logo's size is kept.
        maler.setCompositionMode(QPainter::RasterOp_NotSourceOrDestination);
        maler.drawImage(logoOrt_, logoMaske_);
        maler.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        maler.drawImage(logoOrt_, logo_);
        return;
    }
    // Raster operations on smoothly scaled pixels would fray the shape's
    // edge: scaled, it is painted cut out.
    if (freigestellt_.isNull()) {
        freigestellt_ = Freigestellt(logo_, logoMaske_);
    }
    maler.drawImage(logoOrt_, freigestellt_);
}

} // namespace steinfall
