#include "ui/Bilder.h"

#include "core/Sprache.h"
#include "ui/zeichnen/Zeichnung.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <exception>
#include <optional>
#include <utility>
#include <vector>

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

Bildsatz BilderZeichnen(double massstab) {
    using namespace bilder;
    SchriftenLaden();
    const bool englisch = GewaehlteSprache() == Sprache::Englisch;
    auto knopf = [&](const char* deutsch, const char* englischerText, int breite) {
        const QString text = QString::fromUtf8(englisch ? englischerText : deutsch);
        return std::array<QImage, 2>{KnopfBild(text, breite, false, massstab),
                                     KnopfBild(text, breite, true, massstab)};
    };
    Bildsatz b;
    b.Faktor = massstab;
    b.Brett = BrettBild(massstab);
    b.SteinSpieler = SteinBild(AusHex(FarbeSpieler), false, massstab);
    b.SteinComputer = SteinBild(AusHex(FarbeComputer), false, massstab);
    b.SteinHervor = SteinBild(AusHex(FarbeHervor), true, massstab);
    b.SteinMaske = SteinMaske(massstab);
    b.SpalteMaske = SpaltenMaske(massstab);
    LogoBilder logo = Logo(massstab);
    b.Logo = std::move(logo.Logo);
    b.LogoMaske = std::move(logo.Maske);
    b.HG = HintergrundSpielfeld(massstab);
    b.HG2 = HintergrundOptionen(massstab);
    b.KnopfNeuesSpiel = knopf("Neues Spiel", "New game", 110);
    b.KnopfAnleitung = knopf("Anleitung", "Instructions", 110);
    b.KnopfCopyright = knopf("Info", "About", 110);
    b.KnopfBeenden = knopf("Beenden", "Quit", 89);
    b.KnopfZurueck = knopf("Zur\u00fcck", "Back", 110);
    b.MorvellLogo = MorvellLogo(massstab);
    return b;
}

namespace {

// Every picture of a set with a name of its own.
std::vector<std::pair<QImage*, const char*>> Bilder(Bildsatz& b) {
    return {{&b.Brett, "brett"},
            {&b.SteinSpieler, "stein_spieler"},
            {&b.SteinComputer, "stein_computer"},
            {&b.SteinHervor, "stein_hervor"},
            {&b.SteinMaske, "stein_maske"},
            {&b.SpalteMaske, "spalte_maske"},
            {&b.Logo, "logo"},
            {&b.LogoMaske, "logo_maske"},
            {&b.HG, "hg"},
            {&b.HG2, "hg2"},
            {&b.KnopfNeuesSpiel[0], "knopf_neues_spiel"},
            {&b.KnopfNeuesSpiel[1], "knopf_neues_spiel_gedrueckt"},
            {&b.KnopfAnleitung[0], "knopf_anleitung"},
            {&b.KnopfAnleitung[1], "knopf_anleitung_gedrueckt"},
            {&b.KnopfCopyright[0], "knopf_copyright"},
            {&b.KnopfCopyright[1], "knopf_copyright_gedrueckt"},
            {&b.KnopfBeenden[0], "knopf_beenden"},
            {&b.KnopfBeenden[1], "knopf_beenden_gedrueckt"},
            {&b.KnopfZurueck[0], "knopf_zurueck"},
            {&b.KnopfZurueck[1], "knopf_zurueck_gedrueckt"},
            {&b.MorvellLogo, "morvell_logo"}};
}

// A drawn set is kept, so that the next start at the same scale only reads
// it: one folder per drawing, scale and language, complete once it holds
// "fertig". The pictures lie there as their bare pixels after width and
// height, which reads ten times as fast as a PNG.
QString Ablage(double massstab) {
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/steinfall/bilder-%1/%2%3")
               .arg(bilder::Zeichnungsstand)
               .arg(massstab, 0, 'f', 6)
               .arg(GewaehlteSprache() == Sprache::Englisch ? QStringLiteral("-en") : QString());
}

QString Rohdatei(const QString& ordner, const char* name) {
    return ordner + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".roh");
}

bool RohSchreiben(const QImage& bild, const QString& pfad) {
    QFile datei(pfad);
    const QImage rgb = bild.convertToFormat(QImage::Format_RGB32);
    const std::array<qint32, 2> kopf{rgb.width(), rgb.height()};
    return datei.open(QIODevice::WriteOnly) &&
           datei.write(reinterpret_cast<const char*>(kopf.data()), sizeof kopf) ==
               static_cast<qint64>(sizeof kopf) &&
           datei.write(reinterpret_cast<const char*>(rgb.constBits()), rgb.sizeInBytes()) ==
               rgb.sizeInBytes();
}

QImage RohLesen(const QString& pfad) {
    QFile datei(pfad);
    std::array<qint32, 2> kopf{};
    if (!datei.open(QIODevice::ReadOnly) ||
        datei.read(reinterpret_cast<char*>(kopf.data()), sizeof kopf) !=
            static_cast<qint64>(sizeof kopf) ||
        kopf[0] <= 0 || kopf[1] <= 0 || kopf[0] > 20000 || kopf[1] > 20000) {
        return {};
    }
    QImage bild(kopf[0], kopf[1], QImage::Format_RGB32);
    if (datei.read(reinterpret_cast<char*>(bild.bits()), bild.sizeInBytes()) !=
        bild.sizeInBytes()) {
        return {};
    }
    return bild;
}

void Ablegen(Bildsatz b, const QString& ziel) {
    // Written beside the target and moved in whole, so that two games
    // starting at once never read half a set.
    QDir().mkpath(QFileInfo(ziel).path());
    QTemporaryDir neu(ziel + QStringLiteral("-XXXXXX"));
    if (!neu.isValid()) {
        return;
    }
    for (const auto& [bild, name] : Bilder(b)) {
        if (!RohSchreiben(*bild, Rohdatei(neu.path(), name))) {
            return;
        }
    }
    if (QFile(neu.filePath("fertig")).open(QIODevice::WriteOnly) &&
        QDir().rename(neu.path(), ziel)) {
        neu.setAutoRemove(false);
    }
}

std::optional<Bildsatz> Abgelegt(const QString& ordner, double massstab) {
    if (!QFileInfo::exists(ordner + QStringLiteral("/fertig"))) {
        return std::nullopt;
    }
    Bildsatz b;
    b.Faktor = massstab;
    for (const auto& [bild, name] : Bilder(b)) {
        *bild = RohLesen(Rohdatei(ordner, name));
        if (bild->isNull()) {
            return std::nullopt;
        }
    }
    return b;
}

} // namespace

Bildsatz BilderFuer(const QString& ordner, double massstab) {
    const int gebaut = Bildfaktor(massstab);
    if (std::abs(massstab - gebaut) < 1e-9) {
        return BilderLaden(ordner, gebaut);
    }
    const QString ablage = Ablage(massstab);
    if (std::optional<Bildsatz> abgelegt = Abgelegt(ablage, massstab)) {
        return *std::move(abgelegt);
    }
    try {
        Bildsatz b = BilderZeichnen(massstab);
        Ablegen(b, ablage);
        return b;
    } catch (const std::exception&) {
        return BilderLaden(ordner, gebaut);
    }
}

} // namespace steinfall
