// A seeded random-play soak of the board: random drops, unplugs, restarts, solutions, marks,
// animation steps, pointer moves and new deals, each checked against a naive twin that only
// remembers which PC connector each cable connector was put on. Shared by the core tests and
// the soak benchmark, which runs it for as long as it is asked to.
#pragma once

#include "game/Board.h"
#include "tests/core/RingTwin.h"
#include "tests/core/SteppedTime.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace kestrelink::testing {

struct SoakResult {
    long operations = 0;
    // Operations made on a wrongly wired board and on a ring, and the marks toggled.
    long onWrongBoards = 0;
    long onCorrectBoards = 0;
    long marks = 0;
    // Empty when every check held; otherwise what failed, with the seed and step to replay it.
    std::string failure;
};

class BoardSoak {
public:
    BoardSoak(int pcCount, std::uint64_t seed)
        : seed_(seed), engine_(seed), deals_(seed ^ 0x5EEDull), board_(state_, time_),
          pcCount_(pcCount) {}

    // Runs `operations` random operations, stopping at the first failed check.
    SoakResult run(long operations) {
        SoakResult result;
        deal();
        for (step_ = 0; step_ < operations; ++step_) {
            operate();
            ++result.operations;
            result.onWrongBoards += state_.look.verdict == Verdict::Wrong;
            result.onCorrectBoards += state_.look.verdict == Verdict::Correct;
            if (!failure_.empty()) {
                result.failure = failure_;
                break;
            }
        }
        result.marks = marks_;
        return result;
    }

private:
    static constexpr int kHome = -1;

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }
    std::size_t at(int i) const { return static_cast<std::size_t>(i); }
    int connectors() const { return 2 * pcCount_; }

    void deal() {
        const bool advanced = below(2) == 1;
        board_.start(checkedSettings(pcCount_, 4 + below(7), advanced), deals_);
        pluggedInto_.assign(at(connectors()), kHome);
        check("deal");
    }

    int connectorOn(int c) const {
        for (int j = 0; j < connectors(); ++j)
            if (pluggedInto_[at(j)] == c)
                return j;
        return kNone;
    }

    bool fits(int c, int j) const {
        return state_.puzzle.pcConnectorColors[at(c)] == state_.puzzle.cableConnectorColors[at(j)];
    }

    void operate() {
        time_.advance(std::chrono::milliseconds(below(3000)));
        const int j = below(connectors());
        const int c = below(connectors());
        switch (below(12)) {
        case 0:
        case 1:
        case 2: {
            // Drops on fitting areas are made likely, or whole boards would hardly ever form.
            const int area = below(2) == 0 ? c : fittingArea(j);
            const bool free = connectorOn(area) == kNone;
            const bool taken = board_.dropOnArea(area, j);
            if (taken != free)
                fail("a drop on an area was " + std::string(taken ? "taken" : "refused"));
            if (free && fits(area, j))
                pluggedInto_[at(j)] = area;
            check("drop of " + std::to_string(j) + " on area " + std::to_string(area), taken);
            break;
        }
        case 3:
            board_.dropOnSurface(j);
            pluggedInto_[at(j)] = kHome;
            check("drop of " + std::to_string(j) + " on the surface");
            break;
        case 4:
            board_.unplug(j);
            pluggedInto_[at(j)] = kHome;
            check("unplug of " + std::to_string(j));
            break;
        case 5:
            if (below(4) == 0) {
                board_.restart();
                pluggedInto_.assign(at(connectors()), kHome);
                check("restart");
            } else {
                board_.restart();
                board_.wireSolution();
                for (int pc = 0; pc < connectors(); ++pc)
                    pluggedInto_[at(state_.puzzle.SolutionPlan[at(pc)][1])] = pc;
                check("solution");
            }
            break;
        case 6: {
            const Verdict before = state_.look.verdict;
            const auto colors = state_.look.segmentColors;
            // Presses land near the cables' ends, where the reach of a mark is decided.
            const float end = state_.board.cableConnectors[at(j)].top + 97;
            const float y = end + static_cast<float>(below(121) - 60);
            const auto marked = board_.toggleMarkAt(y);
            marks_ += marked.has_value();
            if (marked != expectedMark(before, y))
                fail("a press at " + std::to_string(y) + " marked the wrong cable");
            checkMark(colors, marked);
            break;
        }
        case 7:
            if (board_.animationRunning()) {
                board_.animationTick();
                checkAnimation();
            }
            break;
        case 8: {
            const bool lifted = state_.look.CoverUpsLifted;
            const bool changed =
                below(2) == 0 ? board_.pointerOverBand() : board_.pointerOverSurface();
            if (changed && !state_.settings.AdvancedLevel)
                fail("the cover-ups moved at the Beginner level");
            if (changed && state_.look.CoverUpsLifted == lifted)
                fail("a cover-up change left the flag as it was");
            break;
        }
        case 9: {
            const auto dragState = static_cast<DragOverState>(below(3));
            board_.dragOver(c, j, dragState);
            const bool lit = state_.look.highlightedAreas[at(c)];
            if (lit && (connectorOn(c) != kNone || !fits(c, j)))
                fail("an occupied or unfitting area lit up");
            if (dragState == DragOverState::Leave && lit)
                fail("leaving an area left it lit");
            if (dragState != DragOverState::Leave && !lit && connectorOn(c) == kNone && fits(c, j))
                fail("a free fitting area did not light up");
            board_.dragOver(c, j, DragOverState::Leave);
            break;
        }
        case 10:
            if (below(2) == 0)
                board_.clockTick();
            else
                wireFullBoard();
            break;
        default:
            if (below(20) == 0) {
                board_.restart();
                deal();
            } else {
                board_.redraw();
                check("redraw");
            }
            break;
        }
    }

    // Every PC connector plugged by the rules, each with a connector of its colour: the
    // solution with same-coloured connectors swapped at random, so often not a ring.
    void wireFullBoard() {
        std::vector<int> slotOf(at(connectors()));
        for (int c = 0; c < connectors(); ++c)
            slotOf[at(state_.puzzle.SolutionPlan[at(c)][1])] = c;
        for (int swaps = 0; swaps < connectors(); ++swaps) {
            const int a = below(connectors());
            const int b = below(connectors());
            if (state_.puzzle.cableConnectorColors[at(a)] ==
                state_.puzzle.cableConnectorColors[at(b)])
                std::swap(slotOf[at(a)], slotOf[at(b)]);
        }
        board_.restart();
        pluggedInto_.assign(at(connectors()), kHome);
        for (int j = 0; j < connectors(); ++j) {
            board_.dropOnArea(slotOf[at(j)], j);
            pluggedInto_[at(j)] = slotOf[at(j)];
        }
        check("a full board");
    }

    int fittingArea(int j) {
        std::vector<int> fitting;
        for (int c = 0; c < connectors(); ++c)
            if (fits(c, j))
                fitting.push_back(c);
        return fitting.empty() ? below(connectors())
                               : fitting[at(below(static_cast<int>(fitting.size())))];
    }

    // After a redraw: the board agrees with the twin, nothing is doubled or miscoloured, every
    // connector is home or beside its PC connector, and the verdict is the twin's.
    void check(const std::string& what, bool redrawn = true) {
        const BoardState& board = state_.board;
        bool allPlugged = true;
        for (int c = 0; c < connectors(); ++c) {
            const int expected = connectorOn(c);
            allPlugged = allPlugged && expected != kNone;
            if (board.PcConnectorPlug[at(c)][0] != expected)
                return fail(what + ": PC connector " + std::to_string(c) + " holds " +
                            std::to_string(board.PcConnectorPlug[at(c)][0]) + ", not " +
                            std::to_string(expected));
            if (expected != kNone && !fits(c, expected))
                return fail(what + ": a plug of another colour on " + std::to_string(c));
        }
        for (int j = 0; j < connectors(); ++j) {
            const TwipRect& at_ = board.cableConnectors[at(j)];
            const int c = pluggedInto_[at(j)];
            const auto& home = board.CableConnectorHome[at(j)];
            const bool isHome =
                at_.top == static_cast<float>(home[0]) && at_.left == static_cast<float>(home[1]);
            if (c == kHome ? !isHome : !besidePcConnector(at_, c))
                return fail(what + ": cable connector " + std::to_string(j) + " is astray");
        }
        Verdict expected = Verdict::Incomplete;
        if (allPlugged)
            expected = isOneRing(pluggedInto_, pcCount_) ? Verdict::Correct : Verdict::Wrong;
        if (state_.look.verdict != expected)
            return fail(what + ": the verdict differs from the twin's");
        // Marks and the animation recolour cables until the next redraw.
        if (!redrawn)
            return;
        const Color cableColor = expected == Verdict::Correct ? kWhite
                                 : expected == Verdict::Wrong ? kRed
                                                              : kBlack;
        for (Color color : state_.look.segmentColors)
            if (color != cableColor)
                return fail(what + ": a cable is not in the verdict's colour");
        if (state_.clock.GameIsFinished != (expected == Verdict::Correct))
            return fail(what + ": the clock disagrees with the verdict");
    }

    bool besidePcConnector(const TwipRect& connector, int c) const {
        const TwipRect& pc = board_.layout().pcConnectors[at(c)];
        const bool leftColumn = (c / 2) % 2 == 0;
        const float left = leftColumn ? pc.left + pc.width : pc.left - pc.width;
        return connector.top == pc.top && connector.left == left;
    }

    // The first cable with an end less than 50 twips above or below the press, after a
    // wrong verdict only. An end's level is the middle of its 195-twip connector.
    std::optional<int> expectedMark(Verdict verdict, float y) const {
        if (verdict != Verdict::Wrong)
            return std::nullopt;
        for (int k = 0; k < pcCount_; ++k)
            for (int end = 2 * k; end <= 2 * k + 1; ++end)
                if (std::fabs(state_.board.cableConnectors[at(end)].top + 97 - y) < 50)
                    return k;
        return std::nullopt;
    }

    void checkMark(const std::vector<Color>& before, std::optional<int> marked) {
        const auto& after = state_.look.segmentColors;
        for (int s = 0; s < 3 * pcCount_; ++s) {
            const bool inMarked = marked && s / 3 == *marked;
            if (!inMarked && after[at(s)] != before[at(s)])
                return fail("a mark recoloured another cable");
            if (inMarked && after[at(s)] != (before[at(s)] == kRed ? kBlack : kRed))
                return fail("a mark did not toggle its cable");
        }
    }

    void checkAnimation() {
        int white = 0;
        for (Color color : state_.look.segmentColors) {
            if (color != kWhite && color != kBlack)
                return fail("the animation painted a third colour");
            white += color == kWhite;
        }
        const int index = state_.look.AnimatedCableIndex;
        if (white < 3 || state_.look.segmentColors[at(3 * index)] != kWhite)
            return fail("the animated cable is not white");
    }

    void fail(const std::string& what) {
        if (!failure_.empty())
            return;
        std::ostringstream text;
        text << what << " (N = " << pcCount_ << ", seed " << seed_ << ", step " << step_ << ")";
        failure_ = text.str();
    }

    std::uint64_t seed_;
    std::mt19937_64 engine_;
    StdRandomSource deals_;
    SteppedTime time_;
    GameState state_;
    Board board_;
    int pcCount_;
    long step_ = 0;
    std::vector<int> pluggedInto_;
    long marks_ = 0;
    std::string failure_;
};

} // namespace kestrelink::testing
