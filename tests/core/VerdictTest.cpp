// Occupancy scan and ring walk on laid-out boards, checked against an independent ring test.
#include "game/Verdict.h"

#include "game/BoardLayout.h"
#include "tests/core/RingTwin.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <numeric>
#include <random>
#include <vector>

namespace kestrelink {
namespace {

// A board of n PCs with every cable connector at home, ready to be wired.
struct Board {
    explicit Board(int pcs) : layout(layoutBoard(pcs)), n(pcs) {
        for (const TwipRect& home : layout.cableConnectors)
            corners.push_back({home.left, home.top});
    }

    // Cable connector j dropped on PC connector c, as a drop snaps it.
    void plug(int c, int j) {
        const auto ci = static_cast<std::size_t>(c);
        const bool right = layout.dropAreas[ci].left > layout.dropAreas[0].left;
        corners[static_cast<std::size_t>(j)] = snapPosition(layout.pcConnectors[ci], right);
    }

    // Cable k from PC connector c to PC connector d.
    void cable(int k, int c, int d) {
        plug(c, 2 * k);
        plug(d, 2 * k + 1);
    }

    Verdict judge() { return judgeBoard(state, n, layout.dropAreas, corners); }
    int plugOf(int c) const { return state.PcConnectorPlug[static_cast<std::size_t>(c)][0]; }
    int linkOf(int c) const { return state.PlayerLinks[static_cast<std::size_t>(c)][0]; }

    BoardLayout layout;
    int n;
    BoardState state;
    std::vector<TwipPoint> corners;
};

// One ring in PC order: cable k leaves PC k by its second connector for PC k+1's first.
void wireRing(Board& b, int n) {
    for (int k = 0; k < n; ++k)
        b.cable(k, 2 * k + 1, 2 * ((k + 1) % n));
}

TEST(Verdict, EmptyAndPartlyWiredBoardsAreIncomplete) {
    Board b(4);
    b.state.PlayerLinks[0][0] = 5;
    EXPECT_EQ(b.judge(), Verdict::Incomplete);
    EXPECT_FALSE(b.state.AllPcConnectorsPlugged);
    EXPECT_FALSE(b.state.PcRingIsCorrect);
    for (int c = 0; c < 8; ++c)
        EXPECT_EQ(b.plugOf(c), kNone);
    EXPECT_EQ(b.linkOf(0), 5) << "the walk must not run on an incomplete board";

    wireRing(b, 4);
    b.corners[7] = {b.layout.cableConnectors[7].left, b.layout.cableConnectors[7].top};
    EXPECT_EQ(b.judge(), Verdict::Incomplete);
    EXPECT_EQ(b.plugOf(0), kNone);
    EXPECT_EQ(b.plugOf(1), 0);
}

TEST(Verdict, OneRingIsCorrectAndLeavesSpareRowsAlone) {
    for (int n : {4, 5, 16}) {
        Board b(n);
        for (std::size_t r = static_cast<std::size_t>(2 * n); r < kTableRows; ++r) {
            b.state.PcConnectorPlug[r] = {7, 7};
            b.state.PlayerLinks[r] = {7, 7};
        }
        wireRing(b, n);
        EXPECT_EQ(b.judge(), Verdict::Correct) << n;
        EXPECT_TRUE(b.state.PcRingIsCorrect);
        for (int c = 0; c < 2 * n; ++c) {
            // The walk keeps its visited marks to itself.
            EXPECT_EQ(b.state.PcConnectorPlug[static_cast<std::size_t>(c)][1], 0);
            EXPECT_EQ(b.state.PlayerLinks[static_cast<std::size_t>(c)][1], kNone);
        }
        EXPECT_EQ(b.plugOf(1), 0);
        EXPECT_EQ(b.linkOf(1), 2);
        EXPECT_EQ(b.linkOf(0), 2 * n - 1);
        for (std::size_t r = static_cast<std::size_t>(2 * n); r < kTableRows; ++r) {
            EXPECT_EQ(b.state.PcConnectorPlug[r], (std::array<std::int16_t, 2>{7, 7}));
            EXPECT_EQ(b.state.PlayerLinks[r], (std::array<std::int16_t, 2>{7, 7}));
        }
        // Unplugging one end makes it incomplete again and clears the verdict.
        b.corners[0] = {b.layout.cableConnectors[0].left, b.layout.cableConnectors[0].top};
        EXPECT_EQ(b.judge(), Verdict::Incomplete);
        EXPECT_FALSE(b.state.PcRingIsCorrect);
    }
}

TEST(Verdict, WiringsThatAreNotOneRingAreWrongButFullyLinked) {
    Board loop(4); // cable 0 joins the two connectors of PC 0
    loop.cable(0, 0, 1);
    loop.cable(1, 2, 4);
    loop.cable(2, 5, 7);
    loop.cable(3, 6, 3);
    EXPECT_EQ(loop.judge(), Verdict::Wrong);
    EXPECT_EQ(loop.linkOf(0), 1);
    EXPECT_EQ(loop.linkOf(7), 5);

    Board twice(4); // two cables between PCs 0 and 1, two between PCs 2 and 3
    twice.cable(0, 0, 2);
    twice.cable(1, 3, 1);
    twice.cable(2, 4, 6);
    twice.cable(3, 7, 5);
    EXPECT_EQ(twice.judge(), Verdict::Wrong);
    EXPECT_FALSE(twice.state.PcRingIsCorrect);

    Board rings(6); // PCs 0-1-2 and PCs 3-4-5
    const int partner[12] = {5, 2, 1, 4, 3, 0, 11, 8, 7, 10, 9, 6};
    for (int c = 0, k = 0; c < 12; ++c)
        if (c < partner[c])
            rings.cable(k++, c, partner[c]);
    EXPECT_EQ(rings.judge(), Verdict::Wrong);
    for (int c = 0; c < 12; ++c)
        EXPECT_EQ(rings.linkOf(c), partner[c]) << c;
}

TEST(Verdict, ScanCountsStrictlyInsideAndTakesTheLowestConnector) {
    Board b(4);
    const TwipRect area = b.layout.dropAreas[2];
    const float midX = area.left + 100;
    const float midY = area.top + 100;
    const TwipPoint onEdges[] = {
        {area.left, midY}, {area.right(), midY}, {midX, area.top}, {midX, area.bottom()}};
    for (const TwipPoint& p : onEdges) {
        b.corners[3] = p;
        b.judge();
        EXPECT_EQ(b.plugOf(2), kNone) << p.x << "," << p.y;
    }
    b.corners[3] = {area.left + 0.5f, area.bottom() - 0.5f};
    b.judge();
    EXPECT_EQ(b.plugOf(2), 3);

    wireRing(b, 4);
    b.plug(1, 5); // cable connectors 0 and 5 now share area 1
    EXPECT_EQ(b.judge(), Verdict::Incomplete);
    EXPECT_EQ(b.plugOf(1), 0);
}

// A state no layout of this game produces: the far end of a cable is on no area. The walk must
// stay inside the used rows, stop, and call it Wrong.
TEST(Verdict, WalkIsSafeWhenAFarEndIsMissing) {
    for (int n : {4, 16}) {
        BoardState state;
        for (std::size_t r = 0; r < kTableRows; ++r)
            state.PcConnectorPlug[r] = {42, 42};
        for (int c = 0; c < 2 * n; ++c)
            state.PcConnectorPlug[static_cast<std::size_t>(c)] = {0, 0}; // every area holds end 0
        walkRing(state, n);
        EXPECT_FALSE(state.PcRingIsCorrect);
        state.PcConnectorPlug[3][0] = 99;
        state.PcConnectorPlug[4][0] = kNone;
        walkRing(state, n);
        EXPECT_FALSE(state.PcRingIsCorrect);
        for (std::size_t r = static_cast<std::size_t>(2 * n); r < kTableRows; ++r)
            EXPECT_EQ(state.PcConnectorPlug[r][1], 42);
    }

    // Overlapping areas through the public entry: one corner inside every area.
    Board b(4);
    std::vector<TwipRect> areas(8, TwipRect{0, 0, 100, 100});
    std::vector<TwipPoint> corners(8, TwipPoint{200, 200});
    corners[2] = {50, 50};
    EXPECT_EQ(judgeBoard(b.state, 4, areas, corners), Verdict::Wrong);
    EXPECT_EQ(judgeBoard(b.state, 4, areas, std::vector<TwipPoint>(3, {50, 50})), Verdict::Wrong);
    EXPECT_EQ(judgeBoard(b.state, 4, {}, corners), Verdict::Incomplete);
}

TEST(Verdict, RingWalkAgreesWithUnionFindOnRandomFullWirings) {
    std::mt19937 random(20240607);
    for (int n = 4; n <= 16; ++n) {
        int correct = 0;
        for (int round = 0; round < 400; ++round) {
            Board b(n);
            std::vector<int> where(static_cast<std::size_t>(2 * n));
            std::iota(where.begin(), where.end(), 0);
            if (round % 2 == 0) {
                std::shuffle(where.begin(), where.end(), random);
            } else {
                // A random ring: PCs in shuffled order, each cable from one PC to the next,
                // each on a random connector of its PC and with its ends in random order.
                std::vector<int> order(static_cast<std::size_t>(n));
                std::iota(order.begin(), order.end(), 0);
                std::shuffle(order.begin(), order.end(), random);
                std::vector<int> cables = order;
                std::shuffle(cables.begin(), cables.end(), random);
                std::vector<int> outSide(static_cast<std::size_t>(n));
                for (int& side : outSide)
                    side = static_cast<int>(random() % 2);
                for (int i = 0; i < n; ++i) {
                    const int pc = order[static_cast<std::size_t>(i)];
                    const int next = order[static_cast<std::size_t>((i + 1) % n)];
                    const int k = cables[static_cast<std::size_t>(i)];
                    const int out = 2 * pc + outSide[static_cast<std::size_t>(pc)];
                    const int in = 2 * next + 1 - outSide[static_cast<std::size_t>(next)];
                    const bool swapEnds = random() % 2 != 0;
                    where[static_cast<std::size_t>(2 * k)] = swapEnds ? in : out;
                    where[static_cast<std::size_t>(2 * k + 1)] = swapEnds ? out : in;
                }
            }
            for (int j = 0; j < 2 * n; ++j)
                b.plug(where[static_cast<std::size_t>(j)], j);

            const bool ring = testing::isOneRing(where, n);
            correct += ring;
            ASSERT_EQ(b.judge(), ring ? Verdict::Correct : Verdict::Wrong) << n << "/" << round;
            for (int j = 0; j < 2 * n; ++j) {
                const int c = where[static_cast<std::size_t>(j)];
                ASSERT_EQ(b.plugOf(c), j);
                ASSERT_EQ(b.linkOf(c), where[static_cast<std::size_t>(otherEndOfCable(j))]);
            }
        }
        EXPECT_GE(correct, 200) << n; // every odd round is a ring
    }
}

} // namespace
} // namespace kestrelink
