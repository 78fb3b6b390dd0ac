#include "Klaenge.h"

#include <QFile>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace steinfall::bilder {

namespace {

void Wort32(QByteArray& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        b.append(static_cast<char>((v >> (8 * i)) & 0xFF));
    }
}

void Wort16(QByteArray& b, std::uint16_t v) {
    b.append(static_cast<char>(v & 0xFF));
    b.append(static_cast<char>(v >> 8));
}

} // namespace

void WaveSchreiben(const QString& pfad, const std::vector<double>& proben) {
    const auto datenBytes = static_cast<std::uint32_t>(proben.size() * 2);
    QByteArray b;
    b.append("RIFF");
    Wort32(b, 36 + datenBytes);
    b.append("WAVE");
    b.append("fmt ");
    Wort32(b, 16);
    Wort16(b, 1); // PCM
    Wort16(b, 1); // mono
    Wort32(b, Abtastrate);
    Wort32(b, Abtastrate * 2);
    Wort16(b, 2);
    Wort16(b, 16);
    b.append("data");
    Wort32(b, datenBytes);
    for (double p : proben) {
        const long wert = std::lround(std::clamp(p, -1.0, 1.0) * 32767);
        Wort16(b, static_cast<std::uint16_t>(static_cast<std::int16_t>(wert)));
    }
    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(b) != b.size()) {
        throw std::runtime_error("kann nicht schreiben: " + pfad.toStdString());
    }
}

} // namespace steinfall::bilder
