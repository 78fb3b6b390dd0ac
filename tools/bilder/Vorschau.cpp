#include "Bilder.h"

#include "zeichnen/Rasteroperation.h"

#include <cmath>

#include <stdexcept>

namespace steinfall::bilder {

namespace {

namespace g = geometrie;

// The whole of `quelle`, or its part `aus`, with the game's raster operations.
void Malen(QImage& ziel, int x, int y, const QImage& quelle, Rasterop op, QRect aus = QRect()) {
    if (aus.isNull()) {
        aus = quelle.rect();
    }
    BitBlt(ziel, x, y, aus.width(), aus.height(), quelle, aus.x(), aus.y(), op);
}

// A position of the layout in pixels at the designed size, rounded as the game rounds.
int Px(double twips) {
    return static_cast<int>(std::nearbyint(twips / g::TwipsJePixelEntwurf));
}

void Malen(QImage& ziel, const g::Ort& ort, const QImage& quelle, Rasterop op) {
    Malen(ziel, Px(ort.Links), Px(ort.Oben), quelle, op);
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
            Malen(ziel, x, y, kachel, Rasterop::SrcCopy);
        }
    }
}

void SteinSetzen(QImage& brett, int spalte, int zeile, const QImage& stein, const QImage& maske) {
    Malen(brett, SteinX(spalte), SteinY(zeile), maske, Rasterop::MergePaint);
    Malen(brett, SteinX(spalte), SteinY(zeile), stein, Rasterop::SrcAnd);
}

// One frame of the fall, step for step as the game's timer paints it.
struct Fall {
    int vorherX = 0;
    int vorherY = 0;
    QImage gesichert = NeuesBild(SteinGroesse, SteinGroesse);

    void Bild(QImage& brett, int x, int y, const QImage& stein, const QImage& maske,
              const QImage& spalte) {
        if (vorherX != 0 || vorherY != 0) {
            Malen(brett, vorherX, vorherY, gesichert, Rasterop::SrcCopy);
        }
        gesichert = brett.copy(x, y, SteinGroesse, SteinGroesse);
        vorherX = x;
        vorherY = y;
        QImage arbeit = maske.copy();
        Malen(arbeit, 0, 0, spalte, Rasterop::MergePaint, QRect(0, y, SteinGroesse, SteinGroesse));
        Malen(brett, x, y, arbeit, Rasterop::MergePaint);
        arbeit = stein.copy();
        Malen(arbeit, 0, 0, spalte, Rasterop::MergePaint, QRect(0, y, SteinGroesse, SteinGroesse));
        Malen(brett, x, y, arbeit, Rasterop::SrcAnd);
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
    Malen(logo, 0, 0, logoMaske, Rasterop::SrcPaint);
    for (QImage& stein : steine) {
        Malen(stein, 0, 0, maske, Rasterop::SrcPaint);
    }

    QImage flaeche = NeuesBild(Px(g::Spielbereich.Breite), Px(g::Spielbereich.Hoehe));
    Kacheln(flaeche, hg);
    QImage optionen = NeuesBild(Px(g::Optionen.Breite), Px(g::Optionen.Hoehe));
    Kacheln(optionen, hg2);
    Malen(flaeche, g::Optionen, optionen, Rasterop::SrcCopy);
    Malen(flaeche, g::Logo, logoMaske, Rasterop::MergePaint);
    Malen(flaeche, g::Logo, logo, Rasterop::SrcAnd);

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
    Malen(flaeche, g::Spielfeld, brett, Rasterop::SrcCopy);

    Malen(flaeche, g::KnopfNeuesSpiel, Lesen(ordner, "knopf_neues_spiel.png"), Rasterop::SrcCopy);
    Malen(flaeche, g::KnopfAnleitung, Lesen(ordner, "knopf_anleitung_gedrueckt.png"),
          Rasterop::SrcCopy);
    Malen(flaeche, g::KnopfCopyright, Lesen(ordner, "knopf_copyright.png"), Rasterop::SrcCopy);
    Malen(flaeche, g::KnopfBeenden, Lesen(ordner, "knopf_beenden.png"), Rasterop::SrcCopy);
    Malen(flaeche, 560, 12, Lesen(ordner, "morvell_logo.png"), Rasterop::SrcCopy);
    // The instructions' back button, left of "Beenden".
    Malen(flaeche, Px(g::KnopfBeenden.Links - g::KnopfZurueck.Breite), Px(g::KnopfBeenden.Oben),
          Lesen(ordner, "knopf_zurueck.png"), Rasterop::SrcCopy);

    // Below the scene: the falling stones' corner of the board, enlarged.
    const QImage nah = Vergroessert(brett.copy(150, 0, 290, 200), 3);
    QImage gesamt =
        NeuesBild(std::max(flaeche.width(), nah.width()), flaeche.height() + nah.height(), Schwarz);
    Malen(gesamt, 0, 0, flaeche, Rasterop::SrcCopy);
    Malen(gesamt, 0, flaeche.height(), nah, Rasterop::SrcCopy);
    if (!gesamt.save(datei)) {
        throw std::runtime_error("Vorschau: kann nicht schreiben: " + datei.toStdString());
    }
}

} // namespace steinfall::bilder
