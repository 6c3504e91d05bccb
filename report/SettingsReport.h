// The game report the player can save from the game window: the settings, the hidden solution,
// every connector's colour and, once the board is full, the player's own wiring.
#pragma once

#include "game/Color.h"
#include "game/GameState.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kestrelink {

inline constexpr char kReportFileName[] = "KestrelinkGameSettingsFile.txt";

// Every line of the report file, the last included, ends with this.
inline constexpr char kReportLineEnd[] = "\r\n";

// What the report is made of. The texts are taken as they are shown; the tables and the flag
// are the shared state's; the colours are the board's, indexed by connector.
struct SettingsReportInput {
    std::string dateTimeText;
    std::string colorCountText;
    std::string pcCountText;
    int NumberOfPCs = kMinPcs;
    PairTable<std::int16_t> SolutionPlan = filledTable<std::int16_t>(kNone, kNone);
    PairTable<std::int16_t> PlayerLinks = filledTable<std::int16_t>(kNone, kNone);
    bool AllPcConnectorsPlugged = false;
    // Entries 0..2N-1: the colours of ThePcConnector(c) and TheCableConnector(j).
    std::vector<Color> pcConnectorColors;
    std::vector<Color> cableConnectorColors;
};

// Takes the number of PCs, both tables, the plugged flag and the connectors' colours from the
// shared state; the caller adds the texts.
SettingsReportInput reportInputFrom(const GameState& state);

// The report's lines without their line ends: 13 + 9N lines, or 14 + 12N when every PC
// connector is plugged.
std::vector<std::string> settingsReportLines(const SettingsReportInput& input);

// The whole file's bytes: every line followed by CR LF.
std::string settingsReportText(const SettingsReportInput& input);

// A colour value in upper-case hexadecimal without leading zeros or prefix; 0 gives "0".
std::string colorHexText(Color color);

// The local date and time of `moment` as "YYYY-MM-DD HH:MM:SS", for the report's first line.
std::string reportDateTimeText(Clock::time_point moment);

// The name offered in the input box: the program's folder, a "/" and the report's file name.
// The folder is taken as it is, so a folder ending in "/" (the root) gives "//" in a row.
std::string defaultReportFilePath(const std::string& appPath);

} // namespace kestrelink
