#include "Testbilder.h"
#include "ui/Brettbild.h"
#include "ui/Fall.h"
#include "ui/Warten.h"

#include <gtest/gtest.h>

#include <vector>

namespace steinfall {
namespace {

using namespace test;

// Top-left pixel of cell p's stone.
QPoint Ecke(int p) {
    return {20 + 60 * (p % 7), 15 + 55 * (p / 7)};
}

// Inside the disc of cell p every pixel has `farbe`; everywhere else the
// picture equals `vorher`.
void PruefeNurScheibe(const QImage& bild, const QImage& vorher, int p, QRgb farbe) {
    const QImage maske = Testbilder().SteinMaske;
    const QPoint ecke = Ecke(p);
    int abweichend = 0;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            const QPoint innen = QPoint(x, y) - ecke;
            const bool scheibe =
                QRect(0, 0, 40, 40).contains(innen) && maske.pixel(innen) == 0xff000000;
            abweichend += bild.pixel(x, y) != (scheibe ? farbe : vorher.pixel(x, y));
        }
    }
    EXPECT_EQ(abweichend, 0) << "cell " << p;
}

Brettbild NeuesBrettbild(const Bildsatz& bilder) {
    Brettbild brett(bilder, Masstab{});
    brett.SteineMaskieren();
    return brett;
}

TEST(Brettbild, SteinSetzenFaerbtNurDieScheibe) {
    Brettbild brett = NeuesBrettbild(Testbilder());
    const QImage leer = brett.Bild();

    brett.SteinSetzen(38, 1);
    PruefeNurScheibe(brett.Bild(), leer, 38, Rot);
    const QImage mitStein = brett.Bild();
    brett.SteinSetzen(38, 3); // the highlight replaces the colours inside the disc only
    PruefeNurScheibe(brett.Bild(), mitStein, 38, Gruen);

    brett.SteinSetzen(0, 2);
    brett.SteinSetzen(41, 2);
    EXPECT_EQ(brett.Bild().pixel(Ecke(0) + QPoint(20, 20)), Gelb);
    EXPECT_EQ(brett.Bild().pixel(Ecke(41) + QPoint(20, 20)), Gelb);

    brett.Leeren();
    EXPECT_EQ(brett.Bild(), leer);
}

// A stone that is one full square, seen through an all-open column: the
// first red row of each frame is where it was painted.
std::vector<int> Bildzeilen(int ziel, bool mitTimer) {
    Bildsatz bilder = Testbilder();
    bilder.SteinSpieler.fill(Rot);
    bilder.SteinMaske.fill(Qt::black);
    bilder.SpalteMaske.fill(Qt::white);
    Brettbild brett = NeuesBrettbild(bilder);
    Fall fall(brett);
    std::vector<int> zeilen;
    QObject::connect(&fall, &Fall::Gemalt, [&] {
        int y = 0;
        while (y < 345 && brett.Bild().pixel(Ecke(ziel).x(), y) != Rot) {
            ++y;
        }
        zeilen.push_back(y);
    });
    fall.FallStarten(ziel, 1);
    // Bounded, so that a fall that never ends fails instead of hanging.
    for (int runde = 0; fall.Faellt() && runde < 1000; ++runde) {
        if (mitTimer) {
            AufEreignisWarten();
        } else {
            fall.timFall_Timer();
        }
    }
    return zeilen;
}

TEST(Fall, AlleVierzigMillisekunden450TwipsTieferUndZuletztImZiel) {
    Brettbild brett = NeuesBrettbild(Testbilder());
    EXPECT_EQ(Fall(brett).timFall().interval(), 40);
    // Twips 0, 450, ..., 4050 and the bottom row's 4350, in pixels.
    const std::vector<int> bisUnten{0, 30, 60, 90, 120, 150, 180, 210, 240, 270, 290};
    EXPECT_EQ(Bildzeilen(38, false), bisUnten);
    EXPECT_EQ(Bildzeilen(3, false), (std::vector<int>{0, 15}));
    EXPECT_EQ(Bildzeilen(38, true), bisUnten);
}

// A clock that moves only while the wait sleeps, a millisecond at most.
TEST(Warten, MindestensElfKommaEinsMillisekunden) {
    struct Testuhr : Warteuhr {
        Zeitpunkt T{};
        Zeitpunkt Jetzt() override { return T; }
        void Schlafen(Dauer dauer) override {
            T += std::min<Dauer>(dauer, std::chrono::milliseconds(1));
        }
    } uhr;
    Warten(uhr);
    EXPECT_GE(uhr.T.time_since_epoch(), std::chrono::microseconds(11100));
    EXPECT_LT(uhr.T.time_since_epoch(), std::chrono::microseconds(11200));
}

TEST(Fall, NurDurchDieLoecherSichtbarUndOhneSpuren) {
    const Bildsatz bilder = Testbilder();
    Brettbild brett = NeuesBrettbild(bilder);
    brett.SteinSetzen(38, 2);
    brett.SteinSetzen(31, 1);
    const QImage vorher = brett.Bild();

    Fall fall(brett);
    int bilderGezeigt = 0;
    QObject::connect(&fall, &Fall::Gemalt, [&] {
        ++bilderGezeigt;
        // Only empty holes of column 3 may change; the front, the other
        // columns and the stones below stay as they were.
        for (int y = 0; y < vorher.height(); ++y) {
            for (int x = 0; x < vorher.width(); ++x) {
                const bool offen = x >= 200 && x < 240 && vorher.pixel(x, y) == Loch;
                if (!offen) {
                    ASSERT_EQ(brett.Bild().pixel(x, y), vorher.pixel(x, y)) << x << "," << y;
                }
            }
        }
    });
    fall.FallStarten(24, 2);
    for (int runde = 0; fall.Faellt() && runde < 100; ++runde) {
        fall.timFall_Timer();
    }
    EXPECT_EQ(bilderGezeigt, 7); // y = 0, 450, ..., 2250, then the target 2700
    EXPECT_EQ(brett.Bild().pixel(Ecke(24) + QPoint(20, 20)), Gelb);

    // Once the stone rests, nothing of the frames is left.
    brett.SteinSetzen(24, 2);
    Brettbild erwartet = NeuesBrettbild(bilder);
    erwartet.SteinSetzen(38, 2);
    erwartet.SteinSetzen(31, 1);
    erwartet.SteinSetzen(24, 2);
    EXPECT_EQ(brett.Bild(), erwartet.Bild());
}

} // namespace
} // namespace steinfall
