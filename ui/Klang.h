#pragma once

#include "ui/Tonausgabe.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace steinfall {

// The game's sounds: wave files from the program's folder, played in the
// background; a new sound replaces the one still playing.
class Klang {
public:
    // A wave file read once: where it lies, its format and its samples.
    struct Welle {
        QString Pfad;
        Wellenformat Format;
        QByteArray Proben;
    };

    bool TonAn = true;
    // Whether a sound output exists; tests claim one.
    std::function<bool()> GeraetDa = HatAusgabe;

    Klang() = default;
    Klang(const Klang&) = delete;
    Klang& operator=(const Klang&) = delete;
    ~Klang();

    // Nothing happens without a sound output or with TonAn off. A missing
    // file gives the system's beep instead.
    void PlaySound(const std::string& datei);

    // The sound started last, if any.
    const Welle* Laeuft() const { return welle_; }

    // Stops the sound still playing.
    void Anhalten();

private:
    static bool HatAusgabe();
    const Welle* Laden(const QString& pfad);

    std::map<QString, Welle> wellen_;
    const Welle* welle_ = nullptr;
};

} // namespace steinfall
