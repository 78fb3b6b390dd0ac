#pragma once

#include <cstddef>
#include <random>
#include <stdexcept>
#include <vector>

namespace steinfall {

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
