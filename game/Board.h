// The live board and every rule of play: where each cable connector sits, the drops the rules
// allow, unplugging, restarting, the solution, cable marks, the cover-ups, the animation and the
// clock. The game window only shows what this says and reports what the player did.
#pragma once

#include "game/BoardLayout.h"
#include "game/GameState.h"
#include "game/PuzzleGenerator.h"
#include "game/RandomSource.h"
#include "game/TimeSource.h"

#include <optional>

namespace kestrelink {

// What a drag over a drop area reports: the pointer entered it, left it, or moved within it.
enum class DragOverState { Enter = 0, Leave = 1, Over = 2 };

class Board {
public:
    // A press within this many twips above or below either end of a cable marks that cable.
    static constexpr float kMarkingReach = 50;

    Board(GameState& state, TimeSource& time);

    // A new game: lays out the board for the settings, every cable connector at home, the
    // cables placed as brackets beside them, the clock started, a fresh puzzle dealt. The
    // listings of the deal are returned for the start-up window.
    GeneratedPuzzle start(const GameSettings& settings, RandomSource& random);

    const BoardLayout& layout() const { return layout_; }
    int pcCount() const { return state_.pcCount(); }
    int connectorCount() const { return state_.connectorCount(); }
    // Whether j names a cable connector (or c a PC connector) of this board. Before the first
    // deal there are none.
    bool isConnector(int index) const { return dealt() && index >= 0 && index < connectorCount(); }

    // A drag of cable connector `source` over drop area `area`: a free area that fits turns
    // red; leaving an area clears it. Returns whether the area's look changed.
    bool dragOver(int area, int source, DragOverState dragState);
    // A drop on drop area `area`. An occupied area takes nothing and nothing is redrawn (false).
    // Otherwise the highlight goes, a connector of the PC connector's colour snaps beside it on
    // the side facing the middle, and the board is redrawn and judged (true).
    bool dropOnArea(int area, int source);
    // A drop on the bare window surface, or an unplugging click: the connector goes home, and
    // the board is redrawn and judged.
    void dropOnSurface(int source);
    void unplug(int source);
    // Restart: the clock first, then every connector home and every plug cleared, then the
    // redraw. The window shows the connectors gone between the two halves.
    void restartClock();
    void restartBoard();
    void restart();
    // Every connector onto the PC connector the hidden solution gives it, then the redraw.
    void wireSolution();
    // A press on the window surface at `y` twips after a wrong verdict: toggles the first cable
    // with an end within reach between red and black. Returns the cable toggled, if any.
    std::optional<int> toggleMarkAt(float y);
    // The pointer over the band between the cable rows, or over the bare window: lifts or
    // lays the cover-ups at the Advanced level. Returns whether the cover-ups changed.
    bool pointerOverBand();
    bool pointerOverSurface();
    // One step of the success animation: the white cable turns black, the next one white.
    void animationTick();
    // The clock's tick: the current time, and the elapsed time unless the game is finished.
    void clockTick();
    // Moves every cable to its connectors, then judges the board and sets the verdict's look.
    Verdict redraw();

    // Where cable connector j snaps when dropped on PC connector c.
    TwipPoint snapPosition(int c, int j) const;
    bool animationRunning() const { return state_.look.verdict == Verdict::Correct; }

private:
    // Whether the state holds a board of its size: positions, colours and cables for N PCs.
    bool dealt() const;
    bool isFree(int c) const;
    // Colours equal as stored values: nothing else decides whether a plug fits.
    bool fits(int c, int j) const;
    void moveConnector(int j, TwipPoint topLeft);
    void sendHome(int j);
    void paintCable(int cable, Color color);
    bool setCoverUps(bool lifted);
    Clock::time_point nowInWholeSeconds() const;

    GameState& state_;
    TimeSource& time_;
    BoardLayout layout_;
};

} // namespace kestrelink
