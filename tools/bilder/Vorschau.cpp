#include "Bilder.h"

#include <QPainter>

#include <stdexcept>

namespace steinfall::bilder {

namespace {

// The game's four raster operations, on opaque 32-bit pictures.
enum class Op { Kopie, Oder, Und, NichtOder };

void Malen(QImage& ziel, int x, int y, const QImage& quelle, Op op, QRect aus = QRect()) {
    QPainter maler(&ziel);
    switch (op) {
    case Op::Kopie:
        maler.setCompositionMode(QPainter::CompositionMode_Source);
        break;
    case Op::Oder:
        maler.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
        break;
    case Op::Und:
        maler.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        break;
    case Op::NichtOder:
        maler.setCompositionMode(QPainter::RasterOp_NotSourceOrDestination);
        break;
    }
    if (aus.isNull()) {
        aus = quelle.rect();
    }
    maler.drawImage(QPoint(x, y), quelle, aus);
}

QImage Lesen(const QString& ordner, const char* name) {
    QImage bild(ordner + "/" + QString::fromUtf8(name));
    if (bild.isNull()) {
        throw std::runtime_error(std::string("Vorschau: kann nicht lesen: ") + name);
    }
    return bild.convertToFormat(QImage::Format_RGB32);
}

void Kacheln(QImage& ziel, const QImage& kachel) {
    for (int x = 0; x < ziel.width(); x += kachel.width()) {
        for (int y = 0; y < ziel.height(); y += kachel.height()) {
            Malen(ziel, x, y, kachel, Op::Kopie);
        }
    }
}

void SteinSetzen(QImage& brett, int spalte, int zeile, const QImage& stein, const QImage& maske) {
    Malen(brett, SteinX(spalte), SteinY(zeile), maske, Op::NichtOder);
    Malen(brett, SteinX(spalte), SteinY(zeile), stein, Op::Und);
}

// One frame of the fall, step for step as the game's timer paints it.
struct Fall {
    int vorherX = 0;
    int vorherY = 0;
    QImage gesichert = NeuesBild(SteinGroesse, SteinGroesse);

    void Bild(QImage& brett, int x, int y, const QImage& stein, const QImage& maske,
              const QImage& spalte) {
        if (vorherX != 0 || vorherY != 0) {
            Malen(brett, vorherX, vorherY, gesichert, Op::Kopie);
        }
        gesichert = brett.copy(x, y, SteinGroesse, SteinGroesse);
        vorherX = x;
        vorherY = y;
        QImage arbeit = maske.copy();
        Malen(arbeit, 0, 0, spalte, Op::NichtOder, QRect(0, y, SteinGroesse, SteinGroesse));
        Malen(brett, x, y, arbeit, Op::NichtOder);
        arbeit = stein.copy();
        Malen(arbeit, 0, 0, spalte, Op::NichtOder, QRect(0, y, SteinGroesse, SteinGroesse));
        Malen(brett, x, y, arbeit, Op::Und);
    }
};

QImage Vergroessert(const QImage& bild, int faktor) {
    return bild.scaled(bild.size() * faktor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace

void VorschauZeichnen(const QString& ordner, const QString& datei) {
    const QImage hg = Lesen(ordner, "hg.png");
    const QImage hg2 = Lesen(ordner, "hg2.png");
    QImage logo = Lesen(ordner, "logo.png");
    const QImage logoMaske = Lesen(ordner, "logo_maske.png");
    const QImage maske = Lesen(ordner, "stein_maske.png");
    const QImage spalte = Lesen(ordner, "spalte_maske.png");
    QImage steine[3] = {Lesen(ordner, "stein_spieler.png"), Lesen(ordner, "stein_computer.png"),
                        Lesen(ordner, "stein_hervor.png")};

    // As at load: masks ORed into logo and stones.
    Malen(logo, 0, 0, logoMaske, Op::Oder);
    for (QImage& stein : steine) {
        Malen(stein, 0, 0, maske, Op::Oder);
    }

    QImage flaeche = NeuesBild(640, 480);
    Kacheln(flaeche, hg);
    QImage optionen = NeuesBild(121, 225);
    Kacheln(optionen, hg2);
    Malen(flaeche, 16, 208, optionen, Op::Kopie);
    Malen(flaeche, 248, 8, logoMaske, Op::NichtOder);
    Malen(flaeche, 248, 8, logo, Op::Und);

    QImage brett = Lesen(ordner, "brett.png");
    const int stellung[6][7] = {
        {0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 1, 0, 0, 0},
        {0, 0, 1, 2, 0, 0, 0}, {0, 1, 2, 1, 0, 0, 0}, {1, 2, 1, 2, 2, 0, 0},
    };
    for (int zeile = 0; zeile < 6; ++zeile) {
        for (int s = 0; s < 7; ++s) {
            if (stellung[zeile][s] != 0) {
                SteinSetzen(brett, s, zeile, steine[stellung[zeile][s] - 1], maske);
            }
        }
    }
    // A line of four flashing ...
    for (int s = 0; s < 4; ++s) {
        SteinSetzen(brett, s, 5 - s, steine[2], maske);
    }
    // ... and stones falling behind the front, frames painted over each other.
    Fall fall;
    for (int y = 0; y <= 30; y += 30) {
        fall.Bild(brett, SteinX(3), y, steine[0], maske, spalte);
    }
    Fall fall2;
    for (int y = 0; y <= 150; y += 30) {
        fall2.Bild(brett, SteinX(6), y, steine[1], maske, spalte);
    }
    Malen(flaeche, 168, 88, brett, Op::Kopie);

    Malen(flaeche, 21, 96, Lesen(ordner, "knopf_neues_spiel.png"), Op::Kopie);
    Malen(flaeche, 21, 132, Lesen(ordner, "knopf_anleitung_gedrueckt.png"), Op::Kopie);
    Malen(flaeche, 21, 168, Lesen(ordner, "knopf_copyright.png"), Op::Kopie);
    Malen(flaeche, 544, 448, Lesen(ordner, "knopf_beenden.png"), Op::Kopie);
    Malen(flaeche, 560, 12, Lesen(ordner, "morvell_logo.png"), Op::Kopie);
    Malen(flaeche, 440, 448, Lesen(ordner, "knopf_zurueck.png"), Op::Kopie);

    // Below the scene: the falling stones' corner of the board, enlarged.
    const QImage nah = Vergroessert(brett.copy(150, 0, 290, 200), 3);
    QImage gesamt = NeuesBild(std::max(640, nah.width()), 480 + nah.height(), Schwarz);
    Malen(gesamt, 0, 0, flaeche, Op::Kopie);
    Malen(gesamt, 0, 480, nah, Op::Kopie);
    if (!gesamt.save(datei)) {
        throw std::runtime_error("Vorschau: kann nicht schreiben: " + datei.toStdString());
    }
}

} // namespace steinfall::bilder
