#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <stdexcept>
#include <vector>

namespace steinfall {

// 64 random bits as a draw in [0, 1): the top 53 bits scaled, never 1.0,
// unlike some uniform_real_distribution implementations.
inline double Einheitsintervall(std::uint64_t bits) {
    return static_cast<double>(bits >> 11U) * 0x1.0p-53;
}

// SplitMix64: a small generator with a fixed, platform-independent sequence,
// short enough for a test's own driver to compute the same draws.
class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t saat) : zustand_(saat) {}
    std::uint64_t Naechste() {
        std::uint64_t z = (zustand_ += 0x9E3779B97F4A7C15U);
        z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9U;
        z = (z ^ (z >> 27U)) * 0x94D049BB133111EBU;
        return z ^ (z >> 31U);
    }
    double Gleich() { return Einheitsintervall(Naechste()); } // [0, 1)

private:
    std::uint64_t zustand_;
};

// Uniform draws in [0, 1) for the computer player's random steps. Each random
// step calls Saeen() once when it starts and then Ziehen() as often as it
// needs; the game seeds from the clock there, tests and the analysis tool
// replay a given sequence and ignore the seeding.
class Zufallsquelle {
public:
    virtual ~Zufallsquelle() = default;
    virtual void Saeen() {}
    virtual double Ziehen() = 0;
};

// The game's generator: re-seeded from the high-resolution clock on every
// Saeen(), so that each random step starts from a fresh seed.
class UhrZufall : public Zufallsquelle {
public:
    void Saeen() override;
    double Ziehen() override;

private:
    std::mt19937_64 generator_{0};
};

// Thrown when a replayed sequence has no draw left.
class ZufallErschoepft : public std::runtime_error {
public:
    ZufallErschoepft() : std::runtime_error("zu wenige Zufallszahlen") {}
};

// Replays a fixed sequence of draws, for tests and steinfall-analyse.
class FolgeZufall : public Zufallsquelle {
public:
    explicit FolgeZufall(std::vector<double> folge) : folge_(std::move(folge)) {}
    double Ziehen() override;
    std::size_t Verbraucht() const { return naechste_; }

private:
    std::vector<double> folge_;
    std::size_t naechste_ = 0;
};

} // namespace steinfall
