#include "ui/zeichnen/Zeichnung.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <stdexcept>

namespace steinfall::bilder {

QImage KnopfBild(const QString& text, int breite, bool gedrueckt, double massstab) {
    constexpr int Hoehe = 27;
    constexpr int Rundung = 6;
    QImage bild = NeuesBild(Pixel(breite, massstab), Pixel(Hoehe, massstab), 0xFF000000 | Umgebung);
    QPainter maler(&bild);
    if (massstab != 1) {
        // Drawn in the button's own pixels; the painter refines them.
        maler.scale(bild.width() / double(breite), bild.height() / double(Hoehe));
    }
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setRenderHint(QPainter::TextAntialiasing);

    const QRectF aussen(0.5, 0.5, breite - 1.0, Hoehe - 1.0);
    QPainterPath form;
    form.addRoundedRect(aussen, Rundung, Rundung);

    // The same blue as the board; pressed, the light comes from below.
    QLinearGradient verlauf(0, 0, 0, Hoehe);
    if (gedrueckt) {
        verlauf.setColorAt(0, QColor(0x14347C));
        verlauf.setColorAt(0.5, QColor(0x1F4BAA));
        verlauf.setColorAt(1, QColor(0x2C60C8));
    } else {
        verlauf.setColorAt(0, QColor(0x74A6FF));
        verlauf.setColorAt(0.48, QColor(0x3D74E2));
        verlauf.setColorAt(0.52, QColor(0x2C62D2));
        verlauf.setColorAt(1, QColor(0x2250B6));
    }
    maler.setPen(QPen(QColor(0x0C2460), 1.0));
    maler.setBrush(verlauf);
    maler.drawPath(form);

    maler.setBrush(Qt::NoBrush);
    if (gedrueckt) {
        // Inner shadow along the top edge.
        maler.setPen(QPen(QColor(6, 18, 52, 150), 1.0));
        maler.drawRoundedRect(QRectF(1.5, 1.5, breite - 3.0, Hoehe - 3.0), 5, 5);
    } else {
        maler.setPen(QPen(QColor(255, 255, 255, 110), 1.0));
        maler.drawRoundedRect(QRectF(1.5, 1.5, breite - 3.0, Hoehe - 3.0), 5, 5);
    }

    QFont schrift(SchriftKnopf());
    schrift.setBold(true);
    schrift.setPixelSize(12);
    maler.setFont(schrift);
    // A caption that reaches into the rounded corners does not fit its button.
    if (QFontMetricsF(schrift).horizontalAdvance(text) > breite - 2 * Rundung) {
        throw std::runtime_error("Beschriftung zu breit: " + text.toStdString());
    }
    const double versatz = gedrueckt ? 1.0 : 0.0;
    QRectF textFeld(versatz, versatz + 0.5, breite, Hoehe);
    double schatten = 1;
    if (massstab != std::round(massstab)) {
        // Between the built scales the caption is laid out in the picture's
        // own pixels at its size there, so that the font's hinting puts its
        // baseline and stems on whole pixels; scaled up from 12 pixels they
        // would fall between two and look soft.
        const double sx = bild.width() / double(breite);
        const double sy = bild.height() / double(Hoehe);
        maler.resetTransform();
        schrift.setPixelSize(static_cast<int>(std::lround(12 * sy)));
        schrift.setHintingPreference(QFont::PreferFullHinting);
        maler.setFont(schrift);
        textFeld = QRectF(std::round(versatz * sx), std::round((versatz + 0.5) * sy), bild.width(),
                          bild.height());
        schatten = std::round(sy);
    }
    maler.setPen(QColor(6, 20, 60, 170));
    maler.drawText(textFeld.translated(0, schatten), Qt::AlignCenter, text);
    maler.setPen(gedrueckt ? QColor(0xDCE6FA) : QColor(0xFFFFFF));
    maler.drawText(textFeld, Qt::AlignCenter, text);
    return bild;
}

} // namespace steinfall::bilder
