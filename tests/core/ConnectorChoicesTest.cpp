// The choices on a cable connector against what the board itself does with a drop: an
// uncovered connector is offered exactly the PC connectors a drop would plug it into, a covered
// one every free PC connector; Unplug and Mark follow the board's state.
#include "game/ConnectorChoices.h"

#include "game/Board.h"
#include "game/Move.h"
#include "game/Numbering.h"
#include "game/RandomSource.h"
#include "tests/core/SteppedTime.h"

#include <gtest/gtest.h>

namespace kestrelink {
namespace {

using Kind = ConnectorChoice::Kind;

struct Game {
    Game(int n, bool advanced, std::uint64_t seed)
        : time(Clock::from_time_t(1'700'000'000)), random(seed), board(state, time, random) {
        board.start(checkedSettings(n, 5, advanced));
    }
    // Whether a drop of j on c would plug j in there, tried on a copy of the board.
    bool dropPlugs(int c, int j) const {
        GameState copy = state;
        testing::SteppedTime t(time.now());
        StdRandomSource r(0);
        Board trial(copy, t, r);
        trial.apply(Move::dropOnArea(c, j));
        return at(copy.board.PcConnectorPlug, c)[0] == j;
    }
    std::vector<int> plugTargets(int j) const {
        std::vector<int> targets;
        for (const ConnectorChoice& choice : connectorChoices(state, j))
            if (choice.kind == Kind::Plug)
                targets.push_back(choice.pcConnector);
        return targets;
    }
    bool offers(int j, Kind kind) const {
        for (const ConnectorChoice& choice : connectorChoices(state, j))
            if (choice.kind == kind)
                return true;
        return false;
    }

    testing::SteppedTime time;
    StdRandomSource random;
    GameState state;
    Board board;
};

TEST(ConnectorChoices, plugChoicesAreTheDropsThatFitOrEveryFreeOneWhileCovered) {
    for (const bool advanced : {false, true}) {
        for (std::uint64_t seed = 1; seed <= 6; ++seed) {
            Game game(4 + static_cast<int>(seed), advanced, seed);
            // Half the solution plugged, so that some PC connectors are taken.
            const int n = game.state.connectorCount();
            for (int c = 0; c < n; c += 2)
                game.board.apply(Move::dropOnArea(c, at(game.state.puzzle.SolutionPlan, c)[1]));
            for (int j = 0; j < n; ++j) {
                bool plugged = false;
                for (int c = 0; c < n; ++c)
                    plugged = plugged || at(game.state.board.PcConnectorPlug, c)[0] == j;
                const bool covered = advanced && !plugged;
                std::vector<int> expected;
                for (int c = 0; c < n; ++c) {
                    const bool free = at(game.state.board.PcConnectorPlug, c)[0] == kNone;
                    if (free && (covered || game.dropPlugs(c, j)))
                        expected.push_back(c);
                }
                EXPECT_EQ(game.plugTargets(j), expected)
                    << "advanced " << advanced << ", seed " << seed << ", j " << j;
                EXPECT_EQ(game.offers(j, Kind::Unplug), plugged);
            }
        }
    }
}

TEST(ConnectorChoices, markIsOfferedOnlyWhileTheBoardShowsAWrongWiring) {
    Game game(4, false, 3);
    const int n = game.state.connectorCount();
    EXPECT_FALSE(game.offers(0, Kind::Mark));
    game.board.showSolution();
    EXPECT_FALSE(game.offers(0, Kind::Mark)) << "a correct ring";
    // Two PC connectors of one colour swap their plugs: still full, no longer the solution's
    // ring in every deal, so look for a swap that the verdict calls wrong.
    bool wrongFound = false;
    for (int a = 0; a < n && !wrongFound; ++a) {
        for (int b = a + 1; b < n && !wrongFound; ++b) {
            if (at(game.state.puzzle.pcConnectorColors, a) !=
                at(game.state.puzzle.pcConnectorColors, b))
                continue;
            game.board.showSolution();
            const int ja = at(game.state.board.PcConnectorPlug, a)[0];
            const int jb = at(game.state.board.PcConnectorPlug, b)[0];
            game.board.apply(Move::unplug(ja));
            game.board.apply(Move::unplug(jb));
            game.board.apply(Move::dropOnArea(a, jb));
            game.board.apply(Move::dropOnArea(b, ja));
            wrongFound = game.state.look.verdict == Verdict::Wrong;
        }
    }
    ASSERT_TRUE(wrongFound);
    for (int j = 0; j < n; ++j) {
        EXPECT_TRUE(game.offers(j, Kind::Mark));
        EXPECT_TRUE(game.offers(j, Kind::Unplug));
        EXPECT_TRUE(game.plugTargets(j).empty()) << "a full board has no free PC connector";
    }
    EXPECT_TRUE(connectorChoices(game.state, n).empty());
    EXPECT_TRUE(connectorChoices(game.state, -1).empty());
}

} // namespace
} // namespace kestrelink
