// How long the computer takes to decide, per strength and stage of a game:
//
//     build/bin/steinfall-bench --benchmark_repetitions=5
//         --benchmark_report_aggregates_only=true  (one command line)
//
// The game processes window events once per scan position, so the decision
// time is the floor under any move; the pause and the fall come on top.

#include "ai/Computerzug.h"
#include "core/Brett.h"
#include "core/Zufall.h"

#include <benchmark/benchmark.h>

#include <string>

namespace steinfall {
namespace {

// Boards as the analysis tool writes them: 42 cells, row 0 at the top.
const char* const Stellungen[] = {
    "000000000000000000000000000000000000000000", // empty
    "000000000000000000000000000002000000121000", // opening
    "000000000000000001000002210001122002121120", // middle game
    "000000001020002122100211212012121201212121", // late middle game
    "012012102121221212112121212221212121212121", // endgame
};

Spielstand StandAus(const std::string& brett, int staerke) {
    Spielstand stand;
    stand.AmZug = SteinComputer;
    stand.Spielstaerke = static_cast<Staerke>(staerke);
    int steine = 0;
    for (int i = 0; i < AnzahlFelder; ++i) {
        stand.Brett[i] = brett[i] - '0';
        steine += brett[i] != '0' ? 1 : 0;
    }
    stand.Zugzaehler = steine / 2 * 2 + 2;
    SpaltenAbleiten(stand);
    return stand;
}

void ComputerEntscheidet(benchmark::State& state) {
    const Spielstand stand = StandAus(Stellungen[state.range(1)], static_cast<int>(state.range(0)));
    UhrZufall zufall;
    Analyse a;
    a.Stand = &stand;
    a.Zufall = &zufall;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputerEntscheiden(a).Spalte);
    }
}

BENCHMARK(ComputerEntscheidet)
    ->ArgNames({"Staerke", "Stellung"})
    ->ArgsProduct({{Anfaenger, Experte, Profi}, {0, 1, 2, 3, 4}});

} // namespace
} // namespace steinfall

BENCHMARK_MAIN();
