// Puzzle generation: the solution's invariants, its distributions, the order of the random draws
// and the single-ring test against an independent twin.
#include "game/PuzzleGenerator.h"

#include "TestRandom.h"
#include "game/GameState.h"
#include "game/Numbering.h"
#include "game/Palette.h"
#include "tests/core/RingTwin.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <gtest/gtest.h>
#include <map>
#include <numeric>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace kestrelink {
namespace {

using testsupport::ScriptedRandomSource;

constexpr std::size_t toSize(int n) {
    return static_cast<std::size_t>(n);
}

// Marks rows and entries generation must not touch, so a stray write shows.
constexpr std::int16_t kUntouched = 77;
constexpr Color kUntouchedColor = 0x00123456;

GameState stateFor(int pcCount) {
    GameState state;
    state.settings.NumberOfPCs = static_cast<std::int16_t>(pcCount);
    fillColorPalette(state.puzzle);
    state.puzzle.SolutionPlan = filledTable<std::int16_t>(kUntouched, kUntouched);
    state.puzzle.GameColors.fill(kUntouchedColor);
    return state;
}

std::vector<int> partners(const GameState& state) {
    std::vector<int> result;
    for (int c = 0; c < state.connectorCount(); ++c)
        result.push_back(at(state.puzzle.SolutionPlan, c)[0]);
    return result;
}

// The naive twin of the ring walk, for a pairing of PC connectors: the cables as pairs of ends.
bool naiveSingleRing(const std::vector<int>& partner) {
    std::vector<int> ends;
    for (int c = 0; c < static_cast<int>(partner.size()); ++c) {
        if (c < at(partner, c)) {
            ends.push_back(c);
            ends.push_back(at(partner, c));
        }
    }
    return kestrelink::testing::isOneRing(ends, static_cast<int>(partner.size()) / 2);
}

bool isPaletteColor(Color color) {
    const auto& palette = paletteColors();
    return std::find(palette.begin(), palette.end(), color) != palette.end();
}

::testing::AssertionResult puzzleIsSound(const GameState& state, const GeneratedPuzzle& puzzle,
                                         int colorCount) {
    const int connectors = state.connectorCount();
    const auto& plan = state.puzzle.SolutionPlan;
    auto fail = [] { return ::testing::AssertionFailure(); };

    if (puzzle.attempts < 1)
        return fail() << "attempts " << puzzle.attempts;
    if (puzzle.pcConnectorColors.size() != toSize(connectors) ||
        puzzle.cableConnectorColors.size() != toSize(connectors))
        return fail() << "colour lists not sized 2N";
    if (puzzle.pairingListing.size() != toSize(5 * state.pcCount()) ||
        puzzle.cableListing.size() != toSize(5 * state.pcCount()))
        return fail() << "listings not five lines per PC";

    // Colours in play: distinct palette colours; entries beyond them untouched.
    std::set<Color> inPlay;
    for (int i = 0; i < colorCount; ++i) {
        if (!isPaletteColor(at(state.puzzle.GameColors, i)))
            return fail() << "colour in play " << i << " is not a palette colour";
        inPlay.insert(at(state.puzzle.GameColors, i));
    }
    if (inPlay.size() != toSize(colorCount))
        return fail() << "colours in play repeat";
    for (std::size_t i = toSize(colorCount); i < state.puzzle.GameColors.size(); ++i)
        if (state.puzzle.GameColors[i] != kUntouchedColor)
            return fail() << "GameColors(" << i << ") written";
    for (Color color : puzzle.pcConnectorColors)
        if (inPlay.count(color) == 0)
            return fail() << "a PC connector has a colour not in play";

    std::vector<int> cableConnectorSeen(toSize(connectors), 0);
    for (int c = 0; c < connectors; ++c) {
        const int partner = at(plan, c)[0];
        // 1: an involution without fixed points.
        if (partner < 0 || partner >= connectors || partner == c || at(plan, partner)[0] != c)
            return fail() << "connector " << c << " paired with " << partner;
        // 2: column 1 a permutation, one whole cable on each pair.
        const int end = at(plan, c)[1];
        if (end < 0 || end >= connectors)
            return fail() << "connector " << c << " plans cable connector " << end;
        ++at(cableConnectorSeen, end);
        if (at(plan, partner)[1] != otherEndOfCable(end))
            return fail() << "pair " << c << "-" << partner << " holds ends of two cables";
        // 4: the plan is reachable by matching colours.
        if (at(puzzle.cableConnectorColors, end) != at(puzzle.pcConnectorColors, c))
            return fail() << "cable connector " << end << " does not match PC connector " << c;
    }
    if (std::count(cableConnectorSeen.begin(), cableConnectorSeen.end(), 1) != connectors)
        return fail() << "column 1 is not a permutation";
    // 3: one ring, by the twin rather than the walk under test.
    if (!naiveSingleRing(partners(state)))
        return fail() << "the pairs form more than one ring";

    for (int row = connectors; row < kTableRows; ++row)
        if (at(plan, row)[0] != kUntouched || at(plan, row)[1] != kUntouched)
            return fail() << "SolutionPlan row " << row << " written";
    return ::testing::AssertionSuccess();
}

double chiSquare(const std::vector<int>& counts, double expected) {
    double sum = 0;
    for (int count : counts)
        sum += (count - expected) * (count - expected) / expected;
    return sum;
}

TEST(PuzzleGenerator, EveryBoardSizeAndColourCountGivesASoundPuzzle) {
    for (int pcCount = kMinPcs; pcCount <= kMaxPcs; ++pcCount) {
        for (int colorCount = 4; colorCount <= kPaletteSize; ++colorCount) {
            StdRandomSource random(static_cast<std::uint64_t>(100 * pcCount + colorCount));
            for (int run = 0; run < 15; ++run) {
                GameState state = stateFor(pcCount);
                const GeneratedPuzzle puzzle =
                    generatePuzzle(state.puzzle, state.pcCount(), colorCount, random);
                ASSERT_TRUE(puzzleIsSound(state, puzzle, colorCount))
                    << "N " << pcCount << ", colours " << colorCount << ", run " << run;
                ASSERT_TRUE(pairingFormsSingleRing(state.puzzle, state.pcCount()));
            }
        }
    }
}

TEST(PuzzleGenerator, TenColoursPutTheWholePaletteInPlayInRandomOrder) {
    StdRandomSource random(7);
    std::set<std::vector<Color>> orders;
    auto sortedPalette = std::vector<Color>(paletteColors().begin(), paletteColors().end());
    std::sort(sortedPalette.begin(), sortedPalette.end());
    for (int run = 0; run < 20; ++run) {
        GameState state = stateFor(4);
        generatePuzzle(state.puzzle, state.pcCount(), kPaletteSize, random);
        std::vector<Color> inPlay(state.puzzle.GameColors.begin(),
                                  state.puzzle.GameColors.begin() + 10);
        orders.insert(inPlay);
        std::sort(inPlay.begin(), inPlay.end());
        EXPECT_EQ(inPlay, sortedPalette);
    }
    EXPECT_GT(orders.size(), 15u);
}

// The colours in play and the PC connector colours are each drawn uniformly.
TEST(PuzzleGenerator, ColourDrawsAreUniform) {
    StdRandomSource random(11);
    constexpr int kRuns = 3000;
    std::vector<int> firstInPlay(toSize(kPaletteSize), 0);
    std::vector<int> fourthInPlay(toSize(kPaletteSize), 0);
    std::vector<int> connectorColourSlot(4, 0);
    for (int run = 0; run < kRuns; ++run) {
        GameState state = stateFor(4);
        const GeneratedPuzzle puzzle = generatePuzzle(state.puzzle, state.pcCount(), 4, random);
        const auto& palette = paletteColors();
        auto paletteIndex = [&](Color color) {
            return std::find(palette.begin(), palette.end(), color) - palette.begin();
        };
        ++at(firstInPlay, static_cast<int>(paletteIndex(state.puzzle.GameColors[0])));
        ++at(fourthInPlay, static_cast<int>(paletteIndex(state.puzzle.GameColors[3])));
        for (Color color : puzzle.pcConnectorColors)
            ++at(connectorColourSlot,
                 static_cast<int>(std::find(state.puzzle.GameColors.begin(),
                                            state.puzzle.GameColors.begin() + 4, color) -
                                  state.puzzle.GameColors.begin()));
    }
    // 9 degrees of freedom and 3: thresholds far in the tail, so only a real bias fails.
    EXPECT_LT(chiSquare(firstInPlay, kRuns / 10.0), 40.0);
    EXPECT_LT(chiSquare(fourthInPlay, kRuns / 10.0), 40.0);
    EXPECT_LT(chiSquare(connectorColourSlot, kRuns * 8 / 4.0), 25.0);
}

// All 105 matchings of 8 connectors, by the obvious recursion.
void allMatchings(std::vector<int>& partner, std::vector<std::vector<int>>& out) {
    const auto first = std::find(partner.begin(), partner.end(), kNone);
    if (first == partner.end()) {
        out.push_back(partner);
        return;
    }
    const int i = static_cast<int>(first - partner.begin());
    for (int j = i + 1; j < static_cast<int>(partner.size()); ++j) {
        if (at(partner, j) != kNone)
            continue;
        at(partner, i) = j;
        at(partner, j) = i;
        allMatchings(partner, out);
        at(partner, i) = at(partner, j) = kNone;
    }
}

TEST(PuzzleGenerator, AcceptedPairingIsUniformOverTheSingleRings) {
    std::vector<int> empty(8, kNone);
    std::vector<std::vector<int>> matchings;
    allMatchings(empty, matchings);
    ASSERT_EQ(matchings.size(), 105u);
    std::map<std::vector<int>, int> ringCounts;
    for (const auto& matching : matchings)
        if (naiveSingleRing(matching))
            ringCounts[matching] = 0;
    ASSERT_EQ(ringCounts.size(), 48u);

    constexpr int kPerRing = 250;
    StdRandomSource random(2024);
    long long attempts = 0;
    for (int run = 0; run < 48 * kPerRing; ++run) {
        GameState state = stateFor(4);
        attempts += generatePuzzle(state.puzzle, state.pcCount(), 4, random).attempts;
        const auto found = ringCounts.find(partners(state));
        ASSERT_NE(found, ringCounts.end()) << "accepted a pairing that is not a single ring";
        ++found->second;
    }
    std::vector<int> counts;
    for (const auto& [matching, count] : ringCounts)
        counts.push_back(count);
    EXPECT_GT(*std::min_element(counts.begin(), counts.end()), 0);
    // 47 degrees of freedom: mean 47, and 100 lies beyond p = 1e-5.
    EXPECT_LT(chiSquare(counts, kPerRing), 100.0);
    // One accepted pairing per 2N attempts on average; the mean over 12000 games is within 3 %.
    EXPECT_NEAR(static_cast<double>(attempts) / (48 * kPerRing), 8.0, 0.25);
}

TEST(PuzzleGenerator, CableEndsAndCablesAreSpreadUniformly) {
    constexpr int kPcs = 6;
    constexpr int kRuns = 6000;
    StdRandomSource random(99);
    int evenEndOnLowerConnector = 0;
    // cableAtPosition[n][k]: how often the n-th pair (by lower connector) received cable k.
    std::vector<int> cableAtPosition(kPcs * kPcs, 0);
    for (int run = 0; run < kRuns; ++run) {
        GameState state = stateFor(kPcs);
        generatePuzzle(state.puzzle, state.pcCount(), 5, random);
        int position = 0;
        for (int c = 0; c < 2 * kPcs; ++c) {
            if (at(state.puzzle.SolutionPlan, c)[0] < c)
                continue;
            const int end = at(state.puzzle.SolutionPlan, c)[1];
            evenEndOnLowerConnector += end % 2 == 0 ? 1 : 0;
            ++at(cableAtPosition, position++ * kPcs + cableOfConnector(end));
        }
    }
    const double share = static_cast<double>(evenEndOnLowerConnector) / (kRuns * kPcs);
    // Five standard deviations of a fair coin over 36000 tosses.
    EXPECT_NEAR(share, 0.5, 5 * 0.5 / std::sqrt(kRuns * kPcs));
    // 30 degrees of freedom if each position's row is uniform; 80 lies beyond p = 1e-5.
    EXPECT_LT(chiSquare(cableAtPosition, kRuns / static_cast<double>(kPcs)), 80.0);
}

// The game's source is the same on every standard library, so this result is too; a change here
// means the generator's draws, their order or their mapping onto ranges changed, and every
// seed in a bug report deals differently.
TEST(PuzzleGenerator, GoldenOutputForOneSeed) {
    GameState state = stateFor(4);
    StdRandomSource random(2024);
    const GeneratedPuzzle puzzle = generatePuzzle(state.puzzle, state.pcCount(), 5, random);

    EXPECT_EQ(puzzle.attempts, 16);
    EXPECT_EQ(
        std::vector<Color>(state.puzzle.GameColors.begin(), state.puzzle.GameColors.begin() + 5),
        (std::vector<Color>{0x00FFFFFF, 0x00FFFF00, 0x0000FFFF, 0x00FF0000, 0x00000000}));
    EXPECT_EQ(puzzle.pcConnectorColors,
              (std::vector<Color>{0x0000FFFF, 0x00FFFFFF, 0x0000FFFF, 0x00FFFFFF, 0x0000FFFF,
                                  0x0000FFFF, 0x00000000, 0x00000000}));
    EXPECT_EQ(puzzle.cableConnectorColors,
              (std::vector<Color>{0x0000FFFF, 0x00000000, 0x00FFFFFF, 0x00FFFFFF, 0x00000000,
                                  0x0000FFFF, 0x0000FFFF, 0x0000FFFF}));
    EXPECT_EQ(puzzle.pairingListing,
              (std::vector<std::string>{"----------", "0", "----------", " 0 -  6", " 1 -  3",
                                        "----------", "1", "----------", " 2 -  5", " 3 -  1",
                                        "----------", "2", "----------", " 4 -  7", " 5 -  2",
                                        "----------", "3", "----------", " 6 -  0", " 7 -  4"}));
    EXPECT_EQ(puzzle.cableListing,
              (std::vector<std::string>{
                  "----------", "0", "----------", " 6 -  0 -  0", " 3 -  3 -  1",
                  "----------", "1", "----------", " 5 -  6 -  3", " 1 -  2 -  1",
                  "----------", "2", "----------", " 7 -  5 -  2", " 2 -  7 -  3",
                  "----------", "3", "----------", " 0 -  1 -  0", " 4 -  4 -  2"}));
}

// Scripted draws walk through a self-draw, a pairing of two loops and an accepted ring, and
// pin the order and range of every draw.
TEST(PuzzleGenerator, SelfDrawAbandonsTheAttemptAndTwoLoopsAreRejected) {
    const std::vector<int> script = {
        9, 0, 3, 6,             // colours in play: LightViolet, LightBlue, Violet, Black
        0, 1, 2, 3, 3, 2, 1, 0, // PC connector colours, by slot
        0,                      // attempt 1: connector 0 draws itself
        2, 1, 2, 1,             // attempt 2: 0-2, 1-3, 4-6, 5-7, two loops of two PCs
        2, 5, 1, 1,             // attempt 3: 0-2, 1-7, 3-4, 5-6, one ring
        3, 1, 0, 0, 1, 1, 0, 0, // cables: (3, end 1), (0, end 0), (2, end 1), (1, end 0)
    };
    ScriptedRandomSource random(script);
    GameState state = stateFor(4);
    const GeneratedPuzzle puzzle = generatePuzzle(state.puzzle, state.pcCount(), 4, random);

    EXPECT_TRUE(random.exhausted());
    EXPECT_EQ(random.faults(), "");
    const std::vector<int> expectedRanges = {10, 9, 8, 7, 4, 4, 4, 4, 4, 4, 4, 4, 8, 8, 6,
                                             4,  2, 8, 6, 4, 2, 4, 2, 3, 2, 2, 2, 1, 2};
    EXPECT_EQ(random.ranges(), expectedRanges);
    EXPECT_EQ(puzzle.attempts, 3);

    const std::vector<std::array<std::int16_t, 2>> expectedPlan = {{2, 7}, {7, 0}, {0, 6}, {4, 5},
                                                                   {3, 4}, {6, 2}, {5, 3}, {1, 1}};
    for (int c = 0; c < 8; ++c)
        EXPECT_EQ(at(state.puzzle.SolutionPlan, c), at(expectedPlan, c)) << "connector " << c;

    const Color lightViolet = 0x00FFC0FF, lightBlue = 0x00FFFF00, violet = 0x00FF00FF, black = 0;
    EXPECT_EQ(puzzle.pcConnectorColors,
              (std::vector<Color>{lightViolet, lightBlue, violet, black, black, violet, lightBlue,
                                  lightViolet}));
    EXPECT_EQ(puzzle.cableConnectorColors,
              (std::vector<Color>{lightBlue, lightViolet, violet, lightBlue, black, black, violet,
                                  lightViolet}));
    EXPECT_EQ(puzzle.pairingListing,
              (std::vector<std::string>{"----------", "0", "----------", " 0 -  2", " 1 -  7",
                                        "----------", "1", "----------", " 2 -  0", " 3 -  4",
                                        "----------", "2", "----------", " 4 -  3", " 5 -  6",
                                        "----------", "3", "----------", " 6 -  5", " 7 -  1"}));
    EXPECT_EQ(puzzle.cableListing,
              (std::vector<std::string>{
                  "----------", "0", "----------", " 2 -  7 -  3", " 7 -  0 -  0",
                  "----------", "1", "----------", " 0 -  6 -  3", " 4 -  5 -  2",
                  "----------", "2", "----------", " 3 -  4 -  2", " 6 -  2 -  1",
                  "----------", "3", "----------", " 5 -  3 -  1", " 1 -  1 -  0"}));
}

// Settings the game never offers must not write past the tables or draw from an empty range.
TEST(PuzzleGenerator, OutOfRangeSettingsStayInsideTheTables) {
    GameState state = stateFor(17);
    StdRandomSource random(3);
    const GeneratedPuzzle puzzle = generatePuzzle(state.puzzle, state.pcCount(), 12, random);
    EXPECT_EQ(puzzle.pcConnectorColors.size(), 32u);
    EXPECT_EQ(state.puzzle.SolutionPlan[32][0], kUntouched);
    EXPECT_EQ(state.puzzle.SolutionPlan[32][1], kUntouched);
    EXPECT_EQ(state.puzzle.GameColors[10], kUntouchedColor);

    GameState noColors = stateFor(4);
    const GeneratedPuzzle single = generatePuzzle(noColors.puzzle, noColors.pcCount(), 0, random);
    for (Color color : single.pcConnectorColors)
        EXPECT_EQ(color, noColors.puzzle.GameColors[0]);
}

GameState stateWithPairing(const std::vector<int>& partner) {
    GameState state;
    state.settings.NumberOfPCs = static_cast<std::int16_t>(partner.size() / 2);
    for (std::size_t c = 0; c < partner.size(); ++c)
        state.puzzle.SolutionPlan[c][0] = static_cast<std::int16_t>(partner[c]);
    return state;
}

bool pairingIsRing(const std::vector<int>& partner) {
    const GameState state = stateWithPairing(partner);
    return pairingFormsSingleRing(state.puzzle, state.pcCount());
}

TEST(PairingFormsSingleRing, AgreesWithTheNaiveTwinOnEveryMatchingOfFourPcs) {
    std::vector<int> empty(8, kNone);
    std::vector<std::vector<int>> matchings;
    allMatchings(empty, matchings);
    int rings = 0;
    for (const auto& matching : matchings) {
        const bool ring = pairingIsRing(matching);
        EXPECT_EQ(ring, naiveSingleRing(matching));
        rings += ring ? 1 : 0;
    }
    // 2^(N-1) (N-1)! single rings among the 105 matchings.
    EXPECT_EQ(rings, 48);
}

TEST(PairingFormsSingleRing, AgreesWithTheNaiveTwinOnRandomMatchings) {
    std::mt19937 engine(5);
    for (int pcCount = 1; pcCount <= kMaxPcs; ++pcCount) {
        int rings = 0;
        constexpr int kTrials = 300;
        for (int trial = 0; trial < kTrials; ++trial) {
            std::vector<int> order(toSize(2 * pcCount));
            std::iota(order.begin(), order.end(), 0);
            std::shuffle(order.begin(), order.end(), engine);
            std::vector<int> partner(order.size());
            for (std::size_t i = 0; i < order.size(); i += 2) {
                at(partner, order[i]) = order[i + 1];
                at(partner, order[i + 1]) = order[i];
            }
            const bool ring = pairingIsRing(partner);
            ASSERT_EQ(ring, naiveSingleRing(partner)) << "N " << pcCount << ", trial " << trial;
            rings += ring ? 1 : 0;
        }
        // Both answers occur for every N above 1, so the comparison tested something.
        if (pcCount > 1) {
            EXPECT_GT(rings, 0) << "N " << pcCount;
            EXPECT_LT(rings, kTrials) << "N " << pcCount;
        }
    }
}

TEST(PairingFormsSingleRing, RejectsWhatIsNotAPairing) {
    GameState unpaired;
    unpaired.settings.NumberOfPCs = 4;
    EXPECT_FALSE(pairingFormsSingleRing(unpaired.puzzle, unpaired.pcCount()));

    GameState tooMany = stateWithPairing({2, 3, 0, 1});
    tooMany.settings.NumberOfPCs = 17;
    EXPECT_FALSE(pairingFormsSingleRing(tooMany.puzzle, tooMany.pcCount()));

    // A pair within one PC is the smallest loop.
    EXPECT_FALSE(pairingIsRing({1, 0, 3, 2, 5, 4, 7, 6}));
    EXPECT_TRUE(pairingIsRing({2, 7, 0, 4, 3, 6, 5, 1}));
}

} // namespace
} // namespace kestrelink
