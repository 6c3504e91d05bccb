// The rules of play on the live board, each a plain operation on the game state.
#include "game/Board.h"

#include "game/ClockText.h"
#include "game/Verdict.h"

#include <algorithm>
#include <cmath>

namespace kestrelink {

namespace {

std::size_t at(int index) {
    return static_cast<std::size_t>(index);
}

// Restart clears every row a board of 16 PCs can use, whatever the board's size.
constexpr int kPlugRowsCleared = 2 * kMaxPcs;

constexpr char kRunning[] = "Running";
constexpr char kNoTimeElapsed[] = "00:00:00";

} // namespace

Board::Board(GameState& state, TimeSource& time)
    : state_(state), time_(time), layout_(layoutBoard(state.pcCount())) {}

bool Board::dealt() const {
    const auto connectors = at(connectorCount());
    return state_.board.cableConnectors.size() == connectors &&
           state_.board.cableSegments.size() == at(3 * pcCount()) &&
           state_.puzzle.pcConnectorColors.size() == connectors &&
           state_.puzzle.cableConnectorColors.size() == connectors &&
           state_.look.segmentColors.size() == at(3 * pcCount()) &&
           state_.look.highlightedAreas.size() == connectors;
}

Clock::time_point Board::nowInWholeSeconds() const {
    // Whole seconds, so that start, finish and elapsed time agree to the second.
    return std::chrono::floor<std::chrono::seconds>(time_.now());
}

GeneratedPuzzle Board::start(const GameSettings& settings, RandomSource& random) {
    state_.settings = settings;
    const int n = pcCount();
    state_.clock.GameIsFinished = false;
    restartClock();

    layout_ = layoutBoard(n);
    BoardState& board = state_.board;
    board.cableConnectors = layout_.cableConnectors;
    board.cableSegments = layout_.cableSegments;
    for (int j = 0; j < connectorCount(); ++j) {
        board.CableConnectorHome[at(j)] = {
            static_cast<std::int32_t>(std::lround(layout_.cableConnectors[at(j)].top)),
            static_cast<std::int32_t>(std::lround(layout_.cableConnectors[at(j)].left))};
    }
    for (int c = 0; c < kPlugRowsCleared; ++c)
        board.PcConnectorPlug[at(c)] = {kNone, 0};
    // A fresh board has no plugs: the last game's verdict and wiring must not carry over into
    // cable marking or the report of this one.
    board.AllPcConnectorsPlugged = false;
    board.PcRingIsCorrect = false;
    board.PlayerLinks = filledTable<std::int16_t>(kNone, kNone);

    BoardLook& look = state_.look;
    look.verdict = Verdict::Incomplete;
    look.segmentColors.assign(at(3 * n), kBlack);
    look.highlightedAreas.assign(at(connectorCount()), false);
    look.coverUpsShown = settings.AdvancedLevel;
    // CoverUpsLifted stays as the pointer left it: the first move over the surface brings it
    // back in step with the covers shown here.

    fillColorPalette(state_.puzzle);
    return generatePuzzle(state_.puzzle, n, settings.ColorCount, random);
}

void Board::restartClock() {
    GameClockState& clock = state_.clock;
    clock.GameStartTime = nowInWholeSeconds();
    clock.GameClockTime = nowInWholeSeconds();
    clock.currentTimeText = timeOfDayText(clock.GameStartTime);
    clock.startingTimeText = timeOfDayText(clock.GameClockTime);
    clock.endingTimeText = kRunning;
    clock.elapsedTimeText = kNoTimeElapsed;
}

bool Board::isFree(int c) const {
    return state_.board.PcConnectorPlug[at(c)][0] == kNone;
}

bool Board::fits(int c, int j) const {
    return state_.puzzle.pcConnectorColors[at(c)] == state_.puzzle.cableConnectorColors[at(j)];
}

bool Board::dragOver(int area, int source, DragOverState dragState) {
    if (!isConnector(area) || !isConnector(source))
        return false;
    const bool entering = dragState != DragOverState::Leave;
    // Over an occupied area, or one of another colour, there is no feedback either way.
    if (entering && !(isFree(area) && fits(area, source)))
        return false;
    if (state_.look.highlightedAreas[at(area)] == entering)
        return false;
    state_.look.highlightedAreas[at(area)] = entering;
    return true;
}

TwipPoint Board::snapPosition(int c, int j) const {
    // The side facing the middle: area 0 is in the left column, so it is never right of itself.
    const bool rightColumn = layout_.dropAreas[at(c)].left > layout_.dropAreas[0].left;
    return kestrelink::snapPosition(layout_.pcConnectors[at(c)],
                                    state_.board.cableConnectors[at(j)], rightColumn);
}

bool Board::dropOnArea(int area, int source) {
    if (!isConnector(area) || !isConnector(source) || !isFree(area))
        return false;
    state_.look.highlightedAreas[at(area)] = false;
    // A connector of another colour stays where it was; the board is judged all the same.
    if (fits(area, source))
        moveConnector(source, snapPosition(area, source));
    redraw();
    return true;
}

void Board::moveConnector(int j, TwipPoint topLeft) {
    TwipRect& connector = state_.board.cableConnectors[at(j)];
    connector.top = topLeft.y;
    connector.left = topLeft.x;
}

void Board::sendHome(int j) {
    const auto& home = state_.board.CableConnectorHome[at(j)];
    moveConnector(j, {static_cast<float>(home[1]), static_cast<float>(home[0])});
}

void Board::dropOnSurface(int source) {
    if (!isConnector(source))
        return;
    sendHome(source);
    redraw();
}

void Board::unplug(int source) {
    // The same as a drop on the surface, and a connector already at home is judged again too.
    dropOnSurface(source);
}

void Board::restartBoard() {
    if (!dealt())
        return;

    for (int j = 0; j < connectorCount(); ++j)
        sendHome(j);
    for (int c = 0; c < kPlugRowsCleared; ++c)
        state_.board.PcConnectorPlug[at(c)] = {kNone, 0};
    redraw();
}

void Board::restart() {
    restartClock();
    restartBoard();
}

void Board::wireSolution() {
    if (!dealt())
        return;

    for (int c = 0; c < connectorCount(); ++c) {
        const int j = state_.puzzle.SolutionPlan[at(c)][1];
        if (isConnector(j))
            moveConnector(j, snapPosition(c, j));
    }
    redraw();
}

void Board::paintCable(int cable, Color color) {
    for (int s = 0; s < 3; ++s)
        state_.look.segmentColors[at(3 * cable + s)] = color;
}

std::optional<int> Board::toggleMarkAt(float y) {
    const BoardState& board = state_.board;
    if (!dealt() || !board.AllPcConnectorsPlugged || board.PcRingIsCorrect)
        return std::nullopt;
    // Only the height counts; the lower-numbered cable wins when two ends share a level.
    for (int k = 0; k < pcCount(); ++k) {
        const bool hit = std::fabs(y - board.cableSegments[at(3 * k)].y1) < kMarkingReach ||
                         std::fabs(y - board.cableSegments[at(3 * k + 1)].y1) < kMarkingReach;
        if (!hit)
            continue;
        paintCable(k, state_.look.segmentColors[at(3 * k)] == kRed ? kBlack : kRed);
        return k;
    }
    return std::nullopt;
}

bool Board::setCoverUps(bool lifted) {
    BoardLook& look = state_.look;
    if (look.CoverUpsLifted == lifted || !state_.settings.AdvancedLevel)
        return false;
    look.CoverUpsLifted = lifted;
    look.coverUpsShown = !lifted;
    return true;
}

bool Board::pointerOverBand() {
    return setCoverUps(true);
}

bool Board::pointerOverSurface() {
    return setCoverUps(false);
}

void Board::animationTick() {
    if (!dealt())
        return;

    const int n = pcCount();
    int index = std::clamp<int>(state_.look.AnimatedCableIndex, 0, n - 1);
    paintCable(index, kBlack);
    index = index + 1 > n - 1 ? 0 : index + 1;
    state_.look.AnimatedCableIndex = static_cast<std::int16_t>(index);
    paintCable(index, kWhite);
}

void Board::clockTick() {
    GameClockState& clock = state_.clock;
    clock.GameClockTime = nowInWholeSeconds();
    clock.currentTimeText = timeOfDayText(clock.GameClockTime);
    if (!clock.GameIsFinished)
        clock.elapsedTimeText = elapsedText(clock.GameClockTime - clock.GameStartTime);
}

Verdict Board::redraw() {
    if (!dealt())
        return Verdict::Incomplete;

    BoardState& board = state_.board;
    const int n = pcCount();
    for (int k = 0; k < n; ++k) {
        const auto lines =
            redrawCable(board.cableConnectors[at(2 * k)], board.cableConnectors[at(2 * k + 1)],
                        board.cableSegments[at(3 * k + 2)].x1);
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
        clock.endingTimeText = timeOfDayText(clock.GameClockTime);
        break;
    }
    std::fill(look.segmentColors.begin(), look.segmentColors.end(), cableColor);
    return verdict;
}

} // namespace kestrelink
