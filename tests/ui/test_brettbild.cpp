// The board picture: its stones, the falling stone, and the board at every
// scale down to the click that finds its column.

#include "Testfenster.h"
#include "core/Sprache.h"
#include "ui/Bilder.h"
#include "ui/Bildflaeche.h"
#include "ui/Brettbild.h"
#include "ui/Fall.h"
#include "ui/Masstab.h"
#include "ui/Warten.h"
#include "zeichnen/Zeichnung.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cctype>
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

TEST(Skalierung, FuellfaktorIstDerGroessteDerGanzPasst) {
    EXPECT_DOUBLE_EQ(Masstab::Fuellfaktor({640, 480}), 1.0);
    EXPECT_DOUBLE_EQ(Masstab::Fuellfaktor({1920, 1080}), 2.25);
    // Smaller than the area: 250 % on 1920 x 1080.
    EXPECT_DOUBLE_EQ(Masstab::Fuellfaktor({768, 432}), 0.9);
    // Portrait: the width decides.
    EXPECT_DOUBLE_EQ(Masstab::Fuellfaktor({1080, 1920}), 1.6875);
}

// Drawn at a scale no built set has, every stone the game paints lands in
// its hole: its disc covers only hole pixels of the board, and the falling
// stone's column mask is open exactly there.
TEST(Skalierung, SteineTreffenDieLoecherBeiJedemMassstab) {
    // At the designed size the cells lie where the layout's twips put them.
    for (int spalte = 0; spalte < geometrie::Spalten; ++spalte) {
        EXPECT_EQ(bilder::SteinX(spalte), bilder::SteinXPixel(spalte, 1));
    }
    for (int zeile = 0; zeile < geometrie::Zeilen; ++zeile) {
        EXPECT_EQ(bilder::SteinY(zeile), bilder::SteinYPixel(zeile, 1));
    }
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
        Testfenster f(std::make_unique<Regelspieler>(), faktor);
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

// At 1, 2 and 3 the game shows the built sets: they must be what it would
// draw there itself, picture for picture and the German buttons with them,
// or the look would jump between scales and languages (and a set read at
// the wrong scale would show blurred).
TEST(Skalierung, GebauteSaetzeSindDieZeichnung) {
    for (const int s : {1, 2, 3}) {
        Bildsatz gebaut = BilderFuer(QStringLiteral(STEINFALL_BILDER), s);
        Bildsatz gezeichnet = BilderZeichnen(s);
        const auto g = Bilder(gebaut);
        const auto z = Bilder(gezeichnet);
        for (std::size_t i = 0; i < g.size(); ++i) {
            EXPECT_EQ(g[i]->convertToFormat(QImage::Format_RGB32),
                      z[i]->convertToFormat(QImage::Format_RGB32))
                << bilder::Bildarten[i].Name << " bei " << s;
        }
    }
}

// The loaded set holds each picture where the game looks for it: each stone
// in its own colour, and in English buttons lettered apart from the German.
TEST(Bildsatz, JedesBildAnSeinemPlatz) {
    const Bildsatz de = BilderLaden(QStringLiteral(STEINFALL_BILDER));
    SpracheWaehlen("en");
    const Bildsatz en = BilderLaden(QStringLiteral(STEINFALL_BILDER));
    SpracheWaehlen(Ursprache);
    const std::pair<const QImage*, std::uint32_t> steine[] = {
        {&de.SteinSpieler, bilder::FarbeSpieler},
        {&de.SteinComputer, bilder::FarbeComputer},
        {&de.SteinHervor, bilder::FarbeHervor}};
    const auto abstand = [](QRgb p, std::uint32_t farbe) {
        return std::abs(qRed(p) - qRed(farbe)) + std::abs(qGreen(p) - qGreen(farbe)) +
               std::abs(qBlue(p) - qBlue(farbe));
    };
    for (const auto& [stein, farbe] : steine) {
        const QRgb mitte = stein->pixel(stein->rect().center());
        for (const auto& [anderer, andere] : steine) {
            EXPECT_TRUE(stein == anderer || abstand(mitte, farbe) < abstand(mitte, andere));
        }
    }
    for (const auto& [d, e] : {std::pair{&de.KnopfNeuesSpiel, &en.KnopfNeuesSpiel},
                               {&de.KnopfAnleitung, &en.KnopfAnleitung},
                               {&de.KnopfCopyright, &en.KnopfCopyright},
                               {&de.KnopfBeenden, &en.KnopfBeenden},
                               {&de.KnopfZurueck, &en.KnopfZurueck}}) {
        EXPECT_NE((*d)[0], (*e)[0]);
        EXPECT_NE((*d)[1], (*e)[1]);
    }
}

// A drawn set is kept in the cache and read from there on the next start:
// it must come back pixel for pixel, and a kept file cut short must be drawn
// anew rather than shown.
// Kilobytes of a mapped file that this process holds in memory.
int Resident(const QString& pfad) {
    QFile smaps(QStringLiteral("/proc/self/smaps"));
    EXPECT_TRUE(smaps.open(QIODevice::ReadOnly | QIODevice::Text));
    const QByteArray name = QFile::encodeName(pfad);
    bool darin = false;
    int kb = 0;
    for (QByteArray zeile = smaps.readLine(); !zeile.isEmpty(); zeile = smaps.readLine()) {
        if (!zeile.isEmpty() && std::isxdigit(static_cast<unsigned char>(zeile[0])) &&
            zeile.contains('-') && zeile.contains(' ')) {
            darin = zeile.trimmed().endsWith(name);
        } else if (darin && zeile.startsWith("Rss:")) {
            kb += zeile.mid(4).trimmed().split(' ').front().toInt();
        }
    }
    return kb;
}

TEST(Skalierung, AbgelegterSatzIstDieZeichnung) {
    const QTemporaryDir ablage;
    const QByteArray vorher = qgetenv("XDG_CACHE_HOME");
    qputenv("XDG_CACHE_HOME", ablage.path().toLocal8Bit());
    const double s = 1.25;
    const Bildsatz z = BilderZeichnen(s);
    const auto vergleichen = [&z](const Bildsatz& g, const char* fall) {
        const std::vector<std::tuple<const char*, const QImage*, const QImage*>> paare{
            {"Brett", &g.Brett, &z.Brett},
            {"SteinSpieler", &g.SteinSpieler, &z.SteinSpieler},
            {"SteinMaske", &g.SteinMaske, &z.SteinMaske},
            {"SpalteMaske", &g.SpalteMaske, &z.SpalteMaske},
            {"LogoMaske", &g.LogoMaske, &z.LogoMaske},
            {"HG2", &g.HG2, &z.HG2},
            {"KnopfBeenden", &g.KnopfBeenden[1], &z.KnopfBeenden[1]},
            {"MorvellLogo", &g.MorvellLogo, &z.MorvellLogo}};
        for (const auto& [name, gelesen, gezeichnet] : paare) {
            EXPECT_EQ(gelesen->convertToFormat(QImage::Format_RGB32),
                      gezeichnet->convertToFormat(QImage::Format_RGB32))
                << fall << ", " << name;
        }
    };
    BilderFuer(QStringLiteral(STEINFALL_BILDER), s);
    const QDir saetze(ablage.path() +
                      QStringLiteral("/steinfall/bilder-%1").arg(bilder::Zeichnungsstand));
    const QStringList satz = saetze.entryList({QStringLiteral("1.250000-*")}, QDir::Dirs);
    ASSERT_EQ(satz.size(), 1);
    const QString brett = saetze.filePath(satz.front() + QStringLiteral("/brett.roh"));
    ASSERT_TRUE(QFileInfo::exists(brett));
    {
        const Bildsatz gelesen = BilderFuer(QStringLiteral(STEINFALL_BILDER), s);
        // A picture that nothing has drawn yet, the pressed button, is not in memory.
        const QString gedrueckt =
            QFileInfo(brett).path() + QStringLiteral("/knopf_beenden_gedrueckt.roh");
        ASSERT_TRUE(QFileInfo::exists(gedrueckt));
        EXPECT_EQ(Resident(gedrueckt), 0);
        vergleichen(gelesen, "gelesen");
        EXPECT_GT(Resident(gedrueckt), 0) << "the measure sees a drawn picture";
    }
    QFile(brett).resize(QFileInfo(brett).size() - 4);
    vergleichen(BilderFuer(QStringLiteral(STEINFALL_BILDER), s), "gekuerzt");
    if (vorher.isNull()) {
        qunsetenv("XDG_CACHE_HOME");
    } else {
        qputenv("XDG_CACHE_HOME", vorher);
    }
}

} // namespace
} // namespace steinfall
