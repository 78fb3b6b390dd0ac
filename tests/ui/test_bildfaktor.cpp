#include "Testbilder.h"
#include "ui/Brettbild.h"
#include "ui/Fall.h"

#include <gtest/gtest.h>

#include <vector>

namespace steinfall {
namespace {

using namespace test;

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

} // namespace
} // namespace steinfall
