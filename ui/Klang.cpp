#include "ui/Klang.h"

#include "ui/Klangpfad.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace steinfall {

namespace {

// Silence after every sound. A sound server starts a stream only once its
// buffer is filled to a threshold and drops what is still buffered when the
// stream stops: without this tail the short sounds are never heard and the
// long ones lose their ends.
constexpr int StilleMs = 500;

quint32 Wort32(const char* p) {
    return qFromLittleEndian<quint32>(p);
}
quint16 Wort16(const char* p) {
    return qFromLittleEndian<quint16>(p);
}

// A RIFF wave file with 8- or 16-bit PCM; false for anything else.
bool WelleLesen(const QByteArray& datei, Wellenformat& format, QByteArray& proben) {
    if (datei.size() < 12 || !datei.startsWith("RIFF") || datei.mid(8, 4) != "WAVE") {
        return false;
    }
    bool fmtGelesen = false;
    for (qsizetype ort = 12; ort + 8 <= datei.size();) {
        const char* kopf = datei.constData() + ort;
        const qsizetype laenge = Wort32(kopf + 4);
        const qsizetype inhalt = ort + 8;
        if (QByteArray::fromRawData(kopf, 4) == "fmt " && laenge >= 16 &&
            inhalt + 16 <= datei.size()) {
            const char* f = datei.constData() + inhalt;
            const int bits = Wort16(f + 14);
            if (Wort16(f) != 1 || (bits != 8 && bits != 16)) {
                return false;
            }
            format.Kanaele = Wort16(f + 2);
            format.Rate = static_cast<int>(Wort32(f + 4));
            format.Bits = bits;
            fmtGelesen = true;
        } else if (QByteArray::fromRawData(kopf, 4) == "data" && fmtGelesen) {
            proben = datei.mid(inhalt, laenge);
            return format.Kanaele > 0 && format.Rate > 0;
        }
        ort = inhalt + laenge + (laenge & 1);
    }
    return false;
}

} // namespace

bool Klang::HatAusgabe() {
    Tonausgabe* ausgabe = TonausgabeLaden();
    return ausgabe && ausgabe->Vorhanden();
}

Klang::~Klang() {
    Anhalten();
}

const Klang::Welle* Klang::Laden(const QString& pfad) {
    if (const auto gefunden = wellen_.find(pfad); gefunden != wellen_.end()) {
        return &gefunden->second;
    }
    QFile datei(pfad);
    Welle welle{pfad, {}, {}};
    if (!datei.open(QIODevice::ReadOnly) ||
        !WelleLesen(datei.readAll(), welle.Format, welle.Proben)) {
        return nullptr;
    }
    // Silence in unsigned 8-bit samples is the middle value.
    const Wellenformat& f = welle.Format;
    const char still = f.Bits == 8 ? '\x80' : '\0';
    welle.Proben.append(qsizetype{f.Rate} * f.Kanaele * (f.Bits / 8) * StilleMs / 1000, still);
    return &wellen_.emplace(pfad, std::move(welle)).first->second;
}

void Klang::Anhalten() {
    // Only a sound that was started needs its module.
    if (welle_) {
        if (Tonausgabe* ausgabe = TonausgabeLaden()) {
            ausgabe->Anhalten();
        }
    }
    welle_ = nullptr;
}

void Klang::PlaySound(const std::string& datei) {
    // Without an output a sound never finishes and Qt complains on every
    // call: ask first.
    if (!GeraetDa()) {
        return;
    }
    if (!TonAn) {
        return;
    }
    const QString pfad = KlangPfad(QString::fromStdString(datei));
    if (!QFileInfo::exists(pfad)) {
        QApplication::beep();
        return;
    }
    // Each file is read at its first play, not at start-up, and kept.
    const Welle* welle = Laden(pfad);
    if (welle == nullptr) {
        QApplication::beep();
        return;
    }
    Anhalten();
    welle_ = welle;
    if (Tonausgabe* ausgabe = TonausgabeLaden()) {
        ausgabe->Spielen(welle->Proben, welle->Format);
    }
}

} // namespace steinfall
