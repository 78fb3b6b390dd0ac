#include "zeichnen/Zeichnung.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace steinfall::bilder {

namespace {

constexpr int Rundung = 6;
// The caption's size in game pixels, and the smallest it shrinks to.
constexpr int Schriftgroesse = 12;
constexpr int KleinsteSchrift = 9;

QFont Knopfschrift(int pixel) {
    QFont schrift(SchriftKnopf());
    schrift.setBold(true);
    schrift.setPixelSize(pixel);
    return schrift;
}

// A caption set for its button: the font, and by how many device pixels it
// reaches into the rounded corners (not above 0 when it fits).
struct Satz {
    QFont Schrift;
    double Ueberstand;
};

// At the built scales the caption is laid out in game pixels and the painter
// enlarges it; between them in the picture's own pixels (see KnopfBild).
Satz Setzen(const QString& text, int breite, double massstab, const QImage& geraet) {
    const bool ganz = massstab == std::round(massstab);
    const double sx = Pixel(breite, massstab) / double(breite);
    const double sy = Pixel(KnopfHoehe, massstab) / double(KnopfHoehe);
    const int groesste = ganz ? Schriftgroesse : static_cast<int>(std::lround(Schriftgroesse * sy));
    const int kleinste =
        ganz ? KleinsteSchrift : static_cast<int>(std::lround(KleinsteSchrift * sy));
    Satz satz{};
    for (int pixel = groesste; pixel >= kleinste; --pixel) {
        satz.Schrift = Knopfschrift(pixel);
        if (ganz) {
            satz.Ueberstand =
                (QFontMetricsF(satz.Schrift).horizontalAdvance(text) - (breite - 2 * Rundung)) *
                massstab;
        } else {
            satz.Schrift.setHintingPreference(QFont::PreferFullHinting);
            satz.Ueberstand = QFontMetricsF(satz.Schrift, &geraet).horizontalAdvance(text) -
                              (Pixel(breite, massstab) - 2 * Rundung * sx);
        }
        if (satz.Ueberstand <= 0) {
            break;
        }
    }
    return satz;
}

} // namespace

int KnopfUeberstand(const QString& text, int breite, double massstab) {
    const QImage geraet(1, 1, QImage::Format_RGB32);
    return std::max(
        0, static_cast<int>(std::ceil(Setzen(text, breite, massstab, geraet).Ueberstand - 1e-9)));
}

QImage KnopfBild(const QString& text, int breite, bool gedrueckt, double massstab) {
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

    // Between the rounded corners, in a smaller size if need be.
    const QFont schrift = Setzen(text, breite, massstab, bild).Schrift;
    maler.setFont(schrift);
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
