// What a player or a timer does to the board, as a value. A game is a deal and a list of these,
// so it can be written down, read back and played again without a window.
#pragma once

#include "game/Numbering.h"

#include <optional>
#include <string>
#include <string_view>

namespace kestrelink {

// What a drag over a drop area reports: the pointer entered it, left it, or moved within it.
enum class DragOverState { Enter = 0, Leave = 1, Over = 2 };

struct Move {
    enum class Kind {
        DragOver,           // cable connector `source` dragged over drop area `area`
        DropOnArea,         // cable connector `source` dropped on drop area `area`
        DropOnSurface,      // cable connector `source` dropped on the bare window
        Unplug,             // a right-click on cable connector `source`
        Mark,               // a press on the window at height `y` twips
        PointerOverBand,    // the pointer over the band between the cable rows
        PointerOverSurface, // the pointer over the bare window
        Restart,
        ShowSolution,
        NewGame,
        ClockTick,
        AnimationTick,
    };

    Kind kind = Kind::ClockTick;
    int source = kNone;
    int area = kNone;
    DragOverState drag = DragOverState::Enter;
    float y = 0;

    static Move dragOver(int area, int source, DragOverState drag);
    static Move dropOnArea(int area, int source);
    static Move dropOnSurface(int source);
    static Move unplug(int source);
    static Move mark(float y);
    static Move pointerOverBand() { return {Kind::PointerOverBand}; }
    static Move pointerOverSurface() { return {Kind::PointerOverSurface}; }
    static Move restart() { return {Kind::Restart}; }
    static Move showSolution() { return {Kind::ShowSolution}; }
    static Move newGame() { return {Kind::NewGame}; }
    static Move clockTick() { return {Kind::ClockTick}; }
    static Move animationTick() { return {Kind::AnimationTick}; }

    bool operator==(const Move&) const = default;
};

// One line for a move, as a list of moves is written down: "drop 3 on 5", "mark 3120",
// "drag 2 over 7 leave", "restart", ... Numbers are the board's own, counted from 0.
std::string moveText(const Move& move);

// The move a line of moveText names, or nothing for any other text.
std::optional<Move> parseMove(std::string_view text);

} // namespace kestrelink
