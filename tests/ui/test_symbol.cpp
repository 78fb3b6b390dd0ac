// The scalable icon shows what the icon pictures show: rasterised at 256
// pixels as a desktop renders it, it matches the 256-pixel picture.

#include "ui/Symbolquelle.h"

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

const QString Symbole = QStringLiteral(STEINFALL_BILDER "/icons/");

TEST(Symbol, VektorbildGleichtDemBildMit256Pixeln) {
    QFile svg(Symbole + "steinfall.svg");
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    // Drawn with shapes, not a picture wrapped in SVG.
    EXPECT_FALSE(svg.readAll().contains("<image")) << "ein Rasterbild im SVG";

    QTemporaryDir ordner;
    const QString ausgabe = ordner.filePath("symbol.png");
    QProcess rsvg;
    rsvg.start("rsvg-convert",
               {"-w", "256", "-h", "256", "-o", ausgabe, Symbole + "steinfall.svg"});
    ASSERT_TRUE(rsvg.waitForFinished(30000)) << "rsvg-convert fehlt (Paket librsvg2-bin)";
    ASSERT_EQ(rsvg.exitCode(), 0) << rsvg.readAllStandardError().toStdString();

    const QImage gerastert = QImage(ausgabe).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage bild =
        QImage(Symbole + "steinfall-256.png").convertToFormat(QImage::Format_ARGB32_Premultiplied);
    ASSERT_EQ(gerastert.size(), QSize(256, 256));
    ASSERT_EQ(bild.size(), QSize(256, 256));
    long summe = 0;
    int abweichend = 0;
    int groesste = 0;
    for (int y = 0; y < 256; ++y) {
        for (int x = 0; x < 256; ++x) {
            const QRgb a = gerastert.pixel(x, y);
            const QRgb b = bild.pixel(x, y);
            const int d =
                std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                          std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
            summe += d;
            groesste = std::max(groesste, d);
            abweichend += d > 24 ? 1 : 0;
        }
    }
    // On average within two and a half steps of 255, more than 24 only along
    // edges, where the picture's 16 samples per pixel and the rasteriser's
    // coverage differ, and by no more than a fifth anywhere.
    EXPECT_LE(static_cast<double>(summe) / (256 * 256), 2.5);
    EXPECT_LE(abweichend, 256 * 256 * 3 / 200);
    EXPECT_LE(groesste, 51);
}

// The window's icon reads its pictures only when asked; what it gives for
// any size is what an icon made from the same files gives.
TEST(Symbol, FenstersymbolGibtWasDieBilderGeben) {
    const QList<int> groessen{32, 64, 256};
    QIcon bilder;
    for (const int g : groessen) {
        bilder.addFile(Symbole + QStringLiteral("steinfall-%1.png").arg(g));
    }
    const QIcon quelle(new steinfall::Symbolquelle(Symbole + "steinfall-%1.png", {256, 32, 64}));
    EXPECT_EQ(quelle.availableSizes(), bilder.availableSizes());
    for (const int g : {16, 32, 40, 48, 64, 100, 256, 300}) {
        const QSize groesse(g, g);
        EXPECT_EQ(quelle.actualSize(groesse), bilder.actualSize(groesse)) << g;
        EXPECT_EQ(quelle.pixmap(groesse).toImage(), bilder.pixmap(groesse).toImage()) << g;
    }
    EXPECT_EQ(quelle.pixmap(QSize(20, 40)).size(), bilder.pixmap(QSize(20, 40)).size());
}

} // namespace
