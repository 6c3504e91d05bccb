// The live board and every rule of play: where each cable connector sits, the drops the rules
// allow, unplugging, restarting, the solution, cable marks, the cover-ups, the animation and the
// clock. The game window only shows what this says and reports what the player did.
#pragma once

#include "game/BoardLayout.h"
#include "game/GameState.h"
#include "game/Move.h"
#include "game/PuzzleGenerator.h"
#include "game/RandomSource.h"
#include "game/TimeSource.h"

#include <functional>

namespace kestrelink {

// What a move changed, so that a view repaints no more than that.
enum class Changed {
    Nothing,
    Connectors, // the drop areas' highlights or the cover-ups
    Cables,     // the cables' colours (a mark, an animation step)
    Time,       // the time boxes
    Board,      // connectors moved, the board judged and redrawn, the clock perhaps stopped
};

// Where a command lets the window show the cable connectors gone before it goes on: the window
// repaints there and lets waiting timer ticks run. Without a window there is nothing to show.
using Interlude = std::function<void()>;

class Board {
public:
    // A press within this many twips above or below either end of a cable marks that cable.
    static constexpr float kMarkingReach = 50;

    // Deals come from `random`, the clock reads `time`.
    Board(GameState& state, TimeSource& time, RandomSource& random);

    // A new game: lays out the board for the settings, every cable connector at home, the
    // cables placed as brackets beside them, the clock started, a fresh puzzle dealt. The
    // listings of the deal are returned for the start-up window.
    GeneratedPuzzle start(const GameSettings& settings);

    // The three commands of the game window, as it runs them.
    //
    // Restart: the clock restarts, the interlude runs, then every connector goes home, every
    // plug row of a 16-PC board is cleared and the board is redrawn and judged.
    void restart(const Interlude& interlude = {});
    // Show Solution: the interlude, a restart, then every connector onto the PC connector the
    // hidden solution gives it, and the redraw: a correct ring at no time elapsed.
    void showSolution(const Interlude& interlude = {});
    // New Game: a restart, then a new game with the settings the start-up window shows now.
    GeneratedPuzzle newGame(const GameSettings& settings, const Interlude& interlude = {});

    // Everything a player or a timer does, one move at a time. A move that names no connector
    // of this board, or comes before the first deal, changes nothing.
    Changed apply(const Move& move);

    const BoardLayout& layout() const { return layout_; }
    // Whether j names a cable connector (or c a PC connector) of this board. Before the first
    // deal there are none.
    bool isConnector(int index) const {
        return dealt() && index >= 0 && index < state_.connectorCount();
    }

    // Moves every cable to its connectors, then judges the board and sets the verdict's look.
    Verdict redraw();

private:
    // Whether the state holds a board of its size: positions, colours and cables for N PCs.
    bool dealt() const;
    bool isFree(int c) const;
    // Colours equal as stored values: nothing else decides whether a plug fits.
    bool fits(int c, int j) const;
    // Where a cable connector snaps when dropped on PC connector c.
    TwipPoint snapPosition(int c) const;
    void moveConnector(int j, TwipPoint topLeft);
    void sendHome(int j);
    void paintCable(int cable, Color color);

    // The moves, each returning what it changed.
    Changed dragOver(int area, int source, DragOverState dragState);
    Changed dropOnArea(int area, int source);
    Changed dropOnSurface(int source);
    Changed toggleMarkAt(float y);
    Changed setCoverUps(bool lifted);
    Changed animationTick();
    Changed clockTick();

    // The halves of a restart, and the solution laid after one.
    void restartClock();
    void sendEveryConnectorHome();
    void wireSolution();
    Clock::time_point nowInWholeSeconds() const;

    GameState& state_;
    TimeSource& time_;
    RandomSource& random_;
    BoardLayout layout_;
};

} // namespace kestrelink
