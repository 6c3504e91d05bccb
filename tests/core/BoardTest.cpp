// The rules of play on the board model, case by case, through the moves and commands the game
// window sends; random play is the soak's business.
#include "game/Board.h"

#include "game/RandomSource.h"
#include "tests/core/SteppedTime.h"

#include <gtest/gtest.h>

namespace kestrelink {
namespace {

using namespace std::chrono_literals;
using testing::SteppedTime;

// The instant every game here starts at: 0.4 s past a whole second.
const Clock::time_point kStart = Clock::from_time_t(1'700'000'000) + 400ms;

// A dealt board on a clock that moves only when told to.
struct Game {
    explicit Game(int n, bool advanced = false, std::uint64_t seed = 7)
        : time(kStart), random(seed), board(state, time, random) {
        board.start(checkedSettings(n, 5, advanced));
    }
    Changed drop(int c, int j) { return board.apply(Move::dropOnArea(c, j)); }
    int plannedOn(int c) const { return at(state.puzzle.SolutionPlan, c)[1]; }
    TwipPoint topLeft(int j) const {
        return {at(state.board.cableConnectors, j).left, at(state.board.cableConnectors, j).top};
    }
    int misfitFor(int c) const {
        for (int j = 0; j < state.connectorCount(); ++j)
            if (at(state.puzzle.cableConnectorColors, j) != at(state.puzzle.pcConnectorColors, c))
                return j;
        return kNone;
    }
    // The clock's reading `since` the start: whole seconds.
    Clock::time_point reading(Clock::duration since) const {
        return std::chrono::floor<std::chrono::seconds>(kStart + since);
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
            ASSERT_EQ(g.drop(c, j), Changed::Board);
            const TwipRect& pc = at(g.board.layout().pcConnectors, c);
            const bool leftColumn = (c / 2) % 2 == 0;
            EXPECT_EQ(g.topLeft(j),
                      (TwipPoint{leftColumn ? pc.left + pc.width : pc.left - pc.width, pc.top}))
                << n << "/" << c;
            EXPECT_EQ(at(g.state.board.PcConnectorPlug, c)[0], j);
        }
        EXPECT_EQ(g.state.look.verdict, Verdict::Correct);
    }
}

TEST(Board, dropsOnOccupiedAreasAndMisfitsMoveNothing) {
    Game g(4);
    const int j = g.plannedOn(0);
    ASSERT_EQ(g.drop(0, j), Changed::Board);
    const GameState plugged = g.state;
    // Occupied, its own connector included: no move, no redraw.
    EXPECT_EQ(g.drop(0, j), Changed::Nothing);
    EXPECT_EQ(g.drop(0, g.plannedOn(1)), Changed::Nothing);
    EXPECT_EQ(g.state.board.cableConnectors, plugged.board.cableConnectors);
    EXPECT_EQ(g.state.board.PcConnectorPlug, plugged.board.PcConnectorPlug);

    // A misfit on a free area is judged but stays where it was, and the highlight goes.
    const int misfit = g.misfitFor(1);
    ASSERT_NE(misfit, kNone);
    const TwipPoint before = g.topLeft(misfit);
    g.state.look.highlightedAreas[1] = true;
    EXPECT_EQ(g.drop(1, misfit), Changed::Board);
    EXPECT_EQ(g.topLeft(misfit), before);
    EXPECT_FALSE(g.state.look.highlightedAreas[1]);

    // Out-of-range indices are nobody's connectors, whatever the move.
    for (const Move& move :
         {Move::dropOnArea(8, j), Move::dropOnArea(-1, j), Move::dropOnArea(1, 8),
          Move::dropOnSurface(8), Move::unplug(-1), Move::dragOver(8, j, DragOverState::Enter)})
        EXPECT_EQ(g.board.apply(move), Changed::Nothing) << moveText(move);
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
        g.board.apply(Move::dragOver(3, c.source, DragOverState::Leave));
        g.board.apply(Move::dragOver(3, c.source, c.drag));
        EXPECT_EQ(g.state.look.highlightedAreas[3], c.lit) << static_cast<int>(c.drag);
    }
    g.drop(3, fitting);
    EXPECT_EQ(g.board.apply(Move::dragOver(3, fitting, DragOverState::Enter)), Changed::Nothing)
        << "occupied";
    EXPECT_FALSE(g.state.look.highlightedAreas[3]);
}

// Every cable on the two connectors of one PC, whatever the colours: all plugged, no ring.
void wireLoops(Game& g) {
    const BoardLayout& layout = g.board.layout();
    for (int j = 0; j < g.state.connectorCount(); ++j) {
        const bool right = at(layout.dropAreas, j).left > layout.dropAreas[0].left;
        const TwipPoint p = snapPosition(at(layout.pcConnectors, j), right);
        at(g.state.board.cableConnectors, j).left = p.x;
        at(g.state.board.cableConnectors, j).top = p.y;
    }
    ASSERT_EQ(g.board.redraw(), Verdict::Wrong);
}

// The cables the last move left black, by number.
std::vector<int> blackCables(const Game& g) {
    std::vector<int> black;
    for (int k = 0; k < g.state.pcCount(); ++k)
        if (at(g.state.look.segmentColors, 3 * k) == kBlack)
            black.push_back(k);
    return black;
}

TEST(Board, marksReachFiftyTwipsAndTheLowerCableWins) {
    Game g(4);
    const auto mark = [&g](float y) { return g.board.apply(Move::mark(y)); };
    EXPECT_EQ(mark(g.state.board.cableSegments[0].y1), Changed::Nothing) << "not yet wrong";
    wireLoops(g);
    const float level = g.state.board.cableSegments[3].y1; // cable 1's first end
    const struct {
        float offset;
        bool marks;
    } cases[] = {{0, true}, {49, true}, {-49, true}, {50, false}, {-50, false}, {49.5f, true}};
    for (const auto& c : cases) {
        EXPECT_EQ(mark(level + c.offset), c.marks ? Changed::Cables : Changed::Nothing) << c.offset;
        EXPECT_EQ(blackCables(g), c.marks ? std::vector<int>{1} : std::vector<int>{}) << c.offset;
        mark(level); // and red again
        if (!c.marks)
            mark(level);
        EXPECT_EQ(blackCables(g), std::vector<int>{}) << c.offset;
    }
    g.state.board.cableSegments[10].y1 = level; // cable 3's end at cable 1's level
    mark(level);
    EXPECT_EQ(blackCables(g), std::vector<int>{1});
    g.board.redraw();
    EXPECT_EQ(blackCables(g), std::vector<int>{}) << "a redraw clears the marks";
}

// Tick t turns cable t-1 black during the first cycle; after it one cable at a time is white.
TEST(Board, theAnimationRunsTheHighlightRoundTheCables) {
    for (int n : {4, 16}) {
        Game g(n);
        g.board.showSolution();
        ASSERT_EQ(g.state.look.verdict, Verdict::Correct);
        for (int tick = 1; tick <= 2 * n + 1; ++tick) {
            ASSERT_EQ(g.board.apply(Move::animationTick()), Changed::Cables);
            for (int k = 0; k < n; ++k) {
                const bool white = tick < n ? k >= tick : k == tick % n;
                for (int s = 0; s < 3; ++s)
                    ASSERT_EQ(at(g.state.look.segmentColors, 3 * k + s), white ? kWhite : kBlack)
                        << n << " tick " << tick << " cable " << k;
            }
        }
        g.board.apply(Move::unplug(0));
        EXPECT_NE(g.state.look.verdict, Verdict::Correct);
    }
}

TEST(Board, coverUpsLiftOverTheBandAndReturnOverTheSurface) {
    const Move band = Move::pointerOverBand();
    const Move surface = Move::pointerOverSurface();
    const Move newGame = Move::newGame();
    const struct {
        bool advanced;
        std::vector<Move> moves;
        bool lifted, shown;
    } cases[] = {
        {true, {}, false, true},
        {true, {band}, true, false},
        {true, {band, band}, true, false},
        {true, {band, surface}, false, true},
        {true, {surface}, false, true},
        // A new game shows the covers while the flag still says lifted, until the next
        // move over the surface brings the two back in step.
        {true, {band, newGame}, true, true},
        {true, {band, newGame, band}, true, true},
        {true, {band, newGame, surface}, false, true},
        {false, {band, surface, band}, false, false},
    };
    for (const auto& c : cases) {
        Game g(4, c.advanced);
        for (const Move& move : c.moves)
            g.board.apply(move);
        EXPECT_EQ(g.state.look.CoverUpsLifted, c.lifted) << c.moves.size();
        EXPECT_EQ(g.state.look.coverUpsShown, c.shown) << c.moves.size();
    }
}

TEST(Board, theClockAndTheCommandsAtFixedInstants) {
    Game g(5);
    const GameClockState& clock = g.state.clock;
    EXPECT_EQ(clock.startingTime, g.reading(0s));
    EXPECT_EQ(clock.endingTime, std::nullopt) << "running";
    EXPECT_EQ(clock.elapsedTime, 0s);

    // Readings are whole seconds: 0.4 s to 6.1 s is six seconds on the clock.
    g.time.advance(5700ms);
    EXPECT_EQ(g.board.apply(Move::clockTick()), Changed::Time);
    EXPECT_EQ(clock.elapsedTime, 6s);
    EXPECT_EQ(clock.currentTime, g.reading(5700ms));

    // Solved at 7.2 s: the finishing time is shown and the elapsed time stands still.
    g.time.advance(1500ms);
    for (int c = 0; c < 10; ++c)
        g.drop(c, g.plannedOn(c));
    EXPECT_TRUE(clock.GameIsFinished);
    EXPECT_EQ(clock.endingTime, g.reading(7200ms));
    g.time.advance(3s);
    g.board.apply(Move::clockTick());
    EXPECT_EQ(clock.elapsedTime, 6s);
    EXPECT_EQ(clock.currentTime, g.reading(10200ms));

    // Undone: the ending time stays, the elapsed time jumps to the whole span.
    g.board.apply(Move::unplug(0));
    g.board.apply(Move::clockTick());
    EXPECT_EQ(clock.endingTime, g.reading(7200ms));
    EXPECT_EQ(clock.elapsedTime, 10s);

    // Restart: the clock from now, then the window's interlude with the board still as it
    // was, then every plug of 16 PCs' rows cleared and the board home.
    g.time.advance(2900ms); // 13.1 s
    g.state.board.PcConnectorPlug[20] = {3, 0};
    g.state.board.PcConnectorPlug[32] = {5, 5};
    const auto plugged = g.state.board.cableConnectors;
    std::vector<std::string> seen;
    const auto interlude = [&] {
        seen.push_back(clock.endingTime ? "finished" : "running");
        seen.push_back(g.state.board.cableConnectors == plugged ? "as it was" : "home");
    };
    g.board.restart(interlude);
    EXPECT_EQ(seen, (std::vector<std::string>{"running", "as it was"}));
    EXPECT_EQ(clock.startingTime, g.reading(13100ms));
    EXPECT_EQ(clock.endingTime, std::nullopt);
    EXPECT_EQ(clock.elapsedTime, 0s);
    EXPECT_EQ(g.state.board.PcConnectorPlug[20][0], kNone);
    EXPECT_EQ(g.state.board.PcConnectorPlug[32][0], 5) << "row 32 is left alone";
    EXPECT_EQ(g.state.board.cableConnectors, g.board.layout().cableConnectors);
    EXPECT_EQ(g.state.look.verdict, Verdict::Incomplete);

    // Show Solution: an interlude, the restart with its own, then the solution at the same
    // instant, so the game took no time.
    g.time.advance(900ms); // 14.0 s, a second boundary just passed
    seen.clear();
    g.board.showSolution(interlude);
    EXPECT_EQ(seen, (std::vector<std::string>{"running", "home", "running", "home"}));
    EXPECT_EQ(g.state.look.verdict, Verdict::Correct);
    EXPECT_EQ(clock.endingTime, clock.startingTime);
    EXPECT_EQ(clock.elapsedTime, 0s);
    EXPECT_EQ(g.state.look.AnimatedCableIndex, 0);
}

TEST(Board, aNewGameRestartsThenDealsAfreshForgettingTheLastWiring) {
    Game g(4);
    wireLoops(g);
    ASSERT_TRUE(g.state.board.AllPcConnectorsPlugged);
    const Puzzle before = g.state.puzzle;
    int interludes = 0;
    const GeneratedPuzzle deal = g.board.newGame(checkedSettings(4, 6, false), [&] {
        ++interludes;
        EXPECT_EQ(g.state.puzzle.SolutionPlan, before.SolutionPlan) << "not dealt yet";
    });
    EXPECT_EQ(interludes, 1);
    EXPECT_EQ(deal.pairingListing.size(), 20u);
    EXPECT_EQ(g.state.settings.ColorCount, 6);
    EXPECT_NE(g.state.puzzle.pcConnectorColors, before.pcConnectorColors);
    EXPECT_FALSE(g.state.board.AllPcConnectorsPlugged);
    EXPECT_EQ(g.board.apply(Move::mark(g.state.board.cableSegments[0].y1)), Changed::Nothing);
    EXPECT_EQ(g.state.board.PlayerLinks[0][0], kNone);
    EXPECT_EQ(g.state.board.cableConnectors, g.board.layout().cableConnectors);
}

TEST(Board, nothingHappensBeforeTheFirstDeal) {
    SteppedTime time;
    StdRandomSource random(1);
    GameState state;
    Board board(state, time, random);
    EXPECT_FALSE(board.isConnector(0));
    for (const Move& move : {Move::dropOnArea(0, 0), Move::unplug(0), Move::mark(0),
                             Move::animationTick(), Move::dragOver(0, 0, DragOverState::Enter)})
        EXPECT_EQ(board.apply(move), Changed::Nothing) << moveText(move);
    board.restart();
    board.showSolution();
    EXPECT_EQ(board.redraw(), Verdict::Incomplete);
    EXPECT_TRUE(state.board.cableConnectors.empty());
}

} // namespace
} // namespace kestrelink
