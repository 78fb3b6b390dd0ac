#include "core/Zufall.h"

#include <chrono>

namespace steinfall {

void UhrZufall::Saeen() {
    const auto jetzt = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    generator_.seed(static_cast<std::uint64_t>(jetzt));
}

double UhrZufall::Ziehen() {
    return Einheitsintervall(generator_());
}

double FolgeZufall::Ziehen() {
    if (naechste_ >= folge_.size()) {
        throw ZufallErschoepft();
    }
    return folge_[naechste_++];
}

} // namespace steinfall
