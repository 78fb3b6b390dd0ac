#include "ui/Bilder.h"

#include <QDir>

namespace steinfall {

QImage BildLaden(const QString& ordner, const QString& name, QSize groesse) {
    QImage bild(QDir(ordner).filePath(name));
    if (bild.isNull()) {
        bild = QImage(groesse, QImage::Format_RGB32);
        bild.fill(Qt::white);
    }
    return bild.convertToFormat(QImage::Format_RGB32);
}

Bildsatz BilderLaden(const QString& ordner) {
    const QSize stein(40, 40);
    const QSize logo(273, 66);
    auto laden = [&](const char* name, QSize groesse) {
        return BildLaden(ordner, QString::fromLatin1(name), groesse);
    };
    auto knopf = [&](const QString& name, QSize groesse) {
        return std::array<QImage, 2>{BildLaden(ordner, name + ".png", groesse),
                                     BildLaden(ordner, name + "_gedrueckt.png", groesse)};
    };

    Bildsatz b;
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
