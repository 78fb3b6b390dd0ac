#include "Bilder.h"

#include <QSize>

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

} // namespace

void BilderPruefen(const std::map<QString, QImage>& bilder) {
    const std::map<QString, QSize> groessen = {
        {"brett.png", {440, 345}},
        {"spalte_maske.png", {40, 330}},
        {"stein_spieler.png", {40, 40}},
        {"stein_computer.png", {40, 40}},
        {"stein_hervor.png", {40, 40}},
        {"stein_maske.png", {40, 40}},
        {"logo.png", {273, 66}},
        {"logo_maske.png", {273, 66}},
        {"hg.png", {128, 128}},
        {"hg2.png", {94, 38}},
        {"morvell_logo.png", {64, 64}},
        {"knopf_neues_spiel.png", {110, 27}},
        {"knopf_anleitung.png", {110, 27}},
        {"knopf_copyright.png", {110, 27}},
        {"knopf_zurueck.png", {110, 27}},
        {"knopf_beenden.png", {89, 27}},
    };
    Verlangen(bilder.size() == groessen.size() + 5, QStringLiteral("Bilder"),
              "Anzahl stimmt nicht");
    for (const auto& [name, bild] : bilder) {
        QString grundname = name;
        grundname.replace(QStringLiteral("_gedrueckt"), QString());
        const auto it = groessen.find(grundname);
        Verlangen(it != groessen.end(), name, "unbekannt");
        Verlangen(bild.size() == it->second, name, "falsche Groesse");
        Verlangen(bild.format() == QImage::Format_RGB32, name, "nicht RGB32");
    }

    const QImage& steinMaske = Holen(bilder, "stein_maske.png");
    const QImage& spalte = Holen(bilder, "spalte_maske.png");
    const QImage& logoMaske = Holen(bilder, "logo_maske.png");
    Verlangen(ZweiFarbig(steinMaske), QStringLiteral("stein_maske.png"), "nicht zweifarbig");
    Verlangen(ZweiFarbig(spalte), QStringLiteral("spalte_maske.png"), "nicht zweifarbig");
    Verlangen(ZweiFarbig(logoMaske), QStringLiteral("logo_maske.png"), "nicht zweifarbig");

    for (const char* stein : {"stein_spieler.png", "stein_computer.png", "stein_hervor.png"}) {
        Verlangen(WeissAusserhalb(Holen(bilder, stein), steinMaske), QString::fromUtf8(stein),
                  "Farbe ausserhalb der Maske");
    }
    Verlangen(WeissAusserhalb(Holen(bilder, "logo.png"), logoMaske), QStringLiteral("logo.png"),
              "Farbe ausserhalb der Maske");

    // A resting stone must sit wholly inside its hole, and the column mask's
    // holes are the board's holes, row by row.
    const QImage& brett = Holen(bilder, "brett.png");
    for (int zeile = 0; zeile < 6; ++zeile) {
        for (int y = 0; y < SteinGroesse; ++y) {
            for (int x = 0; x < SteinGroesse; ++x) {
                const bool offen = spalte.pixel(x, SteinY(zeile) + y) == Weiss;
                Verlangen(offen == ImLoch(x, y), QStringLiteral("spalte_maske.png"),
                          "Loch weicht vom Brett ab");
                Verlangen(steinMaske.pixel(x, y) == Weiss || offen,
                          QStringLiteral("stein_maske.png"), "Stein ragt aus dem Loch");
                for (int s = 0; s < 7; ++s) {
                    const int h = Helligkeit(brett.pixel(SteinX(s) + x, SteinY(zeile) + y));
                    Verlangen(!offen || h < 60, QStringLiteral("brett.png"), "Loch nicht dunkel");
                }
            }
        }
    }
    for (int y = 0; y < SpaltenHoehe; ++y) {
        const bool zwischen = (y - SteinY(0) + 55) % 55 >= SteinGroesse || y < SteinY(0);
        for (int x = 0; zwischen && x < SteinGroesse; ++x) {
            Verlangen(spalte.pixel(x, y) == Schwarz, QStringLiteral("spalte_maske.png"),
                      "offen zwischen den Loechern");
        }
    }
}

} // namespace steinfall::bilder
