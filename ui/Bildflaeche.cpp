#include "ui/Bildflaeche.h"

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

void BildZeigen(QPainter& maler, QSize groesse, const QImage& bild, const QRect& bereich) {
    if (bild.size() == groesse) {
        maler.drawImage(bereich, bild, bereich);
        return;
    }
    // Drawn for the device pixels the widget covers (to a pixel of rounding):
    // shown pixel for pixel.
    const double verhaeltnis = maler.device()->devicePixelRatioF();
    if (std::abs(bild.width() - groesse.width() * verhaeltnis) <= 1 &&
        std::abs(bild.height() - groesse.height() * verhaeltnis) <= 1) {
        QImage geraetebild = bild;
        geraetebild.setDevicePixelRatio(verhaeltnis);
        maler.drawImage(QPointF(0, 0), geraetebild);
        return;
    }
    maler.setRenderHint(QPainter::SmoothPixmapTransform);
    maler.drawImage(QRectF(QPointF(0, 0), QSizeF(groesse)), bild);
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
