#include "ui/Bilder.h"

#include "core/Sprache.h"

#include <QDir>

#include <algorithm>
#include <cmath>

namespace steinfall {

int Bildfaktor(double verhaeltnis) {
    // A ratio a hair above a whole number is that number.
    return std::clamp(static_cast<int>(std::ceil(verhaeltnis - 0.01)), 1, 3);
}

QImage BildLaden(const QString& ordner, const QString& name, QSize groesse, int faktor) {
    QString datei = name;
    if (faktor != 1) {
        datei.insert(datei.lastIndexOf('.'), QStringLiteral("@%1x").arg(faktor));
    }
    QImage bild(QDir(ordner).filePath(datei));
    if (bild.isNull()) {
        bild = QImage(groesse * faktor, QImage::Format_RGB32);
        bild.fill(Qt::white);
    }
    // Qt reads "@2x" in a name as a device pixel ratio of 2. The pictures
    // are composed pixel for pixel with raster operations, where that ratio
    // would halve every copy: it is applied only when a picture is shown.
    bild.setDevicePixelRatio(1);
    return bild.convertToFormat(QImage::Format_RGB32);
}

Bildsatz BilderLaden(const QString& ordner, int faktor) {
    const QSize stein(40, 40);
    const QSize logo(273, 66);
    auto laden = [&](const char* name, QSize groesse) {
        return BildLaden(ordner, QString::fromLatin1(name), groesse, faktor);
    };
    // The buttons' captions are drawn into their pictures: one set per language.
    const QString sprache =
        GewaehlteSprache() == Sprache::Englisch ? QStringLiteral("_en") : QString();
    auto knopf = [&](const QString& name, QSize groesse) {
        return std::array<QImage, 2>{
            BildLaden(ordner, name + sprache + ".png", groesse, faktor),
            BildLaden(ordner, name + "_gedrueckt" + sprache + ".png", groesse, faktor)};
    };

    Bildsatz b;
    b.Faktor = faktor;
    b.Brett = laden("brett.png", {440, 345});
    b.SteinSpieler = laden("stein_spieler.png", stein);
    b.SteinComputer = laden("stein_computer.png", stein);
    b.SteinHervor = laden("stein_hervor.png", stein);
    b.SteinMaske = laden("stein_maske.png", stein);
    b.SpalteMaske = laden("spalte_maske.png", {40, 330});
    b.Logo = laden("logo.png", logo);
    b.LogoMaske = laden("logo_maske.png", logo);
    b.HG = laden("hg.png", {128, 128});
    b.HG2 = laden("hg2.png", {94, 38});
    b.KnopfNeuesSpiel = knopf("knopf_neues_spiel", {110, 27});
    b.KnopfAnleitung = knopf("knopf_anleitung", {110, 27});
    b.KnopfCopyright = knopf("knopf_copyright", {110, 27});
    b.KnopfBeenden = knopf("knopf_beenden", {89, 27});
    b.KnopfZurueck = knopf("knopf_zurueck", {110, 27});
    b.MorvellLogo = laden("morvell_logo.png", {64, 64});
    return b;
}

} // namespace steinfall
