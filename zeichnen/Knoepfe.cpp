#include "zeichnen/Zeichnung.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <stdexcept>

namespace steinfall::bilder {

QImage KnopfBild(const QString& text, int breite, bool gedrueckt, double massstab) {
    constexpr int Rundung = 6;
    QImage bild =
        NeuesBild(Pixel(breite, massstab), Pixel(KnopfHoehe, massstab), 0xFF000000 | Umgebung);
    QPainter maler(&bild);
    if (massstab != 1) {
        // Drawn in the button's own pixels; the painter refines them.
        maler.scale(bild.width() / double(breite), bild.height() / double(KnopfHoehe));
    }
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setRenderHint(QPainter::TextAntialiasing);

    const QRectF aussen(0.5, 0.5, breite - 1.0, KnopfHoehe - 1.0);
    QPainterPath form;
    form.addRoundedRect(aussen, Rundung, Rundung);

    // The same blue as the board; pressed, the light comes from below.
    QLinearGradient verlauf(0, 0, 0, KnopfHoehe);
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
        maler.drawRoundedRect(QRectF(1.5, 1.5, breite - 3.0, KnopfHoehe - 3.0), 5, 5);
    } else {
        maler.setPen(QPen(QColor(255, 255, 255, 110), 1.0));
        maler.drawRoundedRect(QRectF(1.5, 1.5, breite - 3.0, KnopfHoehe - 3.0), 5, 5);
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
    const QColor schatten(6, 20, 60, 170);
    const QColor farbe = gedrueckt ? QColor(0xDCE6FA) : QColor(0xFFFFFF);
    if (massstab == std::round(massstab)) {
        const QRectF textFeld(versatz, versatz + 0.5, breite, KnopfHoehe);
        maler.setPen(schatten);
        maler.drawText(textFeld.translated(0, 1), Qt::AlignCenter, text);
        maler.setPen(farbe);
        maler.drawText(textFeld, Qt::AlignCenter, text);
        return bild;
    }
    // Between the built scales the caption is laid out in the picture's own
    // pixels at its size there, starting on a whole pixel, so that the font's
    // hinting puts its stems and baseline on whole pixels; scaled up from 12
    // pixels they would fall between two and look soft.
    const double sx = bild.width() / double(breite);
    const double sy = bild.height() / double(KnopfHoehe);
    maler.resetTransform();
    schrift.setPixelSize(static_cast<int>(std::lround(12 * sy)));
    schrift.setHintingPreference(QFont::PreferFullHinting);
    maler.setFont(schrift);
    const QFontMetricsF masse(schrift, &bild);
    const QPointF anfang(
        std::round(versatz * sx + (bild.width() - masse.horizontalAdvance(text)) / 2),
        std::round((versatz + 0.5) * sy + (bild.height() + masse.ascent() - masse.descent()) / 2));
    maler.setPen(schatten);
    maler.drawText(anfang + QPointF(0, std::round(sy)), text);
    maler.setPen(farbe);
    maler.drawText(anfang, text);
    return bild;
}

} // namespace steinfall::bilder
