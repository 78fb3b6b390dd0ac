#pragma once

#include <cassert>
#include <cstdint>

namespace steinfall {

// A signed 16-bit game value. Every board, game and analysis value is one.
// Arithmetic on it is checked: a result outside the 16-bit range is a bug in
// the rules, and debug builds stop right there instead of wrapping silently.
class Zahl16 {
public:
    constexpr Zahl16() = default;
    constexpr Zahl16(int wert) : wert_(pruefe(wert)) {}

    constexpr operator int() const { return wert_; }

    constexpr Zahl16& operator+=(int d) {
        wert_ = pruefe(wert_ + d);
        return *this;
    }
    constexpr Zahl16& operator-=(int d) {
        wert_ = pruefe(wert_ - d);
        return *this;
    }
    constexpr Zahl16& operator++() { return *this += 1; }
    constexpr Zahl16& operator--() { return *this -= 1; }

private:
    static constexpr std::int16_t pruefe(int wert) {
        assert(wert >= INT16_MIN && wert <= INT16_MAX && "16-bit overflow");
        return static_cast<std::int16_t>(wert);
    }

    std::int16_t wert_ = 0;
};

} // namespace steinfall
