#include "Testbilder.h"
#include "ui/Brettbild.h"
#include "ui/Fall.h"
#include "ui/Warten.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace steinfall {
namespace {

using namespace test;

// Top-left pixel of cell p's stone.
QPoint Ecke(int p) {
    return {20 + 60 * (p % 7), 15 + 55 * (p / 7)};
}

Brettbild NeuesBrettbild(const Bildsatz& bilder) {
    Brettbild brett(bilder, Masstab{});
    brett.SteineMaskieren();
    return brett;
}

// Each stone colours its disc and nothing else, the highlight too.
TEST(Brettbild, SteinSetzenFaerbtNurDieScheibe) {
    Brettbild brett = NeuesBrettbild(Testbilder());
    const QImage leer = brett.Bild();
    QImage erwartet = leer;
    for (const auto& [p, spieler, farbe] :
         {std::tuple{38, 1, Rot}, {38, 3, Gruen}, {0, 2, Gelb}, {41, 2, Gelb}}) {
        brett.SteinSetzen(p, spieler);
        Scheibe(erwartet, Ecke(p).x(), Ecke(p).y(), farbe);
        EXPECT_EQ(brett.Bild(), erwartet) << "cell " << p << ", stone " << spieler;
    }
    brett.Leeren();
    EXPECT_EQ(brett.Bild(), leer);
}

// Every 40 ms 450 twips lower, seen only through the empty holes of its
// column, and nothing of it left once it rests.
TEST(Fall, NurDurchDieLoecherSichtbarUndOhneSpuren) {
    const Bildsatz bilder = Testbilder();
    Brettbild brett = NeuesBrettbild(bilder);
    brett.SteinSetzen(38, 2);
    brett.SteinSetzen(31, 1);
    const QImage vorher = brett.Bild();

    Fall fall(brett);
    EXPECT_EQ(fall.timFall().interval(), 40);
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

// Each pixel as a faktor x faktor block.
QImage Bloecke(const QImage& bild, int faktor) {
    return bild.scaled(bild.size() * faktor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// The board after two stones, every frame of a stone falling past them
// behind the front, and the highlight over it once it rests.
std::vector<QImage> Verlauf(const Bildsatz& bilder) {
    Brettbild brett(bilder, Masstab{}.Fein(bilder.Faktor));
    brett.SteineMaskieren();
    brett.SteinSetzen(38, 2);
    brett.SteinSetzen(31, 1);
    Fall fall(brett);
    std::vector<QImage> folge;
    QObject::connect(&fall, &Fall::Gemalt, [&] { folge.push_back(brett.Bild()); });
    fall.FallStarten(24, 1);
    for (int runde = 0; fall.Faellt() && runde < 100; ++runde) {
        fall.timFall_Timer();
    }
    brett.SteinSetzen(24, 3);
    folge.push_back(brett.Bild());
    return folge;
}

// Composed from pictures at 2x or 3x, the board is the 1x board at that
// scale: every stone, mask and frame lands on the same cells, pixel for
// pixel. At ratio 1 the pictures are used as they are.
TEST(Bildfaktor, FeinerZusammengesetztWieDasVergroesserteBrett) {
    EXPECT_EQ(Bildfaktor(1.0), 1);
    EXPECT_EQ(Bildfaktor(1.25), 2);
    EXPECT_EQ(Bildfaktor(1.5), 2);
    EXPECT_EQ(Bildfaktor(2.0), 2);
    EXPECT_EQ(Bildfaktor(3.0), 3);

    const std::vector<QImage> grob = Verlauf(Testbilder());
    for (const int faktor : {2, 3}) {
        Bildsatz fein = Testbilder();
        fein.Faktor = faktor;
        for (QImage* bild : {&fein.Brett, &fein.SteinSpieler, &fein.SteinComputer,
                             &fein.SteinHervor, &fein.SteinMaske, &fein.SpalteMaske}) {
            *bild = Bloecke(*bild, faktor);
        }
        const std::vector<QImage> folge = Verlauf(fein);
        ASSERT_EQ(folge.size(), grob.size());
        for (std::size_t i = 0; i < folge.size(); ++i) {
            EXPECT_EQ(folge[i], Bloecke(grob[i], faktor)) << "faktor " << faktor << ", bild " << i;
        }
    }
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

} // namespace
} // namespace steinfall
