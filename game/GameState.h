// The state the windows share for one run: settings copied from the start-up window, the
// hidden solution, the board's occupancy as last judged, and the verdict flags.
#pragma once

#include "game/Color.h"
#include "game/Numbering.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <string>

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

struct GameState {
    // Settings copied from the start-up window.
    std::int16_t NumberOfPCs = kMinPcs;
    std::string AppPath;

    // The game window has finished its start-up and has not been closed.
    bool GameWindowIsOpen = false;
    // The last verdict was a correct ring.
    bool GameIsFinished = false;
    // Results of the last occupancy scan and ring walk.
    bool AllPcConnectorsPlugged = false;
    bool PcRingIsCorrect = false;
    // Advanced level: the cover-ups are hidden while the pointer is over the cable row.
    bool CoverUpsLifted = false;
    // The cable the success animation shows white.
    std::int16_t AnimatedCableIndex = 0;

    Clock::time_point GameStartTime{};
    Clock::time_point GameClockTime{};

    // Home position of cable connector j: column 0 = Top, column 1 = Left, in twips.
    PairTable<std::int32_t> CableConnectorHome = filledTable<std::int32_t>(0, 0);
    // Column 0: the cable connector on PC connector c, or kNone; column 1: the ring walk's
    // visited mark (0, or -1 once visited).
    PairTable<std::int16_t> PcConnectorPlug = filledTable<std::int16_t>(kNone, 0);
    // The hidden solution. Column 0: the PC connector at the other end of c's cable;
    // column 1: the cable connector that belongs on c.
    PairTable<std::int16_t> SolutionPlan = filledTable<std::int16_t>(kNone, kNone);
    // Column 0: the partner of c as the player has wired it, or kNone. Column 1 is unused.
    PairTable<std::int16_t> PlayerLinks = filledTable<std::int16_t>(kNone, kNone);

    // Entries 0..9 hold the palette; entry 10 is never used.
    std::array<Color, 11> ColorPalette{};
    // Entries 0..ColorCount-1 are the colours in play.
    std::array<Color, kTableRows> GameColors{};

    int pcCount() const { return NumberOfPCs; }
    int connectorCount() const { return 2 * NumberOfPCs; }
};

// Fills ColorPalette entries 0..9 in palette order.
void fillColorPalette(GameState& state);

} // namespace kestrelink
