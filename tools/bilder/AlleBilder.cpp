#include "Bilder.h"

#include "zeichnen/Bildarten.h"

#include <utility>

namespace steinfall::bilder {

QString Dateiname(const char* name, int faktor) {
    const QString grund = QString::fromUtf8(name);
    return faktor == 1 ? grund + ".png" : grund + "@" + QString::number(faktor) + "x.png";
}

QString Dateiname(const Bildart& art, bool englisch, int faktor) {
    const QString name = QString::fromUtf8(art.Name) + (englisch ? "_en" : "");
    return Dateiname(name.toUtf8().constData(), faktor);
}

std::map<QString, QImage> AlleBilder() {
    std::map<QString, QImage> bilder;
    for (const int f : Faktoren) {
        for (const Bildart& art : Bildarten) {
            // The buttons in German, and in English with "_en" at the end of their names.
            for (const bool englisch : {false, true}) {
                if (!englisch || art.Knopf) {
                    bilder[Dateiname(art, englisch, f)] = art.Zeichnen(f, englisch);
                }
            }
        }
    }
    return bilder;
}

} // namespace steinfall::bilder
