// A seeded random-play soak of the board: random drops, unplugs, commands, marks, animation
// steps, pointer moves, clock ticks and new deals, each a move checked against a naive twin that
// only remembers which PC connector each cable connector was put on. Every move is recorded, so
// a failure comes with the whole game written down, and a written-down game replays through the
// same checks. Shared by the core tests and the soak tool, which runs it for as long as asked.
#pragma once

#include "tests/core/GameRecord.h"
#include "tests/core/RingTwin.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace kestrelink::testing {

struct SoakResult {
    long operations = 0;
    // Moves made on a wrongly wired board and on a ring, and the marks toggled.
    long onWrongBoards = 0;
    long onCorrectBoards = 0;
    long marks = 0;
    // Empty when every check held; otherwise what failed, and the game up to there as a record
    // that replays it.
    std::string failure;
};

class BoardSoak {
public:
    // The deal's settings come from the seed too: colours 4 to 10, either level.
    BoardSoak(int pcCount, std::uint64_t seed)
        : BoardSoak(randomRecord(pcCount, seed), seed ^ 0x5EEDull) {}

    // Runs `operations` random operations (a few moves each), stopping at the first failed check.
    SoakResult run(long operations) {
        for (long step = 0; step < operations && failure_.empty(); ++step) {
            operate();
            count();
        }
        return finish();
    }

    // The deal and every move made so far.
    const GameRecord& record() const { return record_; }

    // The recorded moves again, through the same checks: a failure the soak found shows again.
    static SoakResult replay(const GameRecord& record) {
        BoardSoak soak(GameRecord{record.seed, record.settings, {}}, 0);
        for (const TimedMove& timed : record.moves) {
            soak.play(timed.move, timed.at);
            soak.count();
            if (!soak.failure_.empty())
                break;
        }
        return soak.finish();
    }

private:
    static constexpr int kHome = -1;

    BoardSoak(const GameRecord& deal, std::uint64_t choices)
        : record_(deal), game_(deal), choices_(choices), pcCount_(deal.settings.NumberOfPCs),
          pluggedInto_(static_cast<std::size_t>(2 * deal.settings.NumberOfPCs), kHome) {
        check();
    }

    static GameRecord randomRecord(int pcCount, std::uint64_t seed) {
        StdRandomSource random(seed ^ 0xC0105ull);
        const int colors = 4 + random.below(7);
        return {seed, checkedSettings(pcCount, colors, random.below(2) == 1), {}};
    }

    void count() {
        ++result_.operations;
        result_.onWrongBoards += state().look.verdict == Verdict::Wrong;
        result_.onCorrectBoards += state().look.verdict == Verdict::Correct;
    }

    SoakResult finish() {
        result_.failure = failure_;
        return result_;
    }

    int below(int n) { return choices_.below(n); }
    int connectors() const { return 2 * pcCount_; }
    const GameState& state() const { return game_.state(); }

    int connectorOn(int c) const {
        for (int j = 0; j < connectors(); ++j)
            if (at(pluggedInto_, j) == c)
                return j;
        return kNone;
    }

    bool valid(int index) const { return index >= 0 && index < connectors(); }

    bool fits(int c, int j) const {
        return at(state().puzzle.pcConnectorColors, c) ==
               at(state().puzzle.cableConnectorColors, j);
    }

    // One random operation: mostly a single move, sometimes a run of them.
    void operate() {
        const auto later = game_.sinceDeal() + std::chrono::milliseconds(below(3000));
        const auto move = [&](const Move& m) { play(m, later); };
        const int j = below(connectors());
        const int c = below(connectors());
        switch (below(12)) {
        case 0:
        case 1:
        case 2:
        case 11:
            // Drops on fitting areas are made likely, or whole boards would hardly ever form.
            move(Move::dropOnArea(below(2) == 0 ? c : fittingArea(j), j));
            break;
        case 3:
            move(Move::dropOnSurface(j));
            break;
        case 4:
            move(Move::unplug(j));
            break;
        case 5:
            move(below(4) == 0 ? Move::restart() : Move::showSolution());
            break;
        case 6: {
            // Presses land near the cables' ends, where the reach of a mark is decided.
            const float end = at(state().board.cableConnectors, j).top + 97;
            move(Move::mark(end + static_cast<float>(below(121) - 60)));
            break;
        }
        case 7:
            // The animation's timer runs only while a ring is shown.
            if (state().look.verdict == Verdict::Correct)
                move(Move::animationTick());
            break;
        case 8:
            move(below(2) == 0 ? Move::pointerOverBand() : Move::pointerOverSurface());
            break;
        case 9:
            move(Move::dragOver(c, j, static_cast<DragOverState>(below(3))));
            move(Move::dragOver(c, j, DragOverState::Leave));
            break;
        default:
            if (below(20) == 0)
                move(Move::newGame());
            else if (below(2) == 0)
                move(Move::clockTick());
            else
                wireFullBoard(later);
            break;
        }
    }

    // Every PC connector plugged by the rules, each with a connector of its colour: the
    // solution with same-coloured connectors swapped at random, so often not a ring.
    void wireFullBoard(std::chrono::milliseconds when) {
        std::vector<int> slotOf(pluggedInto_.size());
        for (int c = 0; c < connectors(); ++c)
            at(slotOf, at(state().puzzle.SolutionPlan, c)[1]) = c;
        for (int swaps = 0; swaps < connectors(); ++swaps) {
            const int a = below(connectors());
            const int b = below(connectors());
            if (at(state().puzzle.cableConnectorColors, a) ==
                at(state().puzzle.cableConnectorColors, b))
                std::swap(at(slotOf, a), at(slotOf, b));
        }
        play(Move::restart(), when);
        for (int j = 0; j < connectors() && failure_.empty(); ++j)
            play(Move::dropOnArea(at(slotOf, j), j), when);
    }

    int fittingArea(int j) {
        std::vector<int> fitting;
        for (int c = 0; c < connectors(); ++c)
            if (fits(c, j))
                fitting.push_back(c);
        return fitting.empty() ? below(connectors())
                               : at(fitting, below(static_cast<int>(fitting.size())));
    }

    // Records the move, makes it, and checks the board against what the twin expects of it.
    void play(const Move& move, std::chrono::milliseconds when) {
        record_.moves.push_back({when, move});
        const BoardLook before = state().look;
        const Changed changed = game_.play(record_.moves.back());
        current_ = move;
        const bool known = valid(move.source);
        switch (move.kind) {
        case Move::Kind::DropOnArea: {
            const bool free = valid(move.area) && known && connectorOn(move.area) == kNone;
            if ((changed == Changed::Board) != free)
                return fail(free ? "the drop was refused" : "the drop was taken");
            if (free && fits(move.area, move.source))
                at(pluggedInto_, move.source) = move.area;
            return check(free);
        }
        case Move::Kind::DropOnSurface:
        case Move::Kind::Unplug:
            if (!known)
                return expectNothing(changed);
            at(pluggedInto_, move.source) = kHome;
            return check();
        case Move::Kind::Restart:
        case Move::Kind::NewGame:
            pluggedInto_.assign(pluggedInto_.size(), kHome);
            return check();
        case Move::Kind::ShowSolution:
            for (int c = 0; c < connectors(); ++c)
                at(pluggedInto_, at(state().puzzle.SolutionPlan, c)[1]) = c;
            return check();
        case Move::Kind::Mark:
            return checkMark(before, move.y);
        case Move::Kind::AnimationTick:
            if (before.verdict == Verdict::Correct)
                checkAnimation();
            return;
        case Move::Kind::PointerOverBand:
        case Move::Kind::PointerOverSurface:
            return checkCoverUps(before, changed, move.kind == Move::Kind::PointerOverBand);
        case Move::Kind::DragOver:
            return checkHighlight(move);
        case Move::Kind::ClockTick:
            return checkClock();
        }
    }

    void expectNothing(Changed changed) {
        if (changed != Changed::Nothing)
            fail("a move of nobody's connector changed the board");
    }

    // After a move: the board agrees with the twin, nothing is doubled or miscoloured, every
    // connector is home or beside its PC connector, and the verdict is the twin's. Marks and the
    // animation recolour cables until the next redraw.
    void check(bool redrawn = true) {
        const BoardState& board = state().board;
        bool allPlugged = true;
        for (int c = 0; c < connectors(); ++c) {
            const int expected = connectorOn(c);
            allPlugged = allPlugged && expected != kNone;
            if (at(board.PcConnectorPlug, c)[0] != expected)
                return fail("PC connector " + std::to_string(c) + " holds " +
                            std::to_string(at(board.PcConnectorPlug, c)[0]) + ", not " +
                            std::to_string(expected));
            if (expected != kNone && !fits(c, expected))
                return fail("a plug of another colour on " + std::to_string(c));
        }
        for (int j = 0; j < connectors(); ++j) {
            const TwipRect& where = at(board.cableConnectors, j);
            const int c = at(pluggedInto_, j);
            const auto& home = at(board.CableConnectorHome, j);
            const bool isHome = where.top == static_cast<float>(home[0]) &&
                                where.left == static_cast<float>(home[1]);
            if (c == kHome ? !isHome : !besidePcConnector(where, c))
                return fail("cable connector " + std::to_string(j) + " is astray");
        }
        Verdict expected = Verdict::Incomplete;
        if (allPlugged)
            expected = isOneRing(pluggedInto_, pcCount_) ? Verdict::Correct : Verdict::Wrong;
        if (state().look.verdict != expected)
            return fail("the verdict differs from the twin's");
        if (!redrawn)
            return;
        const Color cableColor = expected == Verdict::Correct ? kWhite
                                 : expected == Verdict::Wrong ? kRed
                                                              : kBlack;
        for (Color color : state().look.segmentColors)
            if (color != cableColor)
                return fail("a cable is not in the verdict's colour");
        if (state().clock.GameIsFinished != (expected == Verdict::Correct))
            return fail("the clock disagrees with the verdict");
    }

    bool besidePcConnector(const TwipRect& connector, int c) const {
        const TwipRect& pc = at(game_.layout().pcConnectors, c);
        const bool leftColumn = (c / 2) % 2 == 0;
        const float left = leftColumn ? pc.left + pc.width : pc.left - pc.width;
        return connector.top == pc.top && connector.left == left;
    }

    // The first cable with an end less than 50 twips above or below the press, after a wrong
    // verdict only, toggles between red and black; nothing else changes. An end's level is the
    // middle of its 195-twip connector.
    void checkMark(const BoardLook& before, float y) {
        std::optional<int> expected;
        for (int k = 0; k < pcCount_ && !expected && before.verdict == Verdict::Wrong; ++k)
            for (int end = 2 * k; end <= 2 * k + 1; ++end)
                if (std::fabs(at(state().board.cableConnectors, end).top + 97 - y) < 50)
                    expected = k;
        const auto& was = before.segmentColors;
        const auto& now = state().look.segmentColors;
        for (int s = 0; s < 3 * pcCount_; ++s) {
            const bool marked = expected && s / 3 == *expected;
            if (at(now, s) != (marked ? (at(was, s) == kRed ? kBlack : kRed) : at(was, s)))
                return fail(marked ? "the mark missed its cable"
                                   : "a mark recoloured another cable");
        }
        result_.marks += expected.has_value();
    }

    void checkAnimation() {
        int white = 0;
        for (Color color : state().look.segmentColors) {
            if (color != kWhite && color != kBlack)
                return fail("the animation painted a third colour");
            white += color == kWhite;
        }
        const int index = state().look.AnimatedCableIndex;
        if (white < 3 || at(state().look.segmentColors, 3 * index) != kWhite)
            return fail("the animated cable is not white");
    }

    void checkCoverUps(const BoardLook& before, Changed changed, bool overBand) {
        const bool moves = state().settings.AdvancedLevel && before.CoverUpsLifted != overBand;
        if ((changed == Changed::Connectors) != moves)
            return fail(moves ? "the cover-ups stayed" : "the cover-ups moved");
        if (state().look.CoverUpsLifted != (moves ? overBand : before.CoverUpsLifted))
            fail("the cover-ups' flag is wrong");
    }

    void checkHighlight(const Move& move) {
        if (!valid(move.area) || !valid(move.source))
            return;
        const bool lit = at(state().look.highlightedAreas, move.area);
        const bool fitting = connectorOn(move.area) == kNone && fits(move.area, move.source);
        if (lit && !fitting)
            return fail("an occupied or unfitting area lit up");
        if (move.drag == DragOverState::Leave && lit)
            return fail("leaving an area left it lit");
        if (move.drag != DragOverState::Leave && !lit && fitting)
            fail("a free fitting area did not light up");
    }

    void checkClock() {
        const GameClockState& clock = state().clock;
        if (!clock.GameIsFinished && clock.elapsedTime != clock.GameClockTime - clock.GameStartTime)
            fail("the elapsed time is not the time since the start");
    }

    void fail(const std::string& what) {
        if (!failure_.empty())
            return;
        std::ostringstream text;
        text << moveText(current_) << ": " << what << " (N = " << pcCount_ << ", seed "
             << record_.seed << ", move " << record_.moves.size() << "). The game so far:\n"
             << recordText(record_);
        failure_ = text.str();
    }

    GameRecord record_;
    Replay game_;
    StdRandomSource choices_;
    int pcCount_;
    std::vector<int> pluggedInto_;
    // The move being checked, named in a failure.
    Move current_;
    SoakResult result_;
    std::string failure_;
};

} // namespace kestrelink::testing
