// The interleaving test at length: steinfall-stress [sequences [first seed]].
// Prints the figures, and for a failing seed its log and how to replay it.

#include "tests/Verschraenkung.h"

#include <chrono>
#include <cstdlib>
#include <iostream>

int main(int argc, char** argv) {
    const std::uint64_t anzahl = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 100000;
    const std::uint64_t erste = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
    const auto start = std::chrono::steady_clock::now();
    long schritte = 0;
    std::array<long, 3> spielenden{};
    int fehlschlaege = 0;
    for (std::uint64_t s = erste; s < erste + anzahl; ++s) {
        steinfall::test::Verschraenkung v(s);
        const std::string fehler = v.Lauf();
        schritte += v.Schritte;
        for (int i = 0; i < 3; ++i) {
            spielenden[i] += v.Spielenden[i];
        }
        if (!fehler.empty()) {
            if (++fehlschlaege == 1) {
                for (const auto& zeile : v.Protokoll) {
                    std::cout << zeile << '\n';
                }
            }
            std::cout << "Saat " << s << ": " << fehler << " (steinfall-stress 1 " << s << ")\n";
        }
    }
    const std::chrono::duration<double> dauer = std::chrono::steady_clock::now() - start;
    std::cout << anzahl << " Folgen, " << schritte << " Schritte, Spielenden: " << spielenden[0]
              << " gewonnen, " << spielenden[1] << " verloren, " << spielenden[2] << " remis; "
              << fehlschlaege << " verletzt, " << dauer.count() << " s\n";
    return fehlschlaege == 0 ? 0 : 1;
}
