#include "ui/Bilder.h"

#include "core/Sprache.h"
#include "zeichnen/Zeichnung.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <exception>
#include <optional>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

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

namespace {

// Every picture of a set: its file name (a button's without the language's
// ending) and its designed size, for a picture that is missing.
struct Eintrag {
    QImage* Bild;
    const char* Name;
    QSize Groesse;
    bool Knopf = false;
};

std::vector<Eintrag> Bilder(Bildsatz& b) {
    const QSize stein(40, 40);
    const QSize logo(273, 66);
    const QSize knopf(110, 27);
    const QSize beenden(89, 27);
    return {{&b.Brett, "brett", {440, 345}},
            {&b.SteinSpieler, "stein_spieler", stein},
            {&b.SteinComputer, "stein_computer", stein},
            {&b.SteinHervor, "stein_hervor", stein},
            {&b.SteinMaske, "stein_maske", stein},
            {&b.SpalteMaske, "spalte_maske", {40, 330}},
            {&b.Logo, "logo", logo},
            {&b.LogoMaske, "logo_maske", logo},
            {&b.HG, "hg", {128, 128}},
            {&b.HG2, "hg2", {94, 38}},
            {&b.KnopfNeuesSpiel[0], "knopf_neues_spiel", knopf, true},
            {&b.KnopfNeuesSpiel[1], "knopf_neues_spiel_gedrueckt", knopf, true},
            {&b.KnopfAnleitung[0], "knopf_anleitung", knopf, true},
            {&b.KnopfAnleitung[1], "knopf_anleitung_gedrueckt", knopf, true},
            {&b.KnopfCopyright[0], "knopf_copyright", knopf, true},
            {&b.KnopfCopyright[1], "knopf_copyright_gedrueckt", knopf, true},
            {&b.KnopfBeenden[0], "knopf_beenden", beenden, true},
            {&b.KnopfBeenden[1], "knopf_beenden_gedrueckt", beenden, true},
            {&b.KnopfZurueck[0], "knopf_zurueck", knopf, true},
            {&b.KnopfZurueck[1], "knopf_zurueck_gedrueckt", knopf, true},
            {&b.MorvellLogo, "morvell_logo", {64, 64}}};
}

} // namespace

Bildsatz BilderLaden(const QString& ordner, int faktor) {
    // The buttons' captions are drawn into their pictures: one set per language.
    const QString sprache =
        GewaehlteSprache() == Sprache::Englisch ? QStringLiteral("_en") : QString();
    Bildsatz b;
    b.Faktor = faktor;
    for (const Eintrag& e : Bilder(b)) {
        *e.Bild = BildLaden(ordner,
                            QLatin1String(e.Name) + (e.Knopf ? sprache : QString()) +
                                QStringLiteral(".png"),
                            e.Groesse, faktor);
    }
    return b;
}

Bildsatz BilderZeichnen(double massstab) {
    using namespace bilder;
    SchriftenLaden();
    const bool englisch = GewaehlteSprache() == Sprache::Englisch;
    auto knopf = [&](const Knopfbeschriftung& k) {
        const QString text = QString::fromUtf8(englisch ? k.Englisch : k.Deutsch);
        return std::array<QImage, 2>{KnopfBild(text, k.Breite, false, massstab),
                                     KnopfBild(text, k.Breite, true, massstab)};
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
    b.KnopfNeuesSpiel = knopf(bilder::KnopfNeuesSpiel);
    b.KnopfAnleitung = knopf(bilder::KnopfAnleitung);
    b.KnopfCopyright = knopf(bilder::KnopfCopyright);
    b.KnopfBeenden = knopf(bilder::KnopfBeenden);
    b.KnopfZurueck = knopf(bilder::KnopfZurueck);
    b.MorvellLogo = MorvellLogo(massstab);
    return b;
}

namespace {

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

// The pixels are mapped from the file, not copied out of it: the first
// frame reads them from the page cache, and two games share them. QImage
// copies a mapped picture before anything draws on it.
QImage RohLesen(const QString& pfad) {
    const int datei = open(QFile::encodeName(pfad).constData(), O_RDONLY | O_CLOEXEC);
    if (datei < 0) {
        return {};
    }
    struct stat status {};
    void* daten = fstat(datei, &status) == 0 && status.st_size > 8
                      ? mmap(nullptr, status.st_size, PROT_READ, MAP_PRIVATE, datei, 0)
                      : MAP_FAILED;
    close(datei);
    if (daten == MAP_FAILED) {
        return {};
    }
    const auto laenge = static_cast<std::size_t>(status.st_size);
    std::array<qint32, 2> kopf{};
    std::memcpy(kopf.data(), daten, sizeof kopf);
    const auto [breite, hoehe] = kopf;
    if (breite <= 0 || hoehe <= 0 || breite > 20000 || hoehe > 20000 ||
        laenge != sizeof kopf + std::size_t{4} * breite * hoehe) {
        munmap(daten, laenge);
        return {};
    }
    auto* abbildung = new std::pair<void*, std::size_t>(daten, laenge);
    return {static_cast<const uchar*>(daten) + sizeof kopf,
            breite,
            hoehe,
            4 * breite,
            QImage::Format_RGB32,
            [](void* a) {
                const auto* b = static_cast<std::pair<void*, std::size_t>*>(a);
                munmap(b->first, b->second);
                delete b;
            },
            abbildung};
}

void Ablegen(Bildsatz b, const QString& ziel) {
    // Written beside the target and moved in whole, so that two games
    // starting at once never read half a set.
    QDir().mkpath(QFileInfo(ziel).path());
    QTemporaryDir neu(ziel + QStringLiteral("-XXXXXX"));
    if (!neu.isValid()) {
        return;
    }
    for (const Eintrag& e : Bilder(b)) {
        if (!RohSchreiben(*e.Bild, Rohdatei(neu.path(), e.Name))) {
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
    for (const Eintrag& e : Bilder(b)) {
        *e.Bild = RohLesen(Rohdatei(ordner, e.Name));
        if (e.Bild->isNull()) {
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
