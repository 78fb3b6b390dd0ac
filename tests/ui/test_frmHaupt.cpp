#include "Testfenster.h"
#include "app/Start.h"
#include "ui/Bildflaeche.h"
#include "ui/Rasterop.h"
#include "zeichnen/Zeichnung.h"

#include <QGuiApplication>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>

#include <cmath>
#include <tuple>
#include <utility>

namespace steinfall {
namespace {

using namespace test;

TEST(frmHaupt, NachDemStartSpielbereitMitDenVorgaben) {
    Testfenster f;
    const QRect bildschirm = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(f.geometry(), bildschirm);
    auto* container = f.Control<QWidget>("picContainer");
    EXPECT_EQ(container->geometry(),
              QRect((bildschirm.width() - 640) / 2, (bildschirm.height() - 480) / 2, 640, 480));
    EXPECT_EQ(f.Control<Bildflaeche>("picSpielfeld")->geometry(), QRect(168, 88, 440, 345));
    EXPECT_EQ(f.Control<QLabel>("lblStatus")->geometry(), QRect(168, 432, 441, 17));
    EXPECT_EQ(f.Control<Bildflaeche>("picButtonNeuesSpiel")->geometry(), QRect(21, 96, 110, 27));
    EXPECT_EQ(f.Control<Bildflaeche>("picButtonExit")->geometry(), QRect(544, 448, 89, 27));
    EXPECT_EQ(f.Control<Bildflaeche>("picOptionen")->geometry(), QRect(16, 208, 121, 225));
    EXPECT_EQ(f.Control<QRadioButton>("optStaerke4")->geometry(), QRect(8, 72, 81, 17));

    // The logo shows its shape only; around it the background tile.
    const QImage flaeche = container->grab().toImage();
    EXPECT_EQ(flaeche.pixel(248 + 120, 8 + 30), Rot);
    EXPECT_EQ(flaeche.pixel(248 + 10, 8 + 10), Kachel);

    Spiel& spiel = f.Spielablauf();
    EXPECT_EQ(spiel.Spielstaerke(), Experte);
    EXPECT_TRUE(f.Klaenge().TonAn);
    EXPECT_TRUE(spiel.AnimationAn());
    EXPECT_EQ(f.StatusText(), spiel.Txt().TxtKlicken);
    EXPECT_EQ(f.Brett().Bild(), Testbilder().Brett);
}

TEST(frmHaupt, TastenErreichenDasFensterVorDenControls) {
    Testfenster f;
    auto* profi = f.Control<QRadioButton>("optStaerke4");
    profi->setFocus();
    QWindow* fenster = f.windowHandle();

    // Both cases toggle; other letters change nothing.
    for (const auto& [taste, ton, animation] : {std::tuple{'s', false, true},
                                                {'S', true, true},
                                                {'A', true, false},
                                                {'a', true, true},
                                                {'x', true, true}}) {
        QTest::keyClick(fenster, taste);
        EXPECT_EQ(f.Klaenge().TonAn, ton) << taste;
        EXPECT_EQ(f.Spielablauf().AnimationAn(), animation) << taste;
    }

    // ... and still go on to the focused control.
    QTest::keyClick(fenster, Qt::Key_Space);
    EXPECT_TRUE(profi->isChecked());
    EXPECT_EQ(f.Spielablauf().Spielstaerke(), Profi);
}

TEST(frmHaupt, OptionenWirkenSofortOderNachRueckfrage) {
    Testfenster f;
    Spiel& spiel = f.Spielablauf();
    QTest::mouseClick(f.Control<QRadioButton>("optStaerke1"), Qt::LeftButton);
    EXPECT_EQ(spiel.Spielstaerke(), Anfaenger);
    EXPECT_EQ(f.Gespielt, std::vector<std::string>{"WAHL.WAV"});

    f.SteinSetzen(38, 1);
    const QImage mitStein = f.Brett().Bild();
    Antworten(QMessageBox::No, [&](QMessageBox& box) {
        EXPECT_EQ(box.parent(), &f);
        EXPECT_EQ(box.icon(), QMessageBox::Question);
        EXPECT_EQ(box.text().toStdString(), spiel.Txt().TxtNeuesSpiel);
        EXPECT_EQ(box.button(QMessageBox::Yes)->text(), "&Ja");
    });
    QTest::mouseClick(f.Control<QRadioButton>("optAnfangSp2"), Qt::LeftButton);
    EXPECT_TRUE(spiel.ComputerBeginnt());
    EXPECT_EQ(f.Brett().Bild(), mitStein) << "No keeps the game";
}

TEST(frmHaupt, NeuesSpielImFallHaeltDenSteinOhneKlackUndLeertDasBrettbild) {
    Testfenster f;
    f.SteinSetzen(41, 2); // only in the picture: the game's board is empty
    f.SteinSetzen(31, 3);
    auto* neuesSpiel = f.Control<Bildflaeche>("picButtonNeuesSpiel");
    f.BeimFallStart = [&] {
        EXPECT_TRUE(f.Faellt());
        EXPECT_EQ(f.StatusText(), f.Spielablauf().Txt().TxtEinwerfen);
        QTest::mouseClick(neuesSpiel, Qt::LeftButton);
    };
    // Column 3 of the board, any height.
    QTest::mouseClick(f.Control<Bildflaeche>("picSpielfeld"), Qt::LeftButton, {}, QPoint(220, 50));

    EXPECT_FALSE(f.Faellt());
    EXPECT_EQ(f.Gespielt, std::vector<std::string>{"KLICK.WAV"});
    EXPECT_EQ(f.Brett().Bild(), Testbilder().Brett);
    EXPECT_EQ(f.Spielablauf().Stand().Brett, Spielbrett{});
    EXPECT_EQ(f.StatusText(), f.Spielablauf().Txt().TxtKlicken);
    // Nothing to wait for: the stopped fall must not paint a frame later.
    QTest::qWait(120);
    EXPECT_EQ(f.Brett().Bild(), Testbilder().Brett) << "a frame of the stopped fall";
}

// The screen follows the board picture: a stone and a new game repaint it.
// (The status line covers the board's last pixel row.)
TEST(frmHaupt, BildschirmZeigtDasBrettbild) {
    Testfenster f;
    auto* brett = f.Control<Bildflaeche>("picSpielfeld");
    const QRect sichtbar(0, 0, 440, 344);
    auto schirm = [&] {
        QApplication::processEvents();
        return QGuiApplication::primaryScreen()
            ->grabWindow(f.winId())
            .toImage()
            .copy(sichtbar.translated(brett->mapTo(&f, QPoint(0, 0))))
            .convertToFormat(QImage::Format_RGB32);
    };
    f.SteinSetzen(38, 1);
    EXPECT_EQ(schirm(), f.Brett().Bild().copy(sichtbar));
    QTest::mouseClick(f.Control<Bildflaeche>("picButtonNeuesSpiel"), Qt::LeftButton);
    EXPECT_EQ(schirm(), Testbilder().Brett.copy(sichtbar));
}

// The fall's timer runs on while the starting-side question waits; the user
// answers Yes only after the stone has reached its cell.
TEST(frmHaupt, FallEndetHinterDerFrageUndMaltNichtsInsNeueSpiel) {
    Testfenster f;
    Antworten(QMessageBox::No);
    QTest::mouseClick(f.Control<QRadioButton>("optAnfangSp2"), Qt::LeftButton);
    f.Gespielt.clear();

    QTimer jaNachDemFall;
    jaNachDemFall.setInterval(10);
    QObject::connect(&jaNachDemFall, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box && !f.Faellt()) {
            jaNachDemFall.stop();
            box->button(QMessageBox::Yes)->click();
        }
    });
    f.BeimFallStart = [&] {
        f.BeimFallStart = nullptr;
        jaNachDemFall.start();
        QTest::mouseClick(f.Control<QRadioButton>("optAnfangSp1"), Qt::LeftButton);
    };
    QTest::mouseClick(f.Control<Bildflaeche>("picSpielfeld"), Qt::LeftButton, {}, QPoint(220, 50));

    EXPECT_EQ(f.Gespielt, std::vector<std::string>{"WAHL.WAV"});
    EXPECT_EQ(f.Spielablauf().Stand().Brett, Spielbrett{});
    EXPECT_EQ(f.Brett().Bild(), Testbilder().Brett);
}

// Painted when shown, the tiles must land where laying them on a picture puts
// them: at a fractional scale, clipped at the right and bottom edges.
TEST(Kachelflaeche, MaltWieKachelnAufEinBild) {
    const QSize groesse(30, 17);
    const QColor farbe(0xC0, 0xC0, 0xC0);
    QImage kachel(7, 5, QImage::Format_RGB32);
    for (int y = 0; y < kachel.height(); ++y) {
        for (int x = 0; x < kachel.width(); ++x) {
            kachel.setPixel(x, y, qRgb(30 * x, 40 * y, 200));
        }
    }
    const Masstab fein = Masstab{}.Fein(2.25);

    Kachelflaeche flaeche(nullptr, groesse, farbe);
    flaeche.resize(groesse);
    QImage erwartet(groesse, QImage::Format_RGB32);
    erwartet.fill(farbe);
    EXPECT_EQ(flaeche.grab().toImage().convertToFormat(QImage::Format_RGB32), erwartet);

    flaeche.KachelnLegen(fein, kachel);
    Kacheln(erwartet, fein, kachel);
    EXPECT_EQ(flaeche.grab().toImage().convertToFormat(QImage::Format_RGB32), erwartet);
    EXPECT_EQ(erwartet.pixel(29, 16), kachel.pixel(29 % 7, 16 % 5));
}

// The game area paints the logo with its mask's and its own raster
// operations straight onto the tiles: that leaves the tiles around the shape
// only where the logo is white outside it, built and drawn alike.
TEST(Spielbereich, LogoWeissUmSeineForm) {
    bilder::SchriftenLaden();
    for (const double s : {1.0, 2.0, 3.0, 1.6, 2.25}) {
        const bool gebaut = s == std::round(s);
        const Bildsatz satz =
            gebaut ? BilderLaden(QStringLiteral(STEINFALL_BILDER), int(s)) : Bildsatz{};
        const bilder::LogoBilder gezeichnet =
            gebaut ? bilder::LogoBilder{satz.Logo, satz.LogoMaske} : bilder::Logo(s);
        const QImage logo = gezeichnet.Logo.convertToFormat(QImage::Format_RGB32);
        const QImage maske = gezeichnet.Maske.convertToFormat(QImage::Format_RGB32);
        int farbig = 0;
        for (int y = 0; y < logo.height(); ++y) {
            for (int x = 0; x < logo.width(); ++x) {
                farbig += qGray(maske.pixel(x, y)) != 0 && logo.pixel(x, y) != 0xffffffff;
            }
        }
        EXPECT_EQ(farbig, 0) << "Maßstab " << s;
    }
}

TEST(Start, NurBei96MalPunktProZollInBeidenRichtungen) {
    EXPECT_TRUE(AnzeigeNormal(96, 96));
    EXPECT_FALSE(AnzeigeNormal(120, 120));
    EXPECT_FALSE(AnzeigeNormal(96, 120));
    EXPECT_FALSE(AnzeigeNormal(120, 96));

    // Qt's default screen runs at 96: the main window opens.
    const std::unique_ptr<frmHaupt> fenster = Main();
    ASSERT_NE(fenster, nullptr);
    EXPECT_TRUE(fenster->isVisible());
}

TEST(Klang, NurMitAusgabeUndTonAn) {
    bool geraet = false;
    Klang klang;
    klang.GeraetDa = [&] { return geraet; };
    for (const auto& [mitGeraet, tonAn] : {std::pair{false, true}, {true, false}, {true, true}}) {
        geraet = mitGeraet;
        klang.TonAn = tonAn;
        klang.PlaySound("KLACK.WAV");
        EXPECT_EQ(klang.Laeuft() != nullptr, mitGeraet && tonAn);
    }
    ASSERT_NE(klang.Laeuft(), nullptr);
    EXPECT_TRUE(klang.Laeuft()->Pfad.endsWith("/KLACK.WAV"));
}

} // namespace
} // namespace steinfall
