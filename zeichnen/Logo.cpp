#include "zeichnen/Zeichnung.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <vector>

namespace steinfall::bilder {

namespace {

// Coverage of a shape as numbers 0..1, one per pixel.
struct Deckungsbild {
    int breite = 0;
    int hoehe = 0;
    std::vector<double> werte;
    double An(int x, int y) const {
        if (x < 0 || y < 0 || x >= breite || y >= hoehe) {
            return 0;
        }
        return werte[static_cast<std::size_t>(y * breite + x)];
    }
    // Between pixel centres, bilinear; at a centre exactly its value.
    double Weich(double x, double y) const {
        const int ix = static_cast<int>(std::floor(x));
        const int iy = static_cast<int>(std::floor(y));
        const double tx = x - ix;
        const double ty = y - iy;
        return (An(ix, iy) * (1 - tx) + An(ix + 1, iy) * tx) * (1 - ty) +
               (An(ix, iy + 1) * (1 - tx) + An(ix + 1, iy + 1) * tx) * ty;
    }
};

Deckungsbild Abdecken(const QPainterPath& form, const QPen& stift, int breite, int hoehe) {
    QImage bild(breite, hoehe, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    {
        QPainter maler(&bild);
        maler.setRenderHint(QPainter::Antialiasing);
        maler.setPen(stift);
        maler.setBrush(Qt::white);
        maler.drawPath(form);
    }
    Deckungsbild d{breite, hoehe, std::vector<double>(static_cast<std::size_t>(breite * hoehe))};
    for (int y = 0; y < hoehe; ++y) {
        for (int x = 0; x < breite; ++x) {
            d.werte[static_cast<std::size_t>(y * breite + x)] = qAlpha(bild.pixel(x, y)) / 255.0;
        }
    }
    return d;
}

// Soft shadow: three box blurs approximate a Gaussian.
Deckungsbild Verwischen(Deckungsbild d, int radius) {
    std::vector<double> zwischen(d.werte.size());
    for (int runde = 0; runde < 3; ++runde) {
        for (int y = 0; y < d.hoehe; ++y) {
            for (int x = 0; x < d.breite; ++x) {
                double s = 0;
                for (int k = -radius; k <= radius; ++k) {
                    s += d.An(x + k, y);
                }
                zwischen[static_cast<std::size_t>(y * d.breite + x)] = s / (2 * radius + 1);
            }
        }
        for (int y = 0; y < d.hoehe; ++y) {
            for (int x = 0; x < d.breite; ++x) {
                double s = 0;
                for (int k = -radius; k <= radius; ++k) {
                    const int yy = y + k;
                    if (yy >= 0 && yy < d.hoehe) {
                        s += zwischen[static_cast<std::size_t>(yy * d.breite + x)];
                    }
                }
                d.werte[static_cast<std::size_t>(y * d.breite + x)] = s / (2 * radius + 1);
            }
        }
    }
    return d;
}

} // namespace

LogoBilder Logo(double massstab) {
    const double f = massstab;
    // "Steinfall" with a red stone as the dot on the i.
    QFont schrift(SchriftTitel());
    schrift.setBold(true);
    schrift.setPixelSize(100);
    schrift.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    const QString vorne = QStringLiteral("Ste");
    const QString hinten = QStringLiteral("nfall");
    const QString punktlos = QString(QChar(0x0131));
    QFontMetricsF mass(schrift);
    QPainterPath text;
    text.addText(0, 0, schrift, vorne + punktlos + hinten);
    QPainterPath stiel;
    stiel.addText(mass.horizontalAdvance(vorne), 0, schrift, punktlos);
    const QRectF stielRahmen = stiel.boundingRect();

    // The dot: a small stone above the stem.
    const double rohRadius = stielRahmen.width() * 0.62;
    const QPointF rohPunkt(stielRahmen.center().x(),
                           stielRahmen.top() - stielRahmen.width() * 0.85);
    QPainterPath rohForm = text;
    rohForm.addEllipse(rohPunkt, rohRadius, rohRadius);

    // Fit it into the picture, leaving room for the outline, and for the
    // shadow to the lower right.
    const QRectF roh = rohForm.boundingRect();
    const QRectF platz(4.5, 2.5, LogoBreite - 4.5 - 9, LogoHoehe - 2.5 - 7.5);
    const double mass1 = std::min(platz.width() / roh.width(), platz.height() / roh.height());
    QTransform abbildung;
    abbildung.translate(platz.left() + (platz.width() - roh.width() * mass1) / 2,
                        platz.top() + (platz.height() - roh.height() * mass1) / 2);
    abbildung.scale(mass1, mass1);
    abbildung.translate(-roh.left(), -roh.top());
    const QPointF punktMitte = abbildung.map(rohPunkt);
    const double punktRadius = rohRadius * mass1;
    QPainterPath punkt;
    punkt.addEllipse(punktMitte, punktRadius, punktRadius);
    // Fill and outline are covered at the picture's own resolution; colours
    // below are worked out in logo pixels.
    const QPainterPath logoForm = abbildung.map(text).united(punkt);
    const int breite = Pixel(LogoBreite, f);
    const int hoehe = Pixel(LogoHoehe, f);
    const QPainterPath form =
        QTransform::fromScale(breite / double(LogoBreite), hoehe / double(LogoHoehe)).map(logoForm);
    const QPen umriss(Qt::white, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    QPen umrissFein = umriss;
    umrissFein.setWidthF(3.0 * f);
    const Deckungsbild fuellung = Abdecken(form, Qt::NoPen, breite, hoehe);
    const Deckungsbild kontur = Abdecken(form, umrissFein, breite, hoehe);
    // The soft shadow has no edge to sharpen: it is blurred in logo pixels
    // and sampled from there at every scale, so that its faint tail, which
    // decides how far the mask reaches, lies where it lies at 1x.
    const Deckungsbild kontur1 = Abdecken(logoForm, umriss, LogoBreite, LogoHoehe);
    const Deckungsbild fuellung1 = Abdecken(logoForm, Qt::NoPen, LogoBreite, LogoHoehe);
    Deckungsbild schattenQuelle = kontur1;
    for (int y = 0; y < LogoHoehe; ++y) {
        for (int x = 0; x < LogoBreite; ++x) {
            schattenQuelle.werte[static_cast<std::size_t>(y * LogoBreite + x)] =
                kontur1.An(x - 2, y - 3);
        }
    }
    const Deckungsbild schatten = Verwischen(schattenQuelle, 1);

    const double textOben = abbildung.mapRect(text.boundingRect()).top();
    const double textUnten = abbildung.mapRect(text.boundingRect()).bottom();
    const Farbe hintergrund = AusHex(Umgebung);
    LogoBilder ergebnis{NeuesBild(breite, hoehe), NeuesBild(breite, hoehe)};
    for (int y = 0; y < hoehe; ++y) {
        for (int x = 0; x < breite; ++x) {
            const double aSchatten =
                0.45 * schatten.Weich((x + 0.5) / f - 0.5, (y + 0.5) / f - 0.5);
            const double aKontur = kontur.An(x, y);
            const double aFuellung = fuellung.An(x, y);
            // Below 1.5 levels of difference the background shows instead;
            // the mask's hard edge then cannot be seen. A finer mask covers at
            // least the 1x one: where the outline's soft edge meets the
            // shadow's tail, the finer outline alone would leave pinholes.
            auto sichtbar = [](double k, double fl, double schattenWert) {
                return k > 0 || fl > 0 || 0.45 * schattenWert * 0.88 >= 1.5 / 255;
            };
            if (!sichtbar(aKontur, aFuellung, 0) &&
                !sichtbar(kontur1.An(static_cast<int>(x / f), static_cast<int>(y / f)),
                          fuellung1.An(static_cast<int>(x / f), static_cast<int>(y / f)),
                          schatten.An(static_cast<int>(x / f), static_cast<int>(y / f)))) {
                continue;
            }
            const double px = (x + 0.5) / f;
            const double py = (y + 0.5) / f;
            Farbe innen;
            const double zumPunkt = std::hypot(px - punktMitte.x(), py - punktMitte.y());
            if (zumPunkt < punktRadius + 0.8) {
                const double t = zumPunkt / punktRadius;
                const double licht =
                    std::max(0.0, 1 - std::hypot(px - punktMitte.x() + punktRadius * 0.35,
                                                 py - punktMitte.y() + punktRadius * 0.4) /
                                          (punktRadius * 0.9));
                innen = Mischen(AusHex(0xE0301F), AusHex(0x8E1208), Glatt(0.4, 1.0, t));
                innen = Mischen(innen, AusHex(0xFFFFFF), 0.7 * licht * licht);
            } else {
                const double t = std::clamp((py - textOben) / (textUnten - textOben), 0.0, 1.0);
                innen = Mischen(AusHex(0x6FA4FF), AusHex(0x1C4AB0), Glatt(0.0, 1.0, t));
                // Glossy upper half.
                if (t < 0.48) {
                    innen = Mischen(innen, AusHex(0xFFFFFF), 0.28 * (1 - t / 0.48) + 0.06);
                }
            }
            Farbe farbe = Mischen(hintergrund, AusHex(0x000000), aSchatten);
            farbe = Mischen(farbe, AusHex(0x0A1A48), aKontur);
            farbe = Mischen(farbe, innen, aFuellung);
            ergebnis.Logo.setPixel(x, y, AlsPixel(farbe));
            ergebnis.Maske.setPixel(x, y, Schwarz);
        }
    }
    return ergebnis;
}

QImage MorvellLogo(double massstab) {
    // The maker's mark: a bold M on a dark disc with a golden ring.
    QImage bild = NeuesBild(Pixel(MorvellGroesse, massstab), Pixel(MorvellGroesse, massstab),
                            0xFF000000 | Umgebung);
    QPainter maler(&bild);
    if (massstab != 1) {
        maler.scale(bild.width() / double(MorvellGroesse), bild.height() / double(MorvellGroesse));
    }
    maler.setRenderHint(QPainter::Antialiasing);
    QRadialGradient scheibe(QPointF(24, 20), 40);
    scheibe.setColorAt(0, QColor(0x3A6A86));
    scheibe.setColorAt(1, QColor(0x0E2234));
    maler.setPen(QPen(QColor(0xC9A03A), 2.5));
    maler.setBrush(scheibe);
    maler.drawEllipse(QPointF(32, 32), 29.5, 29.5);
    maler.setPen(QPen(QColor(0xF3D98A), 1.0));
    maler.setBrush(Qt::NoBrush);
    maler.drawEllipse(QPointF(32, 32), 25.5, 25.5);

    QFont schrift(SchriftTitel());
    schrift.setBold(true);
    schrift.setPixelSize(100);
    QPainterPath m;
    m.addText(0, 0, schrift, QStringLiteral("M"));
    const QRectF roh = m.boundingRect();
    const double mass = 26.0 / roh.height();
    QTransform abbildung;
    abbildung.translate(32 - roh.center().x() * mass, 33 - roh.center().y() * mass);
    abbildung.scale(mass, mass);
    const QPainterPath zeichen = abbildung.map(m);
    maler.setPen(Qt::NoPen);
    maler.setBrush(QColor(0, 0, 0, 110));
    maler.drawPath(zeichen.translated(1.2, 1.5));
    QLinearGradient gold(0, 20, 0, 46);
    gold.setColorAt(0, QColor(0xFFF1C2));
    gold.setColorAt(1, QColor(0xD9A93E));
    maler.setBrush(gold);
    maler.drawPath(zeichen);
    return bild;
}

} // namespace steinfall::bilder
