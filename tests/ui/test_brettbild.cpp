#include "Testbilder.h"
#include "ui/Brettbild.h"
#include "ui/Fall.h"
#include "ui/Warten.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>
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

// A yellow stone dropped into cell ziel, tick by tick until it rests.
void Fallen(Fall& fall, int ziel) {
    fall.FallStarten(ziel, 2);
    for (int runde = 0; fall.Faellt() && runde < 100; ++runde) {
        fall.timFall_Timer();
    }
}

// The board after two stones, every frame of a stone falling past them
// behind the front, and the highlight over it once it rests.
std::vector<QImage> Verlauf(const Bildsatz& bilder) {
    Brettbild brett(bilder, Masstab{}.Fein(bilder.Faktor));
    brett.SteineMaskieren();
    brett.SteinSetzen(38, 2);
    brett.SteinSetzen(31, 1);
    std::vector<QImage> folge{brett.Bild()};
    Fall fall(brett);
    EXPECT_EQ(fall.timFall().interval(), 40);
    QObject::connect(&fall, &Fall::Gemalt, [&] { folge.push_back(brett.Bild()); });
    Fallen(fall, 24);
    brett.SteinSetzen(24, 3);
    folge.push_back(brett.Bild());
    return folge;
}

// Every 40 ms 450 twips lower, seen only through the empty holes of its
// column, and nothing of it left once it rests.
TEST(Fall, NurDurchDieLoecherSichtbarUndOhneSpuren) {
    const std::vector<QImage> folge = Verlauf(Testbilder());
    // Before, y = 0, 450, ..., 2250, the target 2700, the highlight.
    ASSERT_EQ(folge.size(), 9u);
    const QImage& vorher = folge.front();
    for (std::size_t i = 1; i < 8; ++i) {
        // Only empty holes of column 3 may change; the front, the other
        // columns and the stones below stay as they were.
        for (int y = 0; y < vorher.height(); ++y) {
            for (int x = 0; x < vorher.width(); ++x) {
                if (x < 200 || x >= 240 || vorher.pixel(x, y) != Loch) {
                    ASSERT_EQ(folge[i].pixel(x, y), vorher.pixel(x, y))
                        << i << ": " << x << "," << y;
                }
            }
        }
    }
    EXPECT_EQ(folge[7].pixel(Ecke(24) + QPoint(20, 20)), Gelb);

    Brettbild erwartet = NeuesBrettbild(Testbilder());
    for (const auto& [p, spieler] : {std::pair{38, 2}, {31, 1}, {24, 3}}) {
        erwartet.SteinSetzen(p, spieler);
    }
    EXPECT_EQ(folge.back(), erwartet.Bild());

    // The bottom row lies no whole number of steps down: the last frame
    // still sits exactly in its cell.
    Brettbild boden = NeuesBrettbild(Testbilder());
    Fall fall(boden);
    Fallen(fall, 39);
    EXPECT_EQ(boden.Bild().pixel(Ecke(39) + QPoint(20, 2)), Gelb);
}

// Each pixel as a faktor x faktor block.
QImage Bloecke(const QImage& bild, int faktor) {
    return bild.scaled(bild.size() * faktor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// Composed from pictures at 2x or 3x, the board is the 1x board at that
// scale: every stone, mask and frame lands on the same cells, pixel for
// pixel. At ratio 1 the pictures are used as they are.
TEST(Bildfaktor, FeinerZusammengesetztWieDasVergroesserteBrett) {
    for (const auto& [verhaeltnis, faktor] :
         {std::pair{1.0, 1}, {1.25, 2}, {1.5, 2}, {2.0, 2}, {3.0, 3}}) {
        EXPECT_EQ(Bildfaktor(verhaeltnis), faktor) << verhaeltnis;
    }

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
