#pragma once

#include <QSoundEffect>

#include <functional>
#include <memory>
#include <string>

namespace steinfall {

// The game's sounds: wave files from the program's folder, played in the
// background; a new sound replaces the one still playing.
class Klang {
public:
    bool TonAn = true;
    // Whether a sound output exists; tests claim one.
    std::function<bool()> GeraetDa = HatAusgabe;

    // Nothing happens without a sound output or with TonAn off. A missing
    // file gives the system's beep instead.
    void PlaySound(const std::string& datei);

    // The sound started last, if any.
    const QSoundEffect* Laeuft() const { return laeuft_.get(); }

private:
    static bool HatAusgabe();

    std::unique_ptr<QSoundEffect> laeuft_;
};

} // namespace steinfall
