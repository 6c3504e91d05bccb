// Prints what seeds deal, for comparing two builds of the core deal by deal: for seeds 0 to 999
// and every board size, the deal's attempts, hidden solution and colours, and a row of raw draws
// per seed; then each recorded game named on the command line, replayed to its final board and
// report. Built with no library but the standard one, so that a build with any compiler and
// standard library can be set beside another.
#include "game/PuzzleGenerator.h"
#include "tests/core/GameRecord.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

using namespace kestrelink;

namespace {

void printDeal(std::uint64_t seed, int n) {
    StdRandomSource random(seed);
    GameState state;
    state.settings =
        checkedSettings(n, 4 + static_cast<int>((seed + static_cast<unsigned>(n)) % 7), false);
    fillColorPalette(state.puzzle);
    const GeneratedPuzzle deal = generatePuzzle(state.puzzle, n, state.settings.ColorCount, random);
    std::cout << "seed " << seed << " pcs " << n << " colors " << state.settings.ColorCount
              << " attempts " << deal.attempts << " plan";
    for (int c = 0; c < 2 * n; ++c)
        std::cout << ' ' << at(state.puzzle.SolutionPlan, c)[0] << '/'
                  << at(state.puzzle.SolutionPlan, c)[1];
    std::cout << " pc";
    for (Color color : deal.pcConnectorColors)
        std::cout << ' ' << colorHexText(color);
    std::cout << " cable";
    for (Color color : deal.cableConnectorColors)
        std::cout << ' ' << colorHexText(color);
    std::cout << '\n';
}

void printDraws(std::uint64_t seed) {
    StdRandomSource random(seed);
    std::cout << "seed " << seed << " draws";
    for (const int range : {2, 3, 10, 33, 1000, 65537, 0x60000000, 0x7FFFFFFF})
        std::cout << ' ' << random.below(range);
    std::cout << '\n';
}

int printReplay(const char* fileName) {
    std::ifstream file(fileName);
    std::stringstream text;
    text << file.rdbuf();
    std::string error;
    const auto record = testing::parseRecord(text.str(), error);
    if (!file || !record) {
        std::cerr << fileName << ": " << (file ? error : "cannot be read") << '\n';
        return 1;
    }
    testing::Replay replay(*record);
    replay.playAll(*record);
    std::cout << "replay of " << record->moves.size() << " moves:\n" << replay.describe();
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    for (std::uint64_t seed = 0; seed < 1000; ++seed) {
        printDraws(seed);
        for (int n = kMinPcs; n <= kMaxPcs; ++n)
            printDeal(seed, n);
    }
    int status = 0;
    for (int i = 1; i < argc; ++i)
        status |= printReplay(argv[i]);
    return status;
}
