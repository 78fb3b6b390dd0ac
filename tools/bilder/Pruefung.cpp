#include "Bilder.h"

#include <QSize>

#include <iterator>
#include <stdexcept>

namespace steinfall::bilder {

namespace {

void Verlangen(bool erfuellt, const QString& datei, const char* regel) {
    if (!erfuellt) {
        throw std::runtime_error((datei + ": " + QString::fromUtf8(regel)).toStdString());
    }
}

const QImage& Holen(const std::map<QString, QImage>& bilder, const char* name) {
    const auto it = bilder.find(QString::fromUtf8(name));
    Verlangen(it != bilder.end(), QString::fromUtf8(name), "fehlt");
    return it->second;
}

bool ZweiFarbig(const QImage& bild) {
    bool schwarz = false;
    bool weiss = false;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            const QRgb p = bild.pixel(x, y);
            schwarz = schwarz || p == Schwarz;
            weiss = weiss || p == Weiss;
            if (p != Schwarz && p != Weiss) {
                return false;
            }
        }
    }
    return schwarz && weiss;
}

// Painted with mask and raster operations, a picture shows nothing of itself
// outside the mask's black: it must be white there.
bool WeissAusserhalb(const QImage& bild, const QImage& maske) {
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            if (maske.pixel(x, y) == Weiss && bild.pixel(x, y) != Weiss) {
                return false;
            }
        }
    }
    return true;
}

int Helligkeit(QRgb p) {
    return (qRed(p) * 3 + qGreen(p) * 6 + qBlue(p)) / 10;
}

// A finer mask draws the same shape: wherever the 1x mask is one colour over
// a pixel and all its neighbours, the finer one has that colour throughout;
// they may differ only along the edge.
bool Deckungsgleich(const QImage& grob, const QImage& fein, int f) {
    for (int y = 1; y + 1 < grob.height(); ++y) {
        for (int x = 1; x + 1 < grob.width(); ++x) {
            const QRgb farbe = grob.pixel(x, y);
            bool einfarbig = true;
            for (int n = 0; n < 9; ++n) {
                einfarbig = einfarbig && grob.pixel(x - 1 + n % 3, y - 1 + n / 3) == farbe;
            }
            for (int n = 0; einfarbig && n < f * f; ++n) {
                if (fein.pixel(x * f + n % f, y * f + n / f) != farbe) {
                    return false;
                }
            }
        }
    }
    return true;
}

// The rules for the pictures of one scale.
void FaktorPruefen(const std::map<QString, QImage>& bilder, int f) {
    auto holen = [&](const char* name) -> const QImage& {
        return Holen(bilder, Dateiname(name, f).toUtf8().constData());
    };
    for (const Bildart& art : Bildarten) {
        const QString datei = Dateiname(art.Name, f);
        const QImage& bild = Holen(bilder, datei.toUtf8().constData());
        Verlangen(bild.size() == QSize(art.Breite, art.Hoehe) * f, datei, "falsche Groesse");
        Verlangen(bild.format() == QImage::Format_RGB32, datei, "nicht RGB32");
        // The designed captions fit between the buttons' rounded corners in
        // their own size.
        Verlangen(!art.Knopf || KnopfUeberstand(Deutsch(art), art.Breite, f) == 0, datei,
                  "Beschriftung zu breit");
    }

    const QImage& steinMaske = holen("stein_maske");
    const QImage& spalte = holen("spalte_maske");
    const QImage& logoMaske = holen("logo_maske");
    for (const char* maske : {"stein_maske", "spalte_maske", "logo_maske"}) {
        Verlangen(ZweiFarbig(holen(maske)), Dateiname(maske, f), "nicht zweifarbig");
        Verlangen(Deckungsgleich(Holen(bilder, Dateiname(maske, 1).toUtf8().constData()),
                                 holen(maske), f),
                  Dateiname(maske, f), "weicht von der 1x-Maske ab");
    }

    for (const char* stein : {"stein_spieler", "stein_computer", "stein_hervor"}) {
        Verlangen(WeissAusserhalb(holen(stein), steinMaske), Dateiname(stein, f),
                  "Farbe ausserhalb der Maske");
    }
    Verlangen(WeissAusserhalb(holen("logo"), logoMaske), Dateiname("logo", f),
              "Farbe ausserhalb der Maske");

    // A resting stone must sit wholly inside its hole, and the column mask's
    // holes are the board's holes, row by row.
    const QImage& brett = holen("brett");
    const int stein = SteinGroesse * f;
    for (int zeile = 0; zeile < geometrie::Zeilen; ++zeile) {
        for (int y = 0; y < stein; ++y) {
            for (int x = 0; x < stein; ++x) {
                const bool offen = spalte.pixel(x, SteinY(zeile) * f + y) == Weiss;
                Verlangen(offen == ImLoch(x, y, f), Dateiname("spalte_maske", f),
                          "Loch weicht vom Brett ab");
                Verlangen(steinMaske.pixel(x, y) == Weiss || offen, Dateiname("stein_maske", f),
                          "Stein ragt aus dem Loch");
                for (int s = 0; s < geometrie::Spalten; ++s) {
                    const int h = Helligkeit(brett.pixel(SteinX(s) * f + x, SteinY(zeile) * f + y));
                    Verlangen(!offen || h < 60, Dateiname("brett", f), "Loch nicht dunkel");
                }
            }
        }
    }
    const int abstand = (SteinY(1) - SteinY(0)) * f;
    for (int y = 0; y < SpaltenHoehe * f; ++y) {
        const bool zwischen = (y - SteinY(0) * f + abstand) % abstand >= stein || y < SteinY(0) * f;
        for (int x = 0; zwischen && x < stein; ++x) {
            Verlangen(spalte.pixel(x, y) == Schwarz, Dateiname("spalte_maske", f),
                      "offen zwischen den Loechern");
        }
    }
}

} // namespace

void BilderPruefen(const std::map<QString, QImage>& bilder) {
    Verlangen(bilder.size() == Bildarten.size() * std::size(Faktoren), QStringLiteral("Bilder"),
              "Anzahl stimmt nicht");
    for (const int f : Faktoren) {
        FaktorPruefen(bilder, f);
    }
}

} // namespace steinfall::bilder
