#include "ui/Bilder.h"

#include "ui/Sprachtext.h"
#include "zeichnen/Zeichnung.h"

#include <QCryptographicHash>
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

std::array<QImage*, bilder::Bildarten.size()> Bilder(Bildsatz& b) {
    return {&b.Brett,
            &b.SteinSpieler,
            &b.SteinComputer,
            &b.SteinHervor,
            &b.SteinMaske,
            &b.SpalteMaske,
            &b.Logo,
            &b.LogoMaske,
            &b.HG,
            &b.HG2,
            &b.KnopfNeuesSpiel[0],
            &b.KnopfNeuesSpiel[1],
            &b.KnopfAnleitung[0],
            &b.KnopfAnleitung[1],
            &b.KnopfCopyright[0],
            &b.KnopfCopyright[1],
            &b.KnopfBeenden[0],
            &b.KnopfBeenden[1],
            &b.KnopfZurueck[0],
            &b.KnopfZurueck[1],
            &b.MorvellLogo};
}

QString Knopftext(const bilder::Knopfbeschriftung& knopf) {
    return Sprachtext(knopf.Deutsch);
}

namespace {

QString Beschriftung(const bilder::Bildart& art) {
    return art.Knopf ? Knopftext(*art.Knopf) : QString();
}

// The built buttons carry their German captions; a button whose caption
// reads otherwise is drawn with it, both looks. Without the fonts to letter
// them the built ones stay.
void KnoepfeBeschriften(Bildsatz& b, int faktor) {
    const auto ziele = Bilder(b);
    bool schriften = false;
    try {
        for (std::size_t i = 0; i < ziele.size(); ++i) {
            const bilder::Bildart& art = bilder::Bildarten[i];
            const QString text = Beschriftung(art);
            if (!art.Knopf || text == QString::fromUtf8(art.Knopf->Deutsch)) {
                continue;
            }
            if (!schriften) {
                bilder::SchriftenLaden();
                schriften = true;
            }
            *ziele[i] = art.Zeichnen(faktor, text);
        }
    } catch (const std::exception&) {
    }
}

} // namespace

Bildsatz BilderLaden(const QString& ordner, int faktor) {
    Bildsatz b;
    b.Faktor = faktor;
    const auto ziele = Bilder(b);
    for (std::size_t i = 0; i < ziele.size(); ++i) {
        const bilder::Bildart& art = bilder::Bildarten[i];
        *ziele[i] = BildLaden(ordner, QLatin1String(art.Name) + QStringLiteral(".png"),
                              QSize(art.Breite, art.Hoehe), faktor);
    }
    KnoepfeBeschriften(b, faktor);
    return b;
}

Bildsatz BilderZeichnen(double massstab) {
    bilder::SchriftenLaden();
    Bildsatz b;
    b.Faktor = massstab;
    const auto ziele = Bilder(b);
    for (std::size_t i = 0; i < ziele.size(); ++i) {
        *ziele[i] = bilder::Bildarten[i].Zeichnen(massstab, Beschriftung(bilder::Bildarten[i]));
    }
    return b;
}

namespace {

// The buttons' captions as drawn, in a few letters: a set kept for other
// captions is never shown for these.
QString Beschriftungen() {
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const bilder::Bildart& art : bilder::Bildarten) {
        hash.addData(Beschriftung(art).toUtf8());
        hash.addData(QByteArrayView("\n"));
    }
    return QString::fromLatin1(hash.result().toHex().left(12));
}

// A drawn set is kept, so that the next start at the same scale only reads
// it: one folder per drawing, scale and captions, complete once it holds
// "fertig". The pictures lie there as their bare pixels after width and
// height, which reads ten times as fast as a PNG.
QString Ablage(double massstab) {
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/steinfall/bilder-%1/%2-%3")
               .arg(bilder::Zeichnungsstand)
               .arg(massstab, 0, 'f', 6)
               .arg(Beschriftungen());
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
    // The size from the file, not from the mapping: reading its first page
    // would bring in its neighbours too, and the pictures that the first
    // frame does not show, such as the pressed buttons, stay out of memory.
    struct stat status = {};
    std::array<qint32, 2> kopf{};
    const bool gelesen = fstat(datei, &status) == 0 && pread(datei, kopf.data(), sizeof kopf, 0) ==
                                                           static_cast<ssize_t>(sizeof kopf);
    const auto laenge = static_cast<std::size_t>(status.st_size);
    const auto [breite, hoehe] = kopf;
    if (!gelesen || breite <= 0 || hoehe <= 0 || breite > 20000 || hoehe > 20000 ||
        laenge != sizeof kopf + std::size_t{4} * breite * hoehe) {
        close(datei);
        return {};
    }
    void* daten = mmap(nullptr, laenge, PROT_READ, MAP_PRIVATE, datei, 0);
    close(datei);
    if (daten == MAP_FAILED) {
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
    const auto ziele = Bilder(b);
    for (std::size_t i = 0; i < ziele.size(); ++i) {
        if (!RohSchreiben(*ziele[i], Rohdatei(neu.path(), bilder::Bildarten[i].Name))) {
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
    const auto ziele = Bilder(b);
    for (std::size_t i = 0; i < ziele.size(); ++i) {
        *ziele[i] = RohLesen(Rohdatei(ordner, bilder::Bildarten[i].Name));
        if (ziele[i]->isNull()) {
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
