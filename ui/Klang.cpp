#include "ui/Klang.h"

#include "ui/Klangpfad.h"

#include <QApplication>
#include <QAudioDevice>
#include <QDir>
#include <QFileInfo>
#include <QMediaDevices>
#include <QUrl>

namespace steinfall {

bool Klang::HatAusgabe() {
    return !QMediaDevices::audioOutputs().isEmpty();
}

void Klang::PlaySound(const std::string& datei) {
    // Without an output a sound effect never finishes and Qt complains on
    // every call: ask first.
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
    // The file is read now, not at start-up.
    auto neu = std::make_unique<QSoundEffect>();
    neu->setSource(QUrl::fromLocalFile(pfad));
    if (laeuft_) {
        laeuft_->stop();
    }
    laeuft_ = std::move(neu);
    laeuft_->play();
}

} // namespace steinfall
