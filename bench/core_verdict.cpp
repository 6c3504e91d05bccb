// The core's share of one cable redraw on the largest board: every cable's three segments
// recomputed, then the occupancy scan and the ring walk over a fully plugged ring.
#include "game/BoardLayout.h"
#include "game/Verdict.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

using namespace kestrelink;

struct PluggedBoard {
    BoardLayout layout = layoutBoard(kMaxPcs);
    BoardState state;
    std::vector<TwipPoint> corners;
    std::vector<TwipRect> cableConnectors;

    PluggedBoard() {
        corners.resize(layout.cableConnectors.size());
        cableConnectors = layout.cableConnectors;
        // Cable k from PC k's second connector to PC k+1's first: one ring.
        for (int k = 0; k < kMaxPcs; ++k) {
            place(2 * k, 2 * k + 1);
            place(2 * k + 1, 2 * ((k + 1) % kMaxPcs));
        }
    }

    void place(int j, int c) {
        const auto ci = static_cast<std::size_t>(c);
        const bool right = layout.dropAreas[ci].left > layout.dropAreas[0].left;
        const TwipPoint p = snapPosition(layout.pcConnectors[ci], right);
        const auto ji = static_cast<std::size_t>(j);
        corners[ji] = p;
        cableConnectors[ji].left = p.x;
        cableConnectors[ji].top = p.y;
    }
};

void BM_RedrawAndJudgeSixteenPcs(benchmark::State& run) {
    PluggedBoard board;
    std::vector<TwipLine> segments = board.layout.cableSegments;
    for (auto _ : run) {
        for (std::size_t k = 0; k < kMaxPcs; ++k) {
            const auto lines =
                redrawCable(board.cableConnectors[2 * k], board.cableConnectors[2 * k + 1],
                            segments[3 * k + 2].x1);
            std::copy(lines.begin(), lines.end(),
                      segments.begin() + static_cast<std::ptrdiff_t>(3 * k));
        }
        benchmark::DoNotOptimize(segments.data());
        const Verdict verdict =
            judgeBoard(board.state, kMaxPcs, board.layout.dropAreas, board.corners);
        benchmark::DoNotOptimize(verdict);
    }
    if (judgeBoard(board.state, kMaxPcs, board.layout.dropAreas, board.corners) != Verdict::Correct)
        run.SkipWithError("the benchmark board is not a correct ring");
}
BENCHMARK(BM_RedrawAndJudgeSixteenPcs);

void BM_JudgeSixteenPcs(benchmark::State& run) {
    PluggedBoard board;
    for (auto _ : run)
        benchmark::DoNotOptimize(
            judgeBoard(board.state, kMaxPcs, board.layout.dropAreas, board.corners));
}
BENCHMARK(BM_JudgeSixteenPcs);

} // namespace
