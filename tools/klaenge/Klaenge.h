#pragma once

#include <QString>

#include <vector>

namespace steinfall::bilder {

inline constexpr int Abtastrate = 22050;

struct Klang {
    QString Datei;
    std::vector<double> Proben; // -1..1
};

// The game's nine wave files, synthesised.
std::vector<Klang> AlleKlaenge();

// 16-bit mono PCM at Abtastrate; throws when the file cannot be written.
void WaveSchreiben(const QString& pfad, const std::vector<double>& proben);

// Throws std::runtime_error naming the first rule a sound breaks.
void KlaengePruefen(const std::vector<Klang>& klaenge);

} // namespace steinfall::bilder
