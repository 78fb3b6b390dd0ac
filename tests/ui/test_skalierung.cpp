// The game area scaled to the screen: the factor, pictures drawn at a
// fractional scale whose holes meet the stones, and clicks that find their
// column at every factor.

#include "Testfenster.h"
#include "ui/Bilder.h"
#include "ui/Bildflaeche.h"
#include "ui/Brettbild.h"
#include "ui/Masstab.h"
#include "ui/zeichnen/Zeichnung.h"

#include <gtest/gtest.h>

namespace steinfall {
namespace {

TEST(Skalierung, FuellfaktorIstDerGroessteDerGanzPasst) {
    EXPECT_DOUBLE_EQ(Masstab::Fuellfaktor({640, 480}), 1.0);
    EXPECT_DOUBLE_EQ(Masstab::Fuellfaktor({1920, 1080}), 2.25);
    EXPECT_DOUBLE_EQ(Masstab::Fuellfaktor({1024, 768}), 1.6);
    EXPECT_DOUBLE_EQ(Masstab::Fuellfaktor({2560, 1440}), 3.0);
    // Smaller than the area: 250 % on 1920 x 1080.
    EXPECT_DOUBLE_EQ(Masstab::Fuellfaktor({768, 432}), 0.9);
    // Portrait: the width decides.
    EXPECT_DOUBLE_EQ(Masstab::Fuellfaktor({1080, 1920}), 1.6875);
}

// Drawn at a scale no built set has, every stone the game paints lands in
// its hole: its disc covers only hole pixels of the board, and the falling
// stone's column mask is open exactly there.
TEST(Skalierung, SteineTreffenDieLoecherBeiJedemMassstab) {
    // 1.6875 (a portrait 1080 x 1920 screen) makes a stone 67.5 pixels wide:
    // the holes then sit off the exact multiples.
    for (const double s : {1.25, 1.6875, 2.25, 4.5}) {
        Bildsatz b;
        b.Faktor = s;
        b.Brett = bilder::BrettBild(s);
        b.SteinMaske = bilder::SteinMaske(s);
        b.SpalteMaske = bilder::SpaltenMaske(s);
        b.SteinSpieler = b.SteinComputer = b.SteinHervor = b.SteinMaske;
        const Masstab m = Masstab{}.Fein(s);
        const Brettbild brett(b, m);
        for (int p = 0; p < 42; ++p) {
            const int x = m.PixelX(brett.SteinX(p, 1));
            const int y = m.PixelY(brett.SteinY(p, 1));
            for (int j = 0; j < b.SteinMaske.height(); ++j) {
                for (int i = 0; i < b.SteinMaske.width(); ++i) {
                    if (b.SteinMaske.pixel(i, j) != 0xFF000000) {
                        continue;
                    }
                    // The hole shows the board's dark inside, the front is bright.
                    ASSERT_LT(qBlue(b.Brett.pixel(x + i, y + j)), 0x80)
                        << "Massstab " << s << ", Zelle " << p << ", Punkt " << i << "," << j;
                    ASSERT_EQ(b.SpalteMaske.pixel(i, y + j), 0xFFFFFFFF)
                        << "Massstab " << s << ", Zelle " << p << ", Punkt " << i << "," << j;
                }
            }
        }
    }
}

// A click on the first or the last pixel of a column's stone drops into that
// column, whatever the factor.
TEST(Skalierung, KlickFindetSeineSpalteBeiJedemFaktor) {
    for (const double faktor : {0.9, 2.25}) {
        test::Testfenster f(std::make_unique<Regelspieler>(), faktor);
        f.Spielablauf().AnimationSetzen(false);
        auto* brett = f.Control<Bildflaeche>("picSpielfeld");
        const Masstab& m = f.Massstab();
        for (int spalte = 0; spalte < 7; ++spalte) {
            // The left edge in even columns, the right one in odd columns.
            const double links = geometrie::SteinLinks(spalte);
            const int x =
                spalte % 2 == 0 ? m.PixelX(links) : m.PixelX(links + geometrie::SteinGroesse) - 1;
            QTest::mouseClick(brett, Qt::LeftButton, {}, QPoint(x, brett->height() / 2));
            EXPECT_EQ(f.Spielablauf().Stand().Brett[35 + spalte], SteinSpieler)
                << "Faktor " << faktor << ", Spalte " << spalte << ", x " << x;
            f.Spielablauf().NeuesSpiel();
        }
    }
}

// At 2 and 3 the game shows the built sets: they must be what it would draw
// there itself, picture for picture, or the look would jump between scales
// (and a set read at the wrong scale would show blurred).
TEST(Skalierung, GebauteSaetzeSindDieZeichnung) {
    for (const int s : {2, 3}) {
        const Bildsatz g = BilderFuer(QStringLiteral(STEINFALL_BILDER), s);
        const Bildsatz z = BilderZeichnen(s);
        const auto gleich = [](const QImage& a, const QImage& b) {
            return a.convertToFormat(QImage::Format_RGB32) ==
                   b.convertToFormat(QImage::Format_RGB32);
        };
        EXPECT_TRUE(gleich(g.Brett, z.Brett)) << "Brett bei " << s;
        EXPECT_TRUE(gleich(g.SteinSpieler, z.SteinSpieler)) << "SteinSpieler bei " << s;
        EXPECT_TRUE(gleich(g.SteinComputer, z.SteinComputer)) << "SteinComputer bei " << s;
        EXPECT_TRUE(gleich(g.SteinHervor, z.SteinHervor)) << "SteinHervor bei " << s;
        EXPECT_TRUE(gleich(g.SpalteMaske, z.SpalteMaske)) << "SpalteMaske bei " << s;
    }
}

} // namespace
} // namespace steinfall
