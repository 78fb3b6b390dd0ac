#include "core/Zufall.h"

#include <chrono>

namespace steinfall {

void UhrZufall::Saeen() {
    const auto jetzt = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    generator_.seed(static_cast<std::uint64_t>(jetzt));
}

double UhrZufall::Ziehen() {
    // 53 random bits scaled into [0, 1): never 1.0, unlike some
    // uniform_real_distribution implementations.
    return static_cast<double>(generator_() >> 11) * 0x1.0p-53;
}

double FolgeZufall::Ziehen() {
    if (naechste_ >= folge_.size()) {
        throw ZufallErschoepft();
    }
    return folge_[naechste_++];
}

} // namespace steinfall
