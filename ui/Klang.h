#pragma once

#include <QSoundEffect>

#include <memory>
#include <string>

namespace steinfall {

// The game's sounds: wave files from the program's folder, played in the
// background; a new sound replaces the one still playing.
class Klang {
public:
    bool TonAn = true;

    // Nothing happens without a sound output or with TonAn off. A missing
    // file gives the system's beep instead.
    void PlaySound(const std::string& datei);

    // The sound started last, if any.
    const QSoundEffect* Laeuft() const { return laeuft_.get(); }

private:
    std::unique_ptr<QSoundEffect> laeuft_;
};

} // namespace steinfall
