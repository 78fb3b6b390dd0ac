#include "ui/Bildflaeche.h"

#include "ui/Rasterop.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace steinfall {

namespace {

int Knopfcode(Qt::MouseButtons knoepfe) {
    return (knoepfe & Qt::LeftButton ? 1 : 0) | (knoepfe & Qt::RightButton ? 2 : 0) |
           (knoepfe & Qt::MiddleButton ? 4 : 0);
}

int Umschaltcode(Qt::KeyboardModifiers tasten) {
    return (tasten & Qt::ShiftModifier ? 1 : 0) | (tasten & Qt::ControlModifier ? 2 : 0) |
           (tasten & Qt::AltModifier ? 4 : 0);
}

} // namespace

Bildflaeche::Bildflaeche(QWidget* eltern, const QImage* bild) : QWidget(eltern), bild_(bild) {
    // The picture covers the whole area: nothing to clear beneath it.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool EinsZuEins(QSize groesse, double verhaeltnis, QSize bildGroesse) {
    return std::abs(bildGroesse.width() - groesse.width() * verhaeltnis) <= 1 &&
           std::abs(bildGroesse.height() - groesse.height() * verhaeltnis) <= 1;
}

void BildZeigen(QPainter& maler, QSize groesse, const QImage& bild, const QRect& bereich) {
    if (bild.size() == groesse) {
        maler.drawImage(bereich, bild, bereich);
        return;
    }
    // Drawn for the device pixels the widget covers: shown pixel for pixel.
    const double verhaeltnis = maler.device()->devicePixelRatioF();
    if (EinsZuEins(groesse, verhaeltnis, bild.size())) {
        QImage geraetebild = bild;
        geraetebild.setDevicePixelRatio(verhaeltnis);
        maler.drawImage(QPointF(0, 0), geraetebild);
        return;
    }
    maler.setRenderHint(QPainter::SmoothPixmapTransform);
    maler.drawImage(QRectF(QPointF(0, 0), QSizeF(groesse)), bild);
}

bool InBildpixeln(QPainter& maler, const QWidget& flaeche, QSize bildGroesse,
                  const QRect& bereich) {
    const double verhaeltnis = flaeche.devicePixelRatioF();
    const bool einsZuEins = EinsZuEins(flaeche.size(), verhaeltnis, bildGroesse);
    if (einsZuEins) {
        maler.scale(1 / verhaeltnis, 1 / verhaeltnis);
    } else {
        maler.setRenderHint(QPainter::SmoothPixmapTransform);
        maler.scale(flaeche.width() / double(bildGroesse.width()),
                    flaeche.height() / double(bildGroesse.height()));
    }
    maler.setClipRect(maler.transform().inverted().mapRect(QRectF(bereich)));
    return einsZuEins;
}

Kachelflaeche::Kachelflaeche(QWidget* eltern, QSize bildGroesse, QColor farbe)
    : Bildflaeche(eltern, nullptr), bildGroesse_(bildGroesse), farbe_(farbe) {}

void Kachelflaeche::KachelnLegen(const Masstab& m, const QImage& kachel) {
    masstab_ = m;
    kachel_ = kachel;
    gelegt_ = QImage();
    update();
}

void Kachelflaeche::paintEvent(QPaintEvent* ereignis) {
    QPainter maler(this);
    if (!EinsZuEins(size(), devicePixelRatioF(), bildGroesse_)) {
        // Scaled smoothly, tile by tile each edge would be filtered on its
        // own: the laid picture is shown, made only for this case.
        if (gelegt_.isNull()) {
            gelegt_ = QImage(bildGroesse_, QImage::Format_RGB32);
            gelegt_.fill(farbe_);
            if (masstab_) {
                Kacheln(gelegt_, *masstab_, kachel_);
            }
        }
        BildZeigen(maler, size(), gelegt_, ereignis->rect());
        return;
    }
    InBildpixeln(maler, *this, bildGroesse_, ereignis->rect());
    if (!masstab_) {
        maler.fillRect(QRect(QPoint(0, 0), bildGroesse_), farbe_);
        return;
    }
    KachelnMalen(maler, *masstab_, bildGroesse_, kachel_);
}

void Bildflaeche::paintEvent(QPaintEvent* ereignis) {
    QPainter maler(this);
    BildZeigen(maler, size(), *bild_, ereignis->rect());
}

void Bildflaeche::mousePressEvent(QMouseEvent* e) {
    emit MouseDown(Knopfcode(e->button()), Umschaltcode(e->modifiers()), e->position());
}

void Bildflaeche::mouseMoveEvent(QMouseEvent* e) {
    emit MouseMove(Knopfcode(e->buttons()), Umschaltcode(e->modifiers()), e->position());
}

void Bildflaeche::mouseReleaseEvent(QMouseEvent* e) {
    emit MouseUp(Knopfcode(e->button()), Umschaltcode(e->modifiers()), e->position());
}

} // namespace steinfall
