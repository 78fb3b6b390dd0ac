// The picture buttons in the language shown: the built set carries the German
// captions, any other language has its buttons drawn from its own, and a
// caption too wide for its button is set smaller rather than cut.

#include "core/Sprache.h"
#include "ui/Bilder.h"
#include "zeichnen/Zeichnung.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFontMetricsF>
#include <QTemporaryDir>

#include <array>
#include <cmath>

namespace steinfall {
namespace {

using Knopfbilder = std::array<QImage, 2> Bildsatz::*;
struct Knopf {
    Knopfbilder Bilder;
    const bilder::Knopfbeschriftung* Beschriftung;
    const char* Englisch;
};
const Knopf Knoepfe[] = {
    {&Bildsatz::KnopfNeuesSpiel, &bilder::KnopfNeuesSpiel, "New game"},
    {&Bildsatz::KnopfAnleitung, &bilder::KnopfAnleitung, "Instructions"},
    {&Bildsatz::KnopfCopyright, &bilder::KnopfCopyright, "About"},
    {&Bildsatz::KnopfBeenden, &bilder::KnopfBeenden, "Quit"},
    {&Bildsatz::KnopfZurueck, &bilder::KnopfZurueck, "Back"},
};

// English for one test, German again after it.
struct AufEnglisch {
    AufEnglisch() { SpracheWaehlen("en"); }
    ~AufEnglisch() { SpracheWaehlen(Ursprache); }
    AufEnglisch(const AufEnglisch&) = delete;
    AufEnglisch& operator=(const AufEnglisch&) = delete;
};

// Every button of `b`, both looks, is the drawing of its German or English caption.
void BeschriftetWie(const Bildsatz& b, bool deutsch, double massstab, const char* fall) {
    for (const Knopf& k : Knoepfe) {
        const QString text = QString::fromUtf8(deutsch ? k.Beschriftung->Deutsch : k.Englisch);
        for (const bool gedrueckt : {false, true}) {
            EXPECT_EQ((b.*k.Bilder)[gedrueckt],
                      bilder::KnopfBild(text, k.Beschriftung->Breite, gedrueckt, massstab))
                << fall << ": " << text.toStdString() << (gedrueckt ? " gedrückt" : "") << " bei "
                << massstab;
        }
    }
}

// The game's built German set holds one file per picture and scale: no set
// for another language is left to be loaded instead of drawn.
TEST(Knoepfe, GebautNurAufDeutsch) {
    const QStringList dateien =
        QDir(QStringLiteral(STEINFALL_BILDER)).entryList({QStringLiteral("*.png")});
    EXPECT_EQ(dateien.size(), static_cast<qsizetype>(bilder::Bildarten.size() * 3))
        << dateien.join(' ').toStdString();
    for (const QString& datei : dateien) {
        EXPECT_FALSE(datei.contains(QStringLiteral("_en"))) << datei.toStdString();
    }
}

// In English the buttons show their English captions at the built scales
// and between them, each in its own look.
TEST(Knoepfe, InFremderSpracheAusIhrerBeschriftung) {
    bilder::SchriftenLaden();
    const AufEnglisch englisch;
    for (const int s : {1, 2, 3}) {
        BeschriftetWie(BilderLaden(QStringLiteral(STEINFALL_BILDER), s), false, s, "gebaut");
    }
    BeschriftetWie(BilderZeichnen(1.25), false, 1.25, "gezeichnet");
}

// A set drawn for one language's captions and kept in the cache is never
// read back for another's.
TEST(Knoepfe, AbgelegterSatzNurFuerSeineBeschriftung) {
    const QTemporaryDir ablage;
    const QByteArray vorher = qgetenv("XDG_CACHE_HOME");
    qputenv("XDG_CACHE_HOME", ablage.path().toLocal8Bit());
    const QString ordner = QStringLiteral(STEINFALL_BILDER);
    const double s = 2.25;
    BilderFuer(ordner, s);
    {
        const AufEnglisch englisch;
        BeschriftetWie(BilderFuer(ordner, s), false, s, "nach dem deutschen");
        BeschriftetWie(BilderFuer(ordner, s), false, s, "abgelegt");
    }
    BeschriftetWie(BilderFuer(ordner, s), true, s, "nach dem englischen");
    const QDir saetze(ablage.path() +
                      QStringLiteral("/steinfall/bilder-%1").arg(bilder::Zeichnungsstand));
    EXPECT_EQ(saetze.entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 2);
    if (vorher.isNull()) {
        qunsetenv("XDG_CACHE_HOME");
    } else {
        qputenv("XDG_CACHE_HOME", vorher);
    }
}

// The caption between the rounded corners: where the corners are, the
// lettered button is the bare one.
bool EckenFrei(const QImage& bild, const QImage& leer, double massstab) {
    const int rand = static_cast<int>(std::ceil(6 * massstab));
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            if ((x < rand || x >= bild.width() - rand) && bild.pixel(x, y) != leer.pixel(x, y)) {
                return false;
            }
        }
    }
    return true;
}

// A caption wider than its button at the designed size is set smaller, down
// to three quarters, and stays off the corners at every scale; one too wide
// even then is reported by how far it reaches, in the picture's pixels.
TEST(Knoepfe, ZuBreiteBeschriftungWirdKleiner) {
    bilder::SchriftenLaden();
    const int breite = bilder::KnopfBeenden.Breite;
    const QString knapp = QStringLiteral("Spiel beenden");
    QFont gross(bilder::SchriftKnopf());
    gross.setBold(true);
    gross.setPixelSize(12);
    ASSERT_GT(QFontMetricsF(gross).horizontalAdvance(knapp), breite - 12) << "passt ungekürzt";
    for (const double s : {1.0, 2.0, 3.0, 1.25, 2.25}) {
        EXPECT_EQ(bilder::KnopfUeberstand(knapp, breite, s), 0) << s;
        for (const bool gedrueckt : {false, true}) {
            EXPECT_TRUE(EckenFrei(bilder::KnopfBild(knapp, breite, gedrueckt, s),
                                  bilder::KnopfBild(QString(), breite, gedrueckt, s), s))
                << s << (gedrueckt ? " gedrückt" : "");
        }
    }
    const QString lang = QStringLiteral("Spiel jetzt beenden");
    const int ueberstand = bilder::KnopfUeberstand(lang, breite, 1);
    EXPECT_GT(ueberstand, 0);
    EXPECT_NEAR(bilder::KnopfUeberstand(lang, breite, 2), 2 * ueberstand, 2);
    EXPECT_NEAR(bilder::KnopfUeberstand(lang, breite, 2.25), 2.25 * ueberstand, 3);
}

// The captions the game ships fit their buttons at every scale.
TEST(Knoepfe, BeschriftungenPassen) {
    bilder::SchriftenLaden();
    for (const Knopf& k : Knoepfe) {
        for (const char* text : {k.Beschriftung->Deutsch, k.Englisch}) {
            for (const double s : {1.0, 2.0, 3.0, 1.25, 2.25}) {
                EXPECT_EQ(
                    bilder::KnopfUeberstand(QString::fromUtf8(text), k.Beschriftung->Breite, s), 0)
                    << text << " bei " << s;
            }
        }
    }
}

} // namespace
} // namespace steinfall
