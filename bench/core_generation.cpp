// Time to generate one puzzle, and how many pairings it draws before one forms a single ring.
#include "game/GameState.h"
#include "game/PuzzleGenerator.h"
#include "game/RandomSource.h"

#include <benchmark/benchmark.h>
#include <cstdint>

namespace {

void generatePuzzleOfSize(benchmark::State& run) {
    kestrelink::Puzzle state;
    const int pcCount = static_cast<int>(run.range(0));
    kestrelink::fillColorPalette(state);
    kestrelink::StdRandomSource random(42);
    long long attempts = 0;
    for (auto _ : run) {
        const kestrelink::GeneratedPuzzle puzzle =
            kestrelink::generatePuzzle(state, pcCount, 7, random);
        attempts += puzzle.attempts;
        benchmark::DoNotOptimize(puzzle);
    }
    // Expected 2N: one pairing in 2N is free of self-draws and forms one ring.
    run.counters["attempts"] =
        benchmark::Counter(static_cast<double>(attempts), benchmark::Counter::kAvgIterations);
    run.counters["expected"] = static_cast<double>(2 * run.range(0));
}

BENCHMARK(generatePuzzleOfSize)->Arg(4)->Arg(10)->Arg(16);

} // namespace
