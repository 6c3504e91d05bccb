// The state the windows share for one run, split by what each part is: the settings a game is
// played with, the puzzle, the board as it stands, the transient look of it, and the clock.
#pragma once

#include "game/Color.h"
#include "game/Numbering.h"
#include "game/TwipGeometry.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kestrelink {

// A table of rows 0..32 and columns 0..1, as every shared table of the game is.
template <typename T> using PairTable = std::array<std::array<T, 2>, kTableRows>;

using Clock = std::chrono::system_clock;

template <typename T> PairTable<T> filledTable(T column0, T column1) {
    PairTable<T> table{};
    for (auto& row : table)
        row = {column0, column1};
    return table;
}

inline constexpr int kMinColors = 4;
inline constexpr int kMaxColors = 10;

enum class Verdict { Incomplete, Wrong, Correct };

// The settings one game window plays with, taken from the start-up window when a game starts.
// Only checkedSettings makes them, so every value is in range wherever it is read.
struct GameSettings {
    std::int16_t NumberOfPCs = kMinPcs; // 4..16
    int ColorCount = kMinColors;        // 4..10
    bool AdvancedLevel = false;         // cover-ups over the waiting cable connectors
};

// Brings each setting into its range (the start-up window's texts can hold anything).
GameSettings checkedSettings(int numberOfPcs, int colorCount, bool advancedLevel);

// One generated puzzle: the hidden solution and the colours. Restart keeps it; a new game
// replaces it whole.
struct Puzzle {
    // Column 0: the PC connector at the other end of c's cable; column 1: the cable connector
    // that belongs on c.
    PairTable<std::int16_t> SolutionPlan = filledTable<std::int16_t>(kNone, kNone);
    // Entries 0..9 hold the palette; entry 10 is never used.
    std::array<Color, 11> ColorPalette{};
    // Entries 0..ColorCount-1 are the colours in play.
    std::array<Color, kTableRows> GameColors{};
    // The colour of PC connector c and of cable connector j, 0..2N-1.
    std::vector<Color> pcConnectorColors;
    std::vector<Color> cableConnectorColors;
};

// The board as it stands: where each cable connector is, the cables drawn to them, and what the
// last judgement found.
struct BoardState {
    // Home position of cable connector j: column 0 = Top, column 1 = Left, in twips.
    PairTable<std::int32_t> CableConnectorHome = filledTable<std::int32_t>(0, 0);
    // Where cable connector j is now, 0..2N-1.
    std::vector<TwipRect> cableConnectors;
    // TheCable(3k), (3k+1), (3k+2): cable k's two stubs and its riser.
    std::vector<TwipLine> cableSegments;
    // Column 0: the cable connector on PC connector c, or kNone. Column 1 is kept at 0.
    PairTable<std::int16_t> PcConnectorPlug = filledTable<std::int16_t>(kNone, 0);
    // Column 0: the partner of c as the player has wired it, or kNone. Column 1 is unused.
    PairTable<std::int16_t> PlayerLinks = filledTable<std::int16_t>(kNone, kNone);
    // Results of the last occupancy scan and ring walk.
    bool AllPcConnectorsPlugged = false;
    bool PcRingIsCorrect = false;
};

// How the board looks for the moment: none of it is the game, all of it is what the player
// sees.
struct BoardLook {
    Verdict verdict = Verdict::Incomplete;
    // The colour of every cable segment: the verdict's, a mark, or the animation's.
    std::vector<Color> segmentColors;
    // Drop areas shown red while a fitting connector is dragged over them.
    std::vector<bool> highlightedAreas;
    bool coverUpsShown = false;
    // Advanced level: the pointer was last over the cable row, so the covers are lifted.
    bool CoverUpsLifted = false;
    // The cable the success animation shows white.
    std::int16_t AnimatedCableIndex = 0;
};

struct GameClockState {
    Clock::time_point GameStartTime{};
    Clock::time_point GameClockTime{};
    // The last verdict was a correct ring: the elapsed time stands still.
    bool GameIsFinished = false;
    // What the four time boxes show: the time of day now and when the game started, when the
    // ring was made (nothing while the game runs), and how long the game has taken.
    Clock::time_point currentTime{};
    Clock::time_point startingTime{};
    std::optional<Clock::time_point> endingTime;
    Clock::duration elapsedTime{};
};

struct GameState {
    // As the start-up window sets it; a game takes it through checkedSettings.
    std::int16_t NumberOfPCs = kMinPcs;
    std::string AppPath;
    // The game window has finished its start-up and has not been closed.
    bool GameWindowIsOpen = false;

    GameSettings settings;
    Puzzle puzzle;
    BoardState board;
    BoardLook look;
    GameClockState clock;

    int pcCount() const { return settings.NumberOfPCs; }
    int connectorCount() const { return 2 * settings.NumberOfPCs; }
};

// Fills ColorPalette entries 0..9 in palette order.
void fillColorPalette(Puzzle& puzzle);

} // namespace kestrelink
