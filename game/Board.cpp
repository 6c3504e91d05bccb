// The rules of play on the live board, each a plain operation on the game state.
#include "game/Board.h"

#include "game/Verdict.h"

#include <algorithm>
#include <cmath>

namespace kestrelink {

namespace {

// Restart clears every row a board of 16 PCs can use, whatever the board's size.
constexpr int kPlugRowsCleared = 2 * kMaxPcs;

} // namespace

Board::Board(GameState& state, TimeSource& time, RandomSource& random)
    : state_(state), time_(time), random_(random), layout_(layoutBoard(state.pcCount())) {}

bool Board::dealt() const {
    const auto connectors = static_cast<std::size_t>(state_.connectorCount());
    const auto segments = static_cast<std::size_t>(3 * state_.pcCount());
    return state_.board.cableConnectors.size() == connectors &&
           state_.board.cableSegments.size() == segments &&
           state_.puzzle.pcConnectorColors.size() == connectors &&
           state_.puzzle.cableConnectorColors.size() == connectors &&
           state_.look.segmentColors.size() == segments &&
           state_.look.highlightedAreas.size() == connectors;
}

Clock::time_point Board::nowInWholeSeconds() const {
    // Whole seconds, so that start, finish and elapsed time agree to the second.
    return std::chrono::floor<std::chrono::seconds>(time_.now());
}

GeneratedPuzzle Board::start(const GameSettings& settings) {
    state_.settings = settings;
    const int n = state_.pcCount();
    state_.clock.GameIsFinished = false;
    restartClock();

    layout_ = layoutBoard(n);
    BoardState& board = state_.board;
    board.cableConnectors = layout_.cableConnectors;
    board.cableSegments = layout_.cableSegments;
    for (int j = 0; j < state_.connectorCount(); ++j) {
        const TwipRect& home = at(layout_.cableConnectors, j);
        at(board.CableConnectorHome, j) = {static_cast<std::int32_t>(std::lround(home.top)),
                                           static_cast<std::int32_t>(std::lround(home.left))};
    }
    for (int c = 0; c < kPlugRowsCleared; ++c)
        at(board.PcConnectorPlug, c) = {kNone, 0};
    // A fresh board has no plugs: the last game's verdict and wiring must not carry over into
    // cable marking or the report of this one.
    board.AllPcConnectorsPlugged = false;
    board.PcRingIsCorrect = false;
    board.PlayerLinks = filledTable<std::int16_t>(kNone, kNone);

    BoardLook& look = state_.look;
    look.verdict = Verdict::Incomplete;
    look.segmentColors.assign(layout_.cableSegments.size(), kBlack);
    look.highlightedAreas.assign(layout_.cableConnectors.size(), false);
    look.coverUpsShown = settings.AdvancedLevel;
    // CoverUpsLifted stays as the pointer left it: the first move over the surface brings it
    // back in step with the covers shown here.

    fillColorPalette(state_.puzzle);
    return generatePuzzle(state_.puzzle, n, settings.ColorCount, random_);
}

void Board::restartClock() {
    GameClockState& clock = state_.clock;
    clock.GameStartTime = nowInWholeSeconds();
    clock.GameClockTime = nowInWholeSeconds();
    clock.currentTime = clock.GameStartTime;
    clock.startingTime = clock.GameClockTime;
    clock.endingTime.reset();
    clock.elapsedTime = Clock::duration::zero();
}

void Board::sendEveryConnectorHome() {
    if (!dealt())
        return;
    for (int j = 0; j < state_.connectorCount(); ++j)
        sendHome(j);
    for (int c = 0; c < kPlugRowsCleared; ++c)
        at(state_.board.PcConnectorPlug, c) = {kNone, 0};
    redraw();
}

void Board::wireSolution() {
    if (!dealt())
        return;
    for (int c = 0; c < state_.connectorCount(); ++c) {
        const int j = at(state_.puzzle.SolutionPlan, c)[1];
        if (isConnector(j))
            moveConnector(j, snapPosition(c));
    }
    redraw();
}

void Board::restart(const Interlude& interlude) {
    restartClock();
    if (interlude)
        interlude();
    sendEveryConnectorHome();
}

void Board::showSolution(const Interlude& interlude) {
    if (interlude)
        interlude();
    restart(interlude);
    wireSolution();
}

GeneratedPuzzle Board::newGame(const GameSettings& settings, const Interlude& interlude) {
    restart(interlude);
    return start(settings);
}

Changed Board::apply(const Move& move) {
    switch (move.kind) {
    case Move::Kind::DragOver:
        return dragOver(move.area, move.source, move.drag);
    case Move::Kind::DropOnArea:
        return dropOnArea(move.area, move.source);
    case Move::Kind::DropOnSurface:
    case Move::Kind::Unplug:
        // An unplugging click is a drop on the surface: even a connector already at home is
        // judged again.
        return dropOnSurface(move.source);
    case Move::Kind::Mark:
        return toggleMarkAt(move.y);
    case Move::Kind::PointerOverBand:
        return setCoverUps(true);
    case Move::Kind::PointerOverSurface:
        return setCoverUps(false);
    case Move::Kind::Restart:
        restart();
        return Changed::Board;
    case Move::Kind::ShowSolution:
        showSolution();
        return Changed::Board;
    case Move::Kind::NewGame:
        newGame(state_.settings);
        return Changed::Board;
    case Move::Kind::ClockTick:
        return clockTick();
    case Move::Kind::AnimationTick:
        return animationTick();
    }
    return Changed::Nothing;
}

bool Board::isFree(int c) const {
    return at(state_.board.PcConnectorPlug, c)[0] == kNone;
}

bool Board::fits(int c, int j) const {
    return at(state_.puzzle.pcConnectorColors, c) == at(state_.puzzle.cableConnectorColors, j);
}

Changed Board::dragOver(int area, int source, DragOverState dragState) {
    if (!isConnector(area) || !isConnector(source))
        return Changed::Nothing;
    const bool entering = dragState != DragOverState::Leave;
    // Over an occupied area, or one of another colour, there is no feedback either way.
    if (entering && !(isFree(area) && fits(area, source)))
        return Changed::Nothing;
    if (at(state_.look.highlightedAreas, area) == entering)
        return Changed::Nothing;
    at(state_.look.highlightedAreas, area) = entering;
    return Changed::Connectors;
}

TwipPoint Board::snapPosition(int c) const {
    // The side facing the middle: area 0 is in the left column, so it is never right of itself.
    const bool rightColumn = at(layout_.dropAreas, c).left > at(layout_.dropAreas, 0).left;
    return kestrelink::snapPosition(at(layout_.pcConnectors, c), rightColumn);
}

Changed Board::dropOnArea(int area, int source) {
    // An occupied area takes nothing and nothing is redrawn.
    if (!isConnector(area) || !isConnector(source) || !isFree(area))
        return Changed::Nothing;
    at(state_.look.highlightedAreas, area) = false;
    // A connector of another colour stays where it was; the board is judged all the same.
    if (fits(area, source))
        moveConnector(source, snapPosition(area));
    redraw();
    return Changed::Board;
}

void Board::moveConnector(int j, TwipPoint topLeft) {
    TwipRect& connector = at(state_.board.cableConnectors, j);
    connector.top = topLeft.y;
    connector.left = topLeft.x;
}

void Board::sendHome(int j) {
    const auto& home = at(state_.board.CableConnectorHome, j);
    moveConnector(j, {static_cast<float>(home[1]), static_cast<float>(home[0])});
}

Changed Board::dropOnSurface(int source) {
    if (!isConnector(source))
        return Changed::Nothing;
    sendHome(source);
    redraw();
    return Changed::Board;
}

void Board::paintCable(int cable, Color color) {
    for (int s = 0; s < 3; ++s)
        at(state_.look.segmentColors, 3 * cable + s) = color;
}

Changed Board::toggleMarkAt(float y) {
    const BoardState& board = state_.board;
    if (!dealt() || !board.AllPcConnectorsPlugged || board.PcRingIsCorrect)
        return Changed::Nothing;
    // Only the height counts; the lower-numbered cable wins when two ends share a level.
    for (int k = 0; k < state_.pcCount(); ++k) {
        const bool hit = std::fabs(y - at(board.cableSegments, 3 * k).y1) < kMarkingReach ||
                         std::fabs(y - at(board.cableSegments, 3 * k + 1).y1) < kMarkingReach;
        if (!hit)
            continue;
        paintCable(k, at(state_.look.segmentColors, 3 * k) == kRed ? kBlack : kRed);
        return Changed::Cables;
    }
    return Changed::Nothing;
}

// The pointer over the band between the cable rows lifts the cover-ups at the Advanced level;
// over the bare window it lays them again.
Changed Board::setCoverUps(bool lifted) {
    BoardLook& look = state_.look;
    if (look.CoverUpsLifted == lifted || !state_.settings.AdvancedLevel)
        return Changed::Nothing;
    look.CoverUpsLifted = lifted;
    look.coverUpsShown = !lifted;
    return Changed::Connectors;
}

// One step of the success animation: the white cable turns black, the next one white.
Changed Board::animationTick() {
    if (!dealt())
        return Changed::Nothing;
    const int n = state_.pcCount();
    int index = std::clamp<int>(state_.look.AnimatedCableIndex, 0, n - 1);
    paintCable(index, kBlack);
    index = index + 1 > n - 1 ? 0 : index + 1;
    state_.look.AnimatedCableIndex = static_cast<std::int16_t>(index);
    paintCable(index, kWhite);
    return Changed::Cables;
}

// The clock's tick: the current time, and the elapsed time unless the game is finished.
Changed Board::clockTick() {
    GameClockState& clock = state_.clock;
    clock.GameClockTime = nowInWholeSeconds();
    clock.currentTime = clock.GameClockTime;
    if (!clock.GameIsFinished)
        clock.elapsedTime = clock.GameClockTime - clock.GameStartTime;
    return Changed::Time;
}

Verdict Board::redraw() {
    if (!dealt())
        return Verdict::Incomplete;

    BoardState& board = state_.board;
    const int n = state_.pcCount();
    for (int k = 0; k < n; ++k) {
        const auto lines =
            redrawCable(at(board.cableConnectors, 2 * k), at(board.cableConnectors, 2 * k + 1),
                        at(board.cableSegments, 3 * k + 2).x1);
        std::copy(lines.begin(), lines.end(), board.cableSegments.begin() + 3 * k);
    }

    std::vector<TwipPoint> corners;
    corners.reserve(board.cableConnectors.size());
    for (const TwipRect& connector : board.cableConnectors)
        corners.push_back({connector.left, connector.top});
    const Verdict verdict = judgeBoard(board, n, layout_.dropAreas, corners);

    BoardLook& look = state_.look;
    GameClockState& clock = state_.clock;
    look.verdict = verdict;
    Color cableColor = kBlack;
    switch (verdict) {
    case Verdict::Incomplete:
        clock.GameIsFinished = false;
        break;
    case Verdict::Wrong:
        cableColor = kRed;
        clock.GameIsFinished = false;
        break;
    case Verdict::Correct:
        cableColor = kWhite;
        look.AnimatedCableIndex = 0;
        clock.GameIsFinished = true;
        clock.GameClockTime = nowInWholeSeconds();
        clock.endingTime = clock.GameClockTime;
        break;
    }
    std::fill(look.segmentColors.begin(), look.segmentColors.end(), cableColor);
    return verdict;
}

} // namespace kestrelink
