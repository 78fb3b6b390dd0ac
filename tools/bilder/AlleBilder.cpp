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
        struct Knopf {
            const char* name;
            QString text;
            QString englisch;
            int breite;
        };
        const Knopf knoepfe[] = {
            {"knopf_neues_spiel", QStringLiteral("Neues Spiel"), QStringLiteral("New game"), 110},
            {"knopf_anleitung", QStringLiteral("Anleitung"), QStringLiteral("Instructions"), 110},
            {"knopf_copyright", QStringLiteral("Info"), QStringLiteral("About"), 110},
            {"knopf_zurueck", QString::fromUtf8("Zur\u00fcck"), QStringLiteral("Back"), 110},
            {"knopf_beenden", QStringLiteral("Beenden"), QStringLiteral("Quit"), 89},
        };
        for (const Knopf& k : knoepfe) {
            for (const auto& [text, endung] :
                 {std::pair{k.text, ""}, std::pair{k.englisch, "_en"}}) {
                const std::string name = std::string(k.name) + endung;
                const std::string gedrueckt = std::string(k.name) + "_gedrueckt" + endung;
                bilder[Dateiname(name.c_str(), f)] = KnopfBild(text, k.breite, false, f);
                bilder[Dateiname(gedrueckt.c_str(), f)] = KnopfBild(text, k.breite, true, f);
            }
        }
    }
    return bilder;
}

} // namespace steinfall::bilder
