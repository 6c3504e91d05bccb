// Whole games replayed without a window: every recorded game in tests/core/games is dealt from
// its seed, played move by move, and its final board and report compared with its golden file
// (KESTRELINK_UPDATE_GOLDEN=1 writes them afresh); the soak's twin checks every move on the way.
#include "tests/core/BoardSoak.h"
#include "tests/core/GameRecord.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace kestrelink {
namespace {

namespace fs = std::filesystem;

std::string contentsOf(const fs::path& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// The first line where two texts part, told as line number and both lines.
std::string firstDifference(const std::string& want, const std::string& got) {
    std::istringstream a(want);
    std::istringstream b(got);
    std::string lineA;
    std::string lineB;
    for (int number = 1;; ++number) {
        const bool moreA = static_cast<bool>(std::getline(a, lineA));
        const bool moreB = static_cast<bool>(std::getline(b, lineB));
        if (!moreA && !moreB)
            return "";
        if (!moreA || !moreB || lineA != lineB)
            return "line " + std::to_string(number) + ": golden \"" + (moreA ? lineA : "(end)") +
                   "\", replay \"" + (moreB ? lineB : "(end)") + "\"";
    }
}

TEST(GameReplay, EveryRecordedGameEndsAsItsGoldenFileSays) {
    // The clock's times and the report's date are local times: one zone wherever this runs.
    setenv("TZ", "UTC", 1);
    tzset();
    const bool update = std::getenv("KESTRELINK_UPDATE_GOLDEN") != nullptr;
    int games = 0;
    for (const auto& entry : fs::directory_iterator(KESTRELINK_RECORDED_GAMES)) {
        if (entry.path().extension() != ".game")
            continue;
        ++games;
        const std::string name = entry.path().filename().string();
        std::string error;
        const auto record = testing::parseRecord(contentsOf(entry.path()), error);
        ASSERT_TRUE(record) << name << ": " << error;

        const testing::SoakResult checked = testing::BoardSoak::replay(*record);
        EXPECT_EQ(checked.failure, "") << name;
        testing::Replay replay(*record);
        replay.playAll(*record);
        const std::string got = replay.describe();
        fs::path golden = entry.path();
        golden.replace_extension(".golden");
        if (update)
            std::ofstream(golden) << got;
        EXPECT_EQ(firstDifference(contentsOf(golden), got), "")
            << name << " no longer ends as " << golden.filename().string() << " says";
    }
    EXPECT_GE(games, 4);
}

// Every kind of move reads back from its line as it was; other lines are no moves.
TEST(GameReplay, MovesReadBackAsWritten) {
    const Move moves[] = {
        Move::dragOver(5, 3, DragOverState::Enter),
        Move::dragOver(31, 0, DragOverState::Leave),
        Move::dragOver(0, 12, DragOverState::Over),
        Move::dropOnArea(7, 2),
        Move::dropOnSurface(9),
        Move::unplug(31),
        Move::mark(3120),
        Move::mark(5807.25f),
        Move::mark(1.0f / 3),
        Move::pointerOverBand(),
        Move::pointerOverSurface(),
        Move::restart(),
        Move::showSolution(),
        Move::newGame(),
        Move::clockTick(),
        Move::animationTick(),
    };
    for (const Move& move : moves)
        EXPECT_EQ(parseMove(moveText(move)), move) << moveText(move);
    EXPECT_EQ(moveText(Move::dropOnArea(7, 2)), "drop 2 on 7");
    for (const char* text :
         {"", "drop", "drop 2 on", "drop -1 on 3", "drop 2 at 3", "unplug x", "mark", "mark 3,5",
          "mark 12abc", "drag 1 over 2 sideways", "restart now", "new  game please"})
        EXPECT_EQ(parseMove(text), std::nullopt) << text;
}

} // namespace
} // namespace kestrelink
