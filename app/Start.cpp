#include "app/Start.h"

#include "ai/Regelspieler.h"
#include "core/Geometrie.h"
#include "core/Texte.h"
#include "core/Zufall.h"
#include "ui/Bilder.h"
#include "ui/Sprachtext.h"
#include "ui/frmHaupt.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QMessageBox>
#include <QScreen>
#include <QThreadPool>

#include <QTextStream>

#include <cmath>
#include <cstdint>
#include <tuple>

namespace steinfall {

namespace {

// A replayable random source for tests that script whole games in the real
// window: seeded once, the random steps draw on from there instead of
// re-seeding from the clock.
class SaatZufall : public Zufallsquelle {
public:
    explicit SaatZufall(std::uint64_t saat) : folge_(saat) {}
    double Ziehen() override { return folge_.Gleich(); }

private:
    SplitMix64 folge_;
};

// The rule-based player drawing from its own seeded source.
class GesaeterSpieler : public Computerspieler {
public:
    explicit GesaeterSpieler(std::uint64_t saat) : quelle_(saat) {}
    Spaltencode SpalteWaehlen(const Spielstand& stand,
                              const std::function<void()>& ereignisse) override {
        return spieler_.SpalteWaehlen(stand, ereignisse);
    }

private:
    SaatZufall quelle_;
    Regelspieler spieler_{quelle_};
};

// STEINFALL_ZUFALL=<seed> makes the computer's random draws replayable.
std::unique_ptr<Computerspieler> ComputerWaehlen() {
    bool gesetzt = false;
    const qulonglong saat = qEnvironmentVariable("STEINFALL_ZUFALL").toULongLong(&gesetzt);
    if (gesetzt) {
        return std::make_unique<GesaeterSpieler>(saat);
    }
    return std::make_unique<Regelspieler>();
}

} // namespace

bool AnzeigeNormal(int dpiX, int dpiY) {
    return dpiX == 96 && dpiY == 96;
}

std::string SchriftgradText() {
    // TRANSLATORS: message box text when the screen's resolution is not the normal one
    return MitCrLf(Uebersetzung("Sie haben eine benutzerdefinierte Schriftgröße unter\n"
                                "Windows eingestellt.\n"
                                "Steinfall kann allerdings nur mit eingestellter normaler\n"
                                "Schriftgröße gestartet werden."));
}

double Spielfaktor(bool originalgroesse) {
    return originalgroesse
               ? 1.0
               : Masstab::Fuellfaktor(QGuiApplication::primaryScreen()->geometry().size());
}

std::unique_ptr<frmHaupt> Main(bool originalgroesse) {
    // The style draws the options' frames from a picture, and the first
    // picture read loads every picture plugin there is. Loaded beside the
    // start on another core, they are ready before the first frame.
    QThreadPool::globalInstance()->start([] { QImageReader::supportedImageFormats(); });
    const QScreen& bildschirm = *QGuiApplication::primaryScreen();
    if (!AnzeigeNormal(qRound(bildschirm.logicalDotsPerInchX()),
                       qRound(bildschirm.logicalDotsPerInchY()))) {
        // The box shows lines, not line ends.
        const QString text = Zeilentext(SchriftgradText());
        QMessageBox box(QMessageBox::Critical,
                        // TRANSLATORS: message box title
                        Sprachtext("Fehler (Falscher Schriftgrad) :"), text, QMessageBox::Ok);
        box.exec();
        return nullptr;
    }
    // The game area fills the screen; its pictures are drawn for the device
    // pixels they cover. At the original size the built set for the device
    // pixel ratio, as always.
    const double faktor = Spielfaktor(originalgroesse);
    const double verhaeltnis = bildschirm.devicePixelRatio();
    auto fenster = std::make_unique<frmHaupt>(
        originalgroesse ? BilderLaden(QStringLiteral(":/bilder"), Bildfaktor(verhaeltnis))
                        : BilderFuer(QStringLiteral(":/bilder"), faktor * verhaeltnis),
        ComputerWaehlen(), faktor);
    fenster->show();
    return fenster;
}

int GeometrieAusgeben(bool originalgroesse) {
    // The window as it would open, without its pictures: the layout does not
    // depend on them.
    const double faktor = Spielfaktor(originalgroesse);
    frmHaupt fenster(BilderLaden(QStringLiteral(":/bilder")), ComputerWaehlen(), faktor);
    const double verhaeltnis = QGuiApplication::primaryScreen()->devicePixelRatio();
    const QPoint ursprung = fenster.geometry().topLeft();
    auto geraet = [&](double wert) { return static_cast<int>(std::lround(wert * verhaeltnis)); };
    const Masstab& m = fenster.Massstab();
    QTextStream aus(stdout);
    auto ausgeben = [&](const char* name, const QRect& ort) {
        aus << name << " " << geraet(ort.x()) << " " << geraet(ort.y()) << " "
            << geraet(ort.width()) << " " << geraet(ort.height()) << "\n";
    };
    aus << "faktor " << faktor << " " << faktor * verhaeltnis << "\n";
    for (const char* name :
         {"picContainer", "picSpielfeld", "lblStatus", "picButtonNeuesSpiel", "picButtonAnleitung",
          "picButtonCopyright", "picButtonExit", "optAnfangSp1", "optAnfangSp2", "optStaerke1",
          "optStaerke3", "optStaerke4"}) {
        const auto* control = fenster.findChild<QWidget*>(QString::fromLatin1(name));
        ausgeben(name, QRect(ursprung + control->mapTo(&fenster, QPoint(0, 0)), control->size()));
    }
    // The side windows' buttons where the windows open without a window
    // manager: centred over the game area.
    const QWidget& flaeche = fenster.Spielflaeche();
    const QPoint mitte = ursprung + flaeche.mapTo(&fenster, flaeche.rect().center());
    for (const auto& [fenstername, name, seite, knopf] :
         {std::tuple{"frmAnleitung", "picButtonZurueck", geometrie::Anleitung,
                     geometrie::KnopfZurueck},
          std::tuple{"frmCopyright", "cmdOK", geometrie::Copyright, geometrie::KnopfOK}}) {
        QRect ort = m.Rechteck(seite);
        ort.moveCenter(mitte);
        ausgeben(fenstername, ort);
        ausgeben(name, m.Rechteck(knopf).translated(ort.topLeft()));
    }
    const auto* brett = fenster.findChild<QWidget*>(QStringLiteral("picSpielfeld"));
    const QPoint brettOben = ursprung + brett->mapTo(&fenster, QPoint(0, 0));
    for (int zeile = 0; zeile < geometrie::Zeilen; ++zeile) {
        for (int spalte = 0; spalte < geometrie::Spalten; ++spalte) {
            const double x = geometrie::SteinLinks(spalte) + geometrie::SteinGroesse / 2;
            const double y = geometrie::SteinOben(zeile) + geometrie::SteinGroesse / 2;
            aus << "loch " << spalte << " " << zeile << " "
                << geraet(brettOben.x() + x / m.TwipsProPixelX) << " "
                << geraet(brettOben.y() + y / m.TwipsProPixelY) << "\n";
        }
    }
    return 0;
}

} // namespace steinfall
