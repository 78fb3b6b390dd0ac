#include "Bilder.h"

#include <string>
#include <utility>

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
        bilder[Dateiname("stein_spieler", f)] = SteinBild(AusHex(FarbeSpieler), false, f);
        bilder[Dateiname("stein_computer", f)] = SteinBild(AusHex(FarbeComputer), false, f);
        bilder[Dateiname("stein_hervor", f)] = SteinBild(AusHex(FarbeHervor), true, f);
        bilder[Dateiname("stein_maske", f)] = SteinMaske(f);
        const LogoBilder logo = Logo(f);
        bilder[Dateiname("logo", f)] = logo.Logo;
        bilder[Dateiname("logo_maske", f)] = logo.Maske;
        bilder[Dateiname("hg", f)] = HintergrundSpielfeld(f);
        bilder[Dateiname("hg2", f)] = HintergrundOptionen(f);
        bilder[Dateiname("morvell_logo", f)] = MorvellLogo(f);

        // The German set, and the English one with "_en" at the end of its names.
        for (const Knopfbeschriftung& k : Knoepfe) {
            for (const auto& [text, endung] :
                 {std::pair{k.Deutsch, ""}, std::pair{k.Englisch, "_en"}}) {
                const std::string name = std::string(k.Name) + endung;
                const std::string gedrueckt = std::string(k.Name) + "_gedrueckt" + endung;
                const QString beschriftung = QString::fromUtf8(text);
                bilder[Dateiname(name.c_str(), f)] = KnopfBild(beschriftung, k.Breite, false, f);
                bilder[Dateiname(gedrueckt.c_str(), f)] =
                    KnopfBild(beschriftung, k.Breite, true, f);
            }
        }
    }
    return bilder;
}

} // namespace steinfall::bilder
