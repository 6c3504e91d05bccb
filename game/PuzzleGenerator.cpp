// Random puzzle generation: the solution is fixed first and the cables are painted to fit it.
#include "game/PuzzleGenerator.h"

#include "game/NumberText.h"
#include "game/Numbering.h"
#include "game/Palette.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <numeric>

namespace kestrelink {

namespace {

// Drawing without replacement: values kept in insertion order, taken out by position.
using Pool = std::vector<int>;

using Plan = PairTable<std::int16_t>;

constexpr std::int16_t cell(int value) {
    return static_cast<std::int16_t>(value);
}

Pool countingPool(int size) {
    Pool pool(static_cast<std::size_t>(size));
    std::iota(pool.begin(), pool.end(), 0);
    return pool;
}

int drawPosition(const Pool& pool, RandomSource& random) {
    return random.below(static_cast<int>(pool.size()));
}

void removeAt(Pool& pool, int position) {
    pool.erase(pool.begin() + position);
}

void removeFirstValue(Pool& pool, int value) {
    const auto found = std::find(pool.begin(), pool.end(), value);
    if (found != pool.end())
        pool.erase(found);
}

// Step 1: colorCount distinct palette colours in random order (draw D1). The pool always holds
// the whole palette, whatever colorCount is, so every subset and order is equally likely.
void chooseColorsInPlay(Puzzle& puzzle, int colorCount, RandomSource& random) {
    Pool pool = countingPool(kPaletteSize);
    for (int i = 0; i < colorCount; ++i) {
        const int position = drawPosition(pool, random);
        at(puzzle.GameColors, i) = at(puzzle.ColorPalette, at(pool, position));
        removeAt(pool, position);
    }
}

// Step 2: every PC connector independently takes one of the colours in play (draw D2).
std::vector<Color> colorPcConnectors(const Puzzle& puzzle, int connectorCount, int colorCount,
                                     RandomSource& random) {
    std::vector<Color> colors(static_cast<std::size_t>(connectorCount));
    for (Color& color : colors)
        color = at(puzzle.GameColors, random.below(colorCount));
    return colors;
}

// Step 3: one attempt at a random perfect matching (draw D3). Every connector still unpaired,
// itself included, is an equally likely partner; a connector that draws itself spoils the
// attempt. Rejecting those attempts, rather than leaving the connector out of the draw, is what
// keeps every matching equally likely. Returns false for a spoilt attempt.
bool drawPairing(Plan& plan, int connectorCount, RandomSource& random) {
    for (int c = 0; c < connectorCount; ++c)
        at(plan, c) = {kNone, kNone};
    Pool pool = countingPool(connectorCount);
    for (int i = 0; i < connectorCount; ++i) {
        if (at(plan, i)[0] != kNone)
            continue;
        const int position = drawPosition(pool, random);
        const int partner = at(pool, position);
        at(plan, i)[0] = cell(partner);
        at(plan, partner)[0] = cell(i);
        if (partner == i)
            return false;
        removeAt(pool, position);
        removeFirstValue(pool, i);
    }
    return true;
}

// Step 4, the ring walk: cross a cable, step to the other connector of that PC, and count the
// PCs passed until the walk comes back to a connector already visited.
bool formsSingleRing(const Plan& plan, int pcCount) {
    const int connectorCount = 2 * pcCount;
    std::array<bool, kTableRows> ringVisited{};
    int remaining = pcCount;
    int current = 0;
    do {
        if (at(ringVisited, current))
            break;
        at(ringVisited, current) = true;
        current = at(plan, current)[0];
        // A plan that is not a pairing of these connectors cannot be a ring.
        if (current < 0 || current >= connectorCount)
            return false;
        if (at(ringVisited, current))
            break;
        at(ringVisited, current) = true;
        current = otherConnectorOfSamePc(current);
        --remaining;
    } while (remaining > 0);
    return remaining == 0;
}

// Step 5: each pair takes a whole cable (draw D4), and which of its ends goes to the
// lower-numbered connector is a coin toss (draw D5).
void assignCables(Plan& plan, int connectorCount, RandomSource& random) {
    Pool pool = countingPool(connectorCount / 2);
    for (int i = 0; i < connectorCount; ++i) {
        if (at(plan, i)[1] != kNone)
            continue;
        const int position = drawPosition(pool, random);
        const int cable = at(pool, position);
        const int end = random.below(2);
        at(plan, i)[1] = cell(2 * cable + end);
        at(plan, at(plan, i)[0])[1] = cell(2 * cable + 1 - end);
        removeAt(pool, position);
    }
}

// Both listings share the per-PC layout and differ only in the line for each connector.
template <typename ConnectorLine>
std::vector<std::string> listing(int pcCount, ConnectorLine connectorLine) {
    std::vector<std::string> lines;
    for (int pc = 0; pc < pcCount; ++pc) {
        lines.emplace_back("----------");
        lines.push_back(std::to_string(pc));
        lines.emplace_back("----------");
        lines.push_back(connectorLine(2 * pc));
        lines.push_back(connectorLine(2 * pc + 1));
    }
    return lines;
}

std::vector<std::string> pairingListing(const Plan& plan, int pcCount) {
    return listing(pcCount, [&plan](int c) {
        return signedDecimal(c) + " - " + signedDecimal(at(plan, c)[0]);
    });
}

std::vector<std::string> cableListing(const Plan& plan, int pcCount) {
    return listing(pcCount, [&plan](int c) {
        const int cableConnector = at(plan, c)[1];
        return signedDecimal(at(plan, c)[0]) + " - " + signedDecimal(cableConnector) + " - " +
               signedDecimal(cableOfConnector(cableConnector));
    });
}

} // namespace

GeneratedPuzzle generatePuzzle(Puzzle& dealt, int requestedPcCount, int colorCount,
                               RandomSource& random) {
    // Out-of-range settings would draw from an empty range or write past the tables' last row;
    // every count the game can offer passes through unchanged.
    const int pcCount = std::clamp(requestedPcCount, 1, kMaxPcs);
    const int colors = std::clamp(colorCount, 1, kPaletteSize);
    const int connectorCount = 2 * pcCount;
    Plan& plan = dealt.SolutionPlan;

    GeneratedPuzzle puzzle;
    chooseColorsInPlay(dealt, colors, random);
    puzzle.pcConnectorColors = colorPcConnectors(dealt, connectorCount, colors, random);

    // Every pairing drawn counts as an attempt, including those spoilt by a self-draw, so the
    // mean is 2N: a self-draw-free matching that also forms one ring turns up once in 2N tries.
    do {
        ++puzzle.attempts;
    } while (!drawPairing(plan, connectorCount, random) || !formsSingleRing(plan, pcCount));
    puzzle.pairingListing = pairingListing(plan, pcCount);

    assignCables(plan, connectorCount, random);
    puzzle.cableListing = cableListing(plan, pcCount);

    // Step 6: paint each cable connector like the PC connector the solution plugs it into.
    puzzle.cableConnectorColors.resize(static_cast<std::size_t>(connectorCount));
    for (int c = 0; c < connectorCount; ++c)
        at(puzzle.cableConnectorColors, at(plan, c)[1]) = at(puzzle.pcConnectorColors, c);
    dealt.pcConnectorColors = puzzle.pcConnectorColors;
    dealt.cableConnectorColors = puzzle.cableConnectorColors;
    return puzzle;
}

bool pairingFormsSingleRing(const Puzzle& puzzle, int pcCount) {
    if (pcCount < 1 || pcCount > kMaxPcs)
        return false;
    return formsSingleRing(puzzle.SolutionPlan, pcCount);
}

} // namespace kestrelink
