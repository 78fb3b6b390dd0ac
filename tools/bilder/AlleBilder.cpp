#include "Bilder.h"

namespace steinfall::bilder {

QString Dateiname(const char* name, int faktor) {
    const QString grund = QString::fromUtf8(name);
    return faktor == 1 ? grund + ".png" : grund + "@" + QString::number(faktor) + "x.png";
}

std::map<QString, QImage> AlleBilder() {
    std::map<QString, QImage> bilder;
    for (const int f : Faktoren) {
        bilder[Dateiname("brett", f)] = BrettBild(f);
        bilder[Dateiname("spalte_maske", f)] = SpaltenMaske(f);
        bilder[Dateiname("stein_spieler", f)] = SteinBild(AusHex(0xDC2A1E), false, f);
        bilder[Dateiname("stein_computer", f)] = SteinBild(AusHex(0xF7C51C), false, f);
        bilder[Dateiname("stein_hervor", f)] = SteinBild(AusHex(0xB4FF6E), true, f);
        bilder[Dateiname("stein_maske", f)] = SteinMaske(f);
        const LogoBilder logo = Logo(f);
        bilder[Dateiname("logo", f)] = logo.Logo;
        bilder[Dateiname("logo_maske", f)] = logo.Maske;
        bilder[Dateiname("hg", f)] = HintergrundSpielfeld(f);
        bilder[Dateiname("hg2", f)] = HintergrundOptionen(f);
        bilder[Dateiname("morvell_logo", f)] = MorvellLogo(f);

        struct Knopf {
            const char* name;
            QString text;
            int breite;
        };
        const Knopf knoepfe[] = {
            {"knopf_neues_spiel", QStringLiteral("Neues Spiel"), 110},
            {"knopf_anleitung", QStringLiteral("Anleitung"), 110},
            {"knopf_copyright", QStringLiteral("Info"), 110},
            {"knopf_zurueck", QString::fromUtf8("Zur\u00fcck"), 110},
            {"knopf_beenden", QStringLiteral("Beenden"), 89},
        };
        for (const Knopf& k : knoepfe) {
            const std::string gedrueckt = std::string(k.name) + "_gedrueckt";
            bilder[Dateiname(k.name, f)] = KnopfBild(k.text, k.breite, false, f);
            bilder[Dateiname(gedrueckt.c_str(), f)] = KnopfBild(k.text, k.breite, true, f);
        }
    }
    return bilder;
}

} // namespace steinfall::bilder
