#include "ui/Spielbereich.h"

#include <QPaintEvent>
#include <QPainter>

#include <cmath>

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
      logo_(Freigestellt(logo.convertToFormat(QImage::Format_RGB32),
                         logoMaske.convertToFormat(QImage::Format_RGB32))),
      logoOrt_(logoOrt), bildGroesse_(bildGroesse) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Spielbereich::paintEvent(QPaintEvent* ereignis) {
    QPainter maler(this);
    // In the pictures' own pixels: drawn for the device pixels the area
    // covers, they are copied one to one; otherwise (a built set shown at
    // another scale) scaled smoothly.
    const double verhaeltnis = devicePixelRatioF();
    const double sx = width() / double(bildGroesse_.width());
    const double sy = height() / double(bildGroesse_.height());
    if (std::abs(bildGroesse_.width() - width() * verhaeltnis) <= 1 &&
        std::abs(bildGroesse_.height() - height() * verhaeltnis) <= 1) {
        maler.scale(1 / verhaeltnis, 1 / verhaeltnis);
    } else {
        maler.setRenderHint(QPainter::SmoothPixmapTransform);
        maler.scale(sx, sy);
    }
    maler.setClipRect(maler.transform().inverted().mapRect(QRectF(ereignis->rect())));
    maler.drawTiledPixmap(QRect(QPoint(0, 0), bildGroesse_), kachel_);
    maler.drawImage(logoOrt_, logo_);
}

} // namespace steinfall
