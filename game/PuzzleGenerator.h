// Generates a puzzle: the colours in play, the PC connector colours, a hidden solution whose
// cables join all PCs into one ring, and cable connector colours that make it reachable.
#pragma once

#include "game/Color.h"
#include "game/GameState.h"
#include "game/RandomSource.h"

#include <string>
#include <vector>

namespace kestrelink {

struct GeneratedPuzzle {
    // Colour of PC connector c, c = 0..2N-1.
    std::vector<Color> pcConnectorColors;
    // Colour of cable connector j, j = 0..2N-1.
    std::vector<Color> cableConnectorColors;
    // Diagnostic listing of the pairing (written after the single-ring test passes).
    std::vector<std::string> pairingListing;
    // Diagnostic listing of the cable assignment.
    std::vector<std::string> cableListing;
    // How many pairings were drawn until one formed a single ring (at least 1), counting those
    // abandoned after a connector drew itself: 2N on average.
    int attempts = 0;
};

// Deals a puzzle for pcCount PCs (4..16) from puzzle.ColorPalette (filled); colorCount is
// 4..10. Writes the puzzle's GameColors, SolutionPlan (rows 0..2N-1, both columns) and the
// connector colours, which it also returns with the listings.
GeneratedPuzzle generatePuzzle(Puzzle& puzzle, int pcCount, int colorCount, RandomSource& random);

// True when the pairing in SolutionPlan column 0, rows 0..2N-1, walked cable, PC, cable, ...
// from PC connector 0, passes all N PCs before returning: the cables form one ring.
bool pairingFormsSingleRing(const Puzzle& puzzle, int pcCount);

} // namespace kestrelink
