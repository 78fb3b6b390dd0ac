#pragma once
// FNV-1a, 64 bits, as 16 hex digits: the digest the decision signature and
// the text check keep (tools/signatur/erzeugen.py writes the same).
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace steinfall::test {

inline std::string Fnv1a64(std::string_view text) {
    std::uint64_t h = 0xCBF29CE484222325ull;
    for (const unsigned char byte : text) {
        h = (h ^ byte) * 0x100000001B3ull;
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(h));
    return hex;
}

} // namespace steinfall::test
