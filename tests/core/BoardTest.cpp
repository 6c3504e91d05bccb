// The rules of play on the board model, case by case; random play is the soak's business.
#include "game/Board.h"

#include "game/ClockText.h"
#include "game/RandomSource.h"
#include "tests/core/SteppedTime.h"

#include <gtest/gtest.h>

namespace kestrelink {
namespace {

using namespace std::chrono_literals;
using testing::SteppedTime;

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

// The instant every game here starts at: 0.4 s past a whole second.
const Clock::time_point kStart = Clock::from_time_t(1'700'000'000) + 400ms;

// A dealt board on a clock that moves only when told to.
struct Game {
    explicit Game(int n, bool advanced = false, std::uint64_t seed = 7)
        : time(kStart), random(seed), board(state, time) {
        board.start(checkedSettings(n, 5, advanced), random);
    }
    int plannedOn(int c) const { return state.puzzle.SolutionPlan[at(c)][1]; }
    TwipPoint topLeft(int j) const {
        return {state.board.cableConnectors[at(j)].left, state.board.cableConnectors[at(j)].top};
    }
    int misfitFor(int c) const {
        for (int j = 0; j < state.connectorCount(); ++j)
            if (state.puzzle.cableConnectorColors[at(j)] != state.puzzle.pcConnectorColors[at(c)])
                return j;
        return kNone;
    }
    std::string text(Clock::duration since) const {
        return timeOfDayText(std::chrono::floor<std::chrono::seconds>(kStart + since));
    }

    SteppedTime time;
    StdRandomSource random;
    GameState state;
    Board board;
};

TEST(Board, settingsAreBroughtIntoRangeOnce) {
    const struct {
        int pcs, colors, wantPcs, wantColors;
    } cases[] = {{4, 4, 4, 4}, {16, 10, 16, 10}, {3, 3, 4, 4}, {17, 11, 16, 10}, {-5, 0, 4, 4}};
    for (const auto& c : cases) {
        const GameSettings s = checkedSettings(c.pcs, c.colors, true);
        EXPECT_EQ(s.NumberOfPCs, c.wantPcs);
        EXPECT_EQ(s.ColorCount, c.wantColors);
        EXPECT_TRUE(s.AdvancedLevel);
    }
}

// Left-hand PCs take a plug on the right of their connector, right-hand PCs on the left: the
// side facing the middle. Area 0 is never right of itself.
TEST(Board, aFittingDropSnapsBesideItsPcConnectorFacingTheMiddle) {
    for (int n : {4, 5, 16}) {
        Game g(n);
        for (int c = 0; c < 2 * n; ++c) {
            const int j = g.plannedOn(c);
            ASSERT_TRUE(g.board.dropOnArea(c, j));
            const TwipRect& pc = g.board.layout().pcConnectors[at(c)];
            const bool leftColumn = (c / 2) % 2 == 0;
            EXPECT_EQ(g.topLeft(j),
                      (TwipPoint{leftColumn ? pc.left + pc.width : pc.left - pc.width, pc.top}))
                << n << "/" << c;
            EXPECT_EQ(g.state.board.PcConnectorPlug[at(c)][0], j);
        }
        EXPECT_EQ(g.state.look.verdict, Verdict::Correct);
    }
    Game g(4);
    EXPECT_EQ(g.board.snapPosition(0, 0), (TwipPoint{975, 3060}));
    EXPECT_EQ(g.board.snapPosition(2, 0), (TwipPoint{4065, 3240}));
}

TEST(Board, dropsOnOccupiedAreasAndMisfitsMoveNothing) {
    Game g(4);
    const int j = g.plannedOn(0);
    ASSERT_TRUE(g.board.dropOnArea(0, j));
    const GameState plugged = g.state;
    // Occupied, its own connector included: no move, no redraw.
    EXPECT_FALSE(g.board.dropOnArea(0, j));
    EXPECT_FALSE(g.board.dropOnArea(0, g.plannedOn(1)));
    EXPECT_EQ(g.state.board.cableConnectors, plugged.board.cableConnectors);
    EXPECT_EQ(g.state.board.PcConnectorPlug, plugged.board.PcConnectorPlug);

    // A misfit on a free area is judged but stays where it was, and the highlight goes.
    const int misfit = g.misfitFor(1);
    ASSERT_NE(misfit, kNone);
    const TwipPoint before = g.topLeft(misfit);
    g.state.look.highlightedAreas[1] = true;
    EXPECT_TRUE(g.board.dropOnArea(1, misfit));
    EXPECT_EQ(g.topLeft(misfit), before);
    EXPECT_FALSE(g.state.look.highlightedAreas[1]);

    // Out-of-range indices are nobody's connectors.
    EXPECT_FALSE(g.board.dropOnArea(8, j));
    EXPECT_FALSE(g.board.dropOnArea(-1, j));
    EXPECT_FALSE(g.board.dropOnArea(1, 8));
}

TEST(Board, dragFeedbackLightsOnlyFreeFittingAreas) {
    Game g(4);
    const int fitting = g.plannedOn(3);
    const int misfit = g.misfitFor(3);
    const struct {
        int source;
        DragOverState drag;
        bool lit;
    } cases[] = {
        {fitting, DragOverState::Enter, true},  {fitting, DragOverState::Over, true},
        {fitting, DragOverState::Leave, false}, {misfit, DragOverState::Enter, false},
        {misfit, DragOverState::Over, false},
    };
    for (const auto& c : cases) {
        g.board.dragOver(3, c.source, DragOverState::Leave);
        g.board.dragOver(3, c.source, c.drag);
        EXPECT_EQ(g.state.look.highlightedAreas[3], c.lit) << static_cast<int>(c.drag);
    }
    g.board.dropOnArea(3, fitting);
    EXPECT_FALSE(g.board.dragOver(3, fitting, DragOverState::Enter)) << "occupied";
    EXPECT_FALSE(g.state.look.highlightedAreas[3]);
}

// Every cable on the two connectors of one PC: all plugged, no ring.
void wireLoops(Game& g) {
    const int n = g.state.pcCount();
    for (int j = 0; j < 2 * n; ++j) {
        const TwipPoint p = g.board.snapPosition(j, j);
        g.state.board.cableConnectors[at(j)].left = p.x;
        g.state.board.cableConnectors[at(j)].top = p.y;
    }
    ASSERT_EQ(g.board.redraw(), Verdict::Wrong);
}

TEST(Board, marksReachFiftyTwipsAndTheLowerCableWins) {
    Game g(4);
    EXPECT_FALSE(g.board.toggleMarkAt(g.state.board.cableSegments[0].y1)) << "not yet wrong";
    wireLoops(g);
    const float level = g.state.board.cableSegments[3].y1; // cable 1's first end
    const struct {
        float offset;
        bool marks;
    } cases[] = {{0, true}, {49, true}, {-49, true}, {50, false}, {-50, false}, {49.5f, true}};
    for (const auto& c : cases) {
        const auto marked = g.board.toggleMarkAt(level + c.offset);
        EXPECT_EQ(marked.has_value(), c.marks) << c.offset;
        if (marked) {
            EXPECT_EQ(*marked, 1);
            EXPECT_EQ(g.state.look.segmentColors[5], kBlack);
            g.board.toggleMarkAt(level); // and red again
            EXPECT_EQ(g.state.look.segmentColors[3], kRed);
        }
    }
    g.state.board.cableSegments[10].y1 = level; // cable 3's end at cable 1's level
    EXPECT_EQ(g.board.toggleMarkAt(level), 1);
    g.board.redraw();
    EXPECT_EQ(g.state.look.segmentColors[3], kRed) << "a redraw clears the marks";
}

// Tick t turns cable t-1 black during the first cycle; after it one cable at a time is white.
TEST(Board, theAnimationRunsTheHighlightRoundTheCables) {
    for (int n : {4, 16}) {
        Game g(n);
        g.board.wireSolution();
        ASSERT_TRUE(g.board.animationRunning());
        for (int tick = 1; tick <= 2 * n + 1; ++tick) {
            g.board.animationTick();
            for (int k = 0; k < n; ++k) {
                const bool white = tick < n ? k >= tick : k == tick % n;
                for (int s = 0; s < 3; ++s)
                    ASSERT_EQ(g.state.look.segmentColors[at(3 * k + s)], white ? kWhite : kBlack)
                        << n << " tick " << tick << " cable " << k;
            }
        }
        g.board.unplug(0);
        EXPECT_FALSE(g.board.animationRunning());
    }
}

TEST(Board, coverUpsLiftOverTheBandAndReturnOverTheSurface) {
    enum Move { Band, Surface, NewGame };
    const struct {
        bool advanced;
        std::vector<Move> moves;
        bool lifted, shown;
    } cases[] = {
        {true, {}, false, true},
        {true, {Band}, true, false},
        {true, {Band, Band}, true, false},
        {true, {Band, Surface}, false, true},
        {true, {Surface}, false, true},
        // A new game shows the covers while the flag still says lifted, until the next
        // move over the surface brings the two back in step.
        {true, {Band, NewGame}, true, true},
        {true, {Band, NewGame, Band}, true, true},
        {true, {Band, NewGame, Surface}, false, true},
        {false, {Band, Surface, Band}, false, false},
    };
    for (const auto& c : cases) {
        Game g(4, c.advanced);
        for (Move move : c.moves) {
            if (move == Band)
                g.board.pointerOverBand();
            else if (move == Surface)
                g.board.pointerOverSurface();
            else
                g.board.start(g.state.settings, g.random);
        }
        EXPECT_EQ(g.state.look.CoverUpsLifted, c.lifted) << c.moves.size();
        EXPECT_EQ(g.state.look.coverUpsShown, c.shown) << c.moves.size();
    }
}

TEST(Board, theClockRestartAndSolutionAtFixedInstants) {
    Game g(5);
    const GameClockState& clock = g.state.clock;
    EXPECT_EQ(clock.startingTimeText, g.text(0s));
    EXPECT_EQ(clock.endingTimeText, "Running");
    EXPECT_EQ(clock.elapsedTimeText, "00:00:00");

    // Readings are whole seconds: 0.4 s to 6.1 s is six seconds on the clock.
    g.time.advance(5700ms);
    g.board.clockTick();
    EXPECT_EQ(clock.elapsedTimeText, "00:00:06");
    EXPECT_EQ(clock.currentTimeText, g.text(5700ms));

    // Solved at 7.2 s: the finishing time is shown and the elapsed time stands still.
    g.time.advance(1500ms);
    g.board.wireSolution();
    EXPECT_TRUE(clock.GameIsFinished);
    EXPECT_EQ(clock.endingTimeText, g.text(7200ms));
    g.time.advance(3s);
    g.board.clockTick();
    EXPECT_EQ(clock.elapsedTimeText, "00:00:06");
    EXPECT_EQ(clock.currentTimeText, g.text(10200ms));

    // Undone: the ending time stays, the elapsed time jumps to the whole span.
    g.board.unplug(0);
    g.board.clockTick();
    EXPECT_EQ(clock.endingTimeText, g.text(7200ms));
    EXPECT_EQ(clock.elapsedTimeText, "00:00:10");

    // Restart: the clock from now, every plug of 16 PCs' rows cleared, the board home.
    g.time.advance(2900ms); // 13.1 s
    g.state.board.PcConnectorPlug[20] = {3, 0};
    g.state.board.PcConnectorPlug[32] = {5, 5};
    g.board.restart();
    EXPECT_EQ(clock.startingTimeText, g.text(13100ms));
    EXPECT_EQ(clock.endingTimeText, "Running");
    EXPECT_EQ(clock.elapsedTimeText, "00:00:00");
    EXPECT_EQ(g.state.board.PcConnectorPlug[20][0], kNone);
    EXPECT_EQ(g.state.board.PcConnectorPlug[32][0], 5) << "row 32 is left alone";
    EXPECT_EQ(g.state.board.cableConnectors, g.board.layout().cableConnectors);
    EXPECT_EQ(g.state.look.verdict, Verdict::Incomplete);

    // Show Solution: restart then the solution at one instant, so the game took no time.
    g.time.advance(900ms); // 14.0 s, a second boundary just passed
    g.board.restart();
    g.board.wireSolution();
    EXPECT_EQ(clock.endingTimeText, clock.startingTimeText);
    EXPECT_EQ(clock.elapsedTimeText, "00:00:00");
    EXPECT_EQ(g.state.look.AnimatedCableIndex, 0);
}

TEST(Board, aNewDealForgetsTheLastGamesWiring) {
    Game g(4);
    wireLoops(g);
    ASSERT_TRUE(g.state.board.AllPcConnectorsPlugged);
    g.board.start(g.state.settings, g.random);
    EXPECT_FALSE(g.state.board.AllPcConnectorsPlugged);
    EXPECT_FALSE(g.board.toggleMarkAt(g.state.board.cableSegments[0].y1));
    EXPECT_EQ(g.state.board.PlayerLinks[0][0], kNone);
}

TEST(Board, nothingHappensBeforeTheFirstDeal) {
    SteppedTime time;
    GameState state;
    Board board(state, time);
    EXPECT_FALSE(board.isConnector(0));
    EXPECT_FALSE(board.dropOnArea(0, 0));
    board.unplug(0);
    board.restart();
    board.wireSolution();
    board.animationTick();
    EXPECT_EQ(board.redraw(), Verdict::Incomplete);
    EXPECT_TRUE(state.board.cableConnectors.empty());
}

} // namespace
} // namespace kestrelink
