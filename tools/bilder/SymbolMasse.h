#pragma once

#include <QString>

#include <cstdint>

// The application icon's drawing, shared by its pictures and its scalable
// vector form.
namespace steinfall::bilder {

// Everything in units of the icon's edge (0..1). The board fills the icon but
// for a small margin that keeps its rounded outline inside the pixel grid.
inline constexpr double Rand = 0.03;
inline constexpr double EckRadius = 0.17;
inline constexpr double KanteBreite = 0.04;
inline constexpr double Loch = 0.175;
inline constexpr double Fase = 0.035;
inline constexpr double Stein = 0.155;
inline constexpr double LochMitten[] = {0.285, 0.715};

// As on the board picture: light from the upper left.
inline constexpr double LichtX = -0.7071;
inline constexpr double LichtY = -0.7071;

inline constexpr std::uint32_t SymbolFrontOben = 0x3069DA;
inline constexpr std::uint32_t SymbolFrontUnten = 0x1B45A4;

// The stone in hole 0..3 (left to right, top to bottom), 0 for an empty hole:
// a red one and two yellow ones.
inline constexpr std::uint32_t SymbolStein(int loch) {
    return loch == 1 ? 0xDC2A1E : loch >= 2 ? 0xF7C51C : 0;
}

// The bevel into a hole, `licht` from -1 (turned away) to 1 (towards the
// light), `tiefe` from 0 at its outer edge to 1 at the hole: this colour
// laid over the front with this weight.
inline constexpr std::uint32_t FaseFarbe(double licht) {
    return licht > 0 ? 0xC8DCFF : 0x081640;
}
inline constexpr double FaseDeckung(double licht, double tiefe) {
    return licht > 0 ? 0.55 * licht * (0.6 + 0.4 * tiefe) : -0.65 * licht * (0.5 + 0.5 * tiefe);
}
// The raised outer edge, `t` from 0 at its inner side to 1 at the outline.
inline constexpr std::uint32_t KanteFarbe(double licht) {
    return licht > 0 ? 0xD0E0FF : 0x06123A;
}
inline constexpr double KanteDeckung(double licht, double t) {
    return licht > 0 ? 0.5 * licht * t : -0.6 * licht * t;
}

// The icon as scalable vector graphics, drawn from the same shapes and
// shading with gradients. Throws std::runtime_error when it cannot write.
void SymbolVektorSchreiben(const QString& datei);

} // namespace steinfall::bilder
