#include "Bilder.h"

#include "zeichnen/Bildarten.h"

#include <utility>

namespace steinfall::bilder {

QString Dateiname(const char* name, int faktor) {
    const QString grund = QString::fromUtf8(name);
    return faktor == 1 ? grund + ".png" : grund + "@" + QString::number(faktor) + "x.png";
}

QString Deutsch(const Bildart& art) {
    return art.Knopf ? QString::fromUtf8(art.Knopf->Deutsch) : QString();
}

std::map<QString, QImage> AlleBilder() {
    std::map<QString, QImage> bilder;
    for (const int f : Faktoren) {
        for (const Bildart& art : Bildarten) {
            // The buttons in German; the game letters them in any other language itself.
            bilder[Dateiname(art.Name, f)] = art.Zeichnen(f, Deutsch(art));
        }
    }
    return bilder;
}

} // namespace steinfall::bilder
