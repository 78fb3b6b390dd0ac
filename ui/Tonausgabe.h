#pragma once

#include <QByteArray>

namespace steinfall {

// The samples' layout of a PCM wave file.
struct Wellenformat {
    int Kanaele = 0;
    int Rate = 0;
    int Bits = 0; // 8 unsigned or 16 signed
};

// The sound output. It lives in a module of its own, loaded with the first
// sound: Qt Multimedia and the sound server's libraries are not needed to
// show the game, and most of a start-up's memory and time would go to them.
class Tonausgabe {
public:
    virtual ~Tonausgabe() = default;
    // Whether the system has a sound output at all.
    virtual bool Vorhanden() = 0;
    // Starts the samples in the background; a sound still playing stops.
    virtual void Spielen(const QByteArray& proben, const Wellenformat& format) = 0;
    virtual void Anhalten() = 0;
};

// The module's output, loaded at the first call: beside the program (the
// build folder), else in the installed module folder. Null when it cannot be
// loaded; the game then stays silent.
Tonausgabe* TonausgabeLaden();

} // namespace steinfall

// The module's one entry point.
extern "C" steinfall::Tonausgabe* SteinfallTonausgabe();
