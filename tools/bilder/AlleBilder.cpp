#include "Bilder.h"

namespace steinfall::bilder {

std::map<QString, QImage> AlleBilder() {
    std::map<QString, QImage> bilder;
    bilder["brett.png"] = BrettBild();
    bilder["spalte_maske.png"] = SpaltenMaske();
    bilder["stein_spieler.png"] = SteinBild(AusHex(0xDC2A1E), false);
    bilder["stein_computer.png"] = SteinBild(AusHex(0xF7C51C), false);
    bilder["stein_hervor.png"] = SteinBild(AusHex(0xB4FF6E), true);
    bilder["stein_maske.png"] = SteinMaske();
    const LogoBilder logo = Logo();
    bilder["logo.png"] = logo.Logo;
    bilder["logo_maske.png"] = logo.Maske;
    bilder["hg.png"] = HintergrundSpielfeld();
    bilder["hg2.png"] = HintergrundOptionen();
    bilder["morvell_logo.png"] = MorvellLogo();

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
        const QString name = QString::fromUtf8(k.name);
        bilder[name + ".png"] = KnopfBild(k.text, k.breite, false);
        bilder[name + "_gedrueckt.png"] = KnopfBild(k.text, k.breite, true);
    }
    return bilder;
}

} // namespace steinfall::bilder
