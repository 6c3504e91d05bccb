// A whole game written down: the deal (seed, level, number of PCs and colours) and every move
// with the instant it came, and the replay of one without a window. The golden replays read
// records from files; the soak writes one for any failure it finds.
//
//   # A comment.
//   seed 2026
//   pcs 4
//   colors 5
//   level beginner
//   0 drag 3 over 5 enter
//   1500 drop 3 on 5
//
// A move's line starts with the milliseconds since the deal.
#pragma once

#include "game/Board.h"
#include "game/ClockText.h"
#include "report/SettingsReport.h"
#include "tests/core/SteppedTime.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace kestrelink::testing {

struct TimedMove {
    std::chrono::milliseconds at{};
    Move move;
};

struct GameRecord {
    std::uint64_t seed = 0;
    GameSettings settings;
    std::vector<TimedMove> moves;
};

inline std::string recordText(const GameRecord& record) {
    std::ostringstream out;
    out << "seed " << record.seed << "\npcs " << record.settings.NumberOfPCs << "\ncolors "
        << record.settings.ColorCount << "\nlevel "
        << (record.settings.AdvancedLevel ? "advanced" : "beginner") << '\n';
    for (const TimedMove& timed : record.moves)
        out << timed.at.count() << ' ' << moveText(timed.move) << '\n';
    return out.str();
}

// The record a text holds, or what is wrong with it in `error`.
inline std::optional<GameRecord> parseRecord(const std::string& text, std::string& error) {
    GameRecord record;
    int pcs = 0;
    int colors = 0;
    std::string level;
    std::istringstream lines(text);
    int number = 0;
    for (std::string line; std::getline(lines, line);) {
        ++number;
        std::istringstream words(line);
        std::string first;
        if (!(words >> first) || first.front() == '#')
            continue;
        const bool known = first == "seed"     ? static_cast<bool>(words >> record.seed)
                           : first == "pcs"    ? static_cast<bool>(words >> pcs)
                           : first == "colors" ? static_cast<bool>(words >> colors)
                           : first == "level"  ? static_cast<bool>(words >> level)
                                               : false;
        if (known)
            continue;
        const auto move = parseMove(line.substr(line.find(first) + first.size()));
        if (first.find_first_not_of("0123456789") != std::string::npos || !move) {
            error = "line " + std::to_string(number) + " is no move: " + line;
            return std::nullopt;
        }
        record.moves.push_back({std::chrono::milliseconds(std::stoll(first)), *move});
    }
    if (pcs == 0 || colors == 0 || (level != "beginner" && level != "advanced")) {
        error = "the deal wants pcs, colors and a level of beginner or advanced";
        return std::nullopt;
    }
    record.settings = checkedSettings(pcs, colors, level == "advanced");
    return record;
}

// The instant every recorded game is dealt at.
inline const Clock::time_point kRecordStart = Clock::from_time_t(1'700'000'000);

// A recorded game played again: dealt from its seed, then each move at its instant.
class Replay {
public:
    explicit Replay(const GameRecord& record)
        : time_(kRecordStart), random_(record.seed), board_(state_, time_, random_) {
        state_.NumberOfPCs = record.settings.NumberOfPCs;
        board_.start(record.settings);
    }
    Replay(const Replay&) = delete;
    Replay& operator=(const Replay&) = delete;

    Changed play(const TimedMove& timed) {
        time_.advance(kRecordStart + timed.at - time_.now());
        return board_.apply(timed.move);
    }

    void playAll(const GameRecord& record) {
        for (const TimedMove& timed : record.moves)
            play(timed);
    }

    std::chrono::milliseconds sinceDeal() const {
        return std::chrono::duration_cast<std::chrono::milliseconds>(time_.now() - kRecordStart);
    }
    const BoardLayout& layout() const { return board_.layout(); }
    const GameState& state() const { return state_; }

    // The board as it stands and the report the player would save now, in plain words, so that
    // any difference from a golden file reads as what changed.
    std::string describe() const {
        std::ostringstream out;
        const GameClockState& clock = state_.clock;
        const BoardLook& look = state_.look;
        const char* const verdicts[] = {"incomplete", "wrong", "correct"};
        out << "verdict " << verdicts[static_cast<int>(look.verdict)] << "\nclock: now "
            << timeOfDayText(clock.currentTime) << ", started " << timeOfDayText(clock.startingTime)
            << ", finished "
            << (clock.endingTime ? timeOfDayText(*clock.endingTime) : std::string("-"))
            << ", elapsed " << elapsedText(clock.elapsedTime) << "\ncover-ups "
            << (look.coverUpsShown ? "shown" : "hidden") << ", animated cable "
            << look.AnimatedCableIndex << "\n";
        for (int j = 0; j < state_.connectorCount(); ++j) {
            const TwipRect& at_ = at(state_.board.cableConnectors, j);
            out << "cable connector " << j << " at " << at_.left << "," << at_.top << "\n";
        }
        for (int c = 0; c < state_.connectorCount(); ++c)
            out << "PC connector " << c << (at(look.highlightedAreas, c) ? " (lit)" : "")
                << " holds " << at(state_.board.PcConnectorPlug, c)[0] << "\n";
        for (int s = 0; s < 3 * state_.pcCount(); ++s) {
            const TwipLine& line = at(state_.board.cableSegments, s);
            out << "segment " << s << " " << colorHexText(at(look.segmentColors, s)) << " "
                << line.x1 << "," << line.y1 << " " << line.x2 << "," << line.y2 << "\n";
        }
        SettingsReportInput input = reportInputFrom(state_);
        input.dateTimeText = reportDateTimeText(time_.now());
        input.colorCountText = std::to_string(state_.settings.ColorCount);
        input.pcCountText = std::to_string(state_.pcCount());
        out << "report:\n";
        for (const std::string& line : settingsReportLines(input))
            out << line << "\n";
        return out.str();
    }

private:
    SteppedTime time_;
    StdRandomSource random_;
    GameState state_;
    Board board_;
};

} // namespace kestrelink::testing
